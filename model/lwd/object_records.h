#pragma once
// Byte layouts of the five tagged layer-object records shared by the document file and the
// clipboard block. Each record starts with a 4-byte tag and the size of its fixed part; the
// rectangle follows at offset 8. Readers take the fields a file version carries and check every
// length before they touch a byte: a bad record raises ArchiveError, never reads outside its span.
#include "model/document_limits.h"
#include "model/effect_assignment.h"
#include "model/layer_rect.h"
#include "platform/log_font.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace lw {

// Versions selected by the document magic: "LWDF1.0" = 3 … "LWDF1.3" = 6.
inline constexpr int kFirstDocumentVersion = 3;
inline constexpr int kCurrentDocumentVersion = 6;

enum class ObjectRecordKind { Bitmap, Rectangle, Ellipse, Text, Clone };

// Fields every kind stores: the rectangle and the three effect assignments.
struct RecordCommon {
    LayerRect rect;
    EffectAssignment intro;
    EffectAssignment outro;
    EffectAssignment animation;
    bool operator==(const RecordCommon&) const = default;
};

struct RectRecord {
    static constexpr std::uint32_t kHeaderSize = 88;
    RecordCommon common;
    std::uint32_t fillColour = 0;
    std::uint32_t lineColour = 0;
    std::int32_t lineWidth = 0;
    std::int32_t gapWidth = 0;
    std::int32_t style = 0;
    std::array<std::int32_t, 2> reserved{};
    bool operator==(const RectRecord&) const = default;
};

struct EllipseRecord {
    static constexpr std::uint32_t kHeaderSize = 80;
    RecordCommon common;
    std::uint32_t colour = 0;
    std::int32_t style = 0;
    std::array<std::int32_t, 3> reserved{0, 1,
                                         0}; // what new ellipses carry; records before version 6 have none
    bool operator==(const EllipseRecord&) const = default;
};

struct TextRecord {
    static constexpr std::uint32_t kHeaderSize = 176;
    RecordCommon common;
    double widthScale = 1.0;
    double letterSpacing = 0.0;
    std::uint16_t antialiased = 0;
    std::int16_t outlineWidth = 0;
    std::uint32_t textColour = 0;
    LogFont font;
    std::int32_t positionX = 0;
    std::int32_t positionY = 0;
    std::int32_t alignment = 0;
    std::uint32_t spareColour = 0xFF000000u; // written, never read back
    std::array<std::int32_t, 3> reserved{};  // A, B, C
    std::string text;                        // UTF-8 in memory, code page 1251 in the record
    bool operator==(const TextRecord&) const = default;
};

struct BitmapRecord {
    static constexpr std::uint32_t kHeaderSize = 76;
    RecordCommon common;
    std::int32_t hasTransparency = 0;
    std::array<std::int32_t, 3> reserved{};
    std::vector<std::uint32_t> pixels; // width × height, bottom row first
    bool operator==(const BitmapRecord&) const = default;
};

struct CloneRecord {
    static constexpr std::uint32_t kHeaderSize = 72;
    RecordCommon common;
    std::uint32_t sourceRef = 0;
    bool operator==(const CloneRecord&) const = default;
};

// Object sizes a record may carry. Imported pictures (and layers scaled with the canvas) can be
// larger than the workspace, so the limits only keep allocations sane: shapes are rendered at
// the record's size and stay within four workspaces of pixels; bitmaps bring their own pixels;
// labels and clones take their size from rendering or from their source.
inline constexpr int kMaxObjectSide = 16384;
inline constexpr std::int64_t kMaxShapePixels = 4LL * kWorkspaceSize * kWorkspaceSize;

// The text label limits a record must respect to be read are the document's (document_limits.h).
// A rectangle's band and stripe widths: no wider than the widest object (a wider band looks
// the same), never negative.
inline constexpr std::int32_t kMaxRectLineWidth = kMaxObjectSide;

// The kind named by the record's tag; ArchiveError (format) for a short record or another tag.
ObjectRecordKind objectRecordKind(std::span<const std::uint8_t> record);

std::vector<std::uint8_t> encodeRecord(const RectRecord& r);
std::vector<std::uint8_t> encodeRecord(const EllipseRecord& r);
std::vector<std::uint8_t> encodeRecord(const TextRecord& r);
std::vector<std::uint8_t> encodeRecord(const BitmapRecord& r);
std::vector<std::uint8_t> encodeRecord(const CloneRecord& r);

// Readers for a file version 3 … 6. Fields of later versions keep their defaults (zero).
RectRecord decodeRectRecord(std::span<const std::uint8_t> record, int version);
EllipseRecord decodeEllipseRecord(std::span<const std::uint8_t> record, int version);
TextRecord decodeTextRecord(std::span<const std::uint8_t> record, int version);
BitmapRecord decodeBitmapRecord(std::span<const std::uint8_t> record, int version);
CloneRecord decodeCloneRecord(std::span<const std::uint8_t> record, int version);

} // namespace lw
