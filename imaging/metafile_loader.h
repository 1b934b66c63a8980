#pragma once
// Loading Windows metafiles and enhanced metafiles for picture import. A placeable Windows
// metafile keeps the mapping mode its units per inch select; every metafile knows the bounds an
// enhanced metafile header would report for it, in pixels.
#include "imaging/raster.h"
#include "platform/ui_port.h"

#include <optional>
#include <span>
#include <string>

namespace lw {

enum class MetafileKind { Enhanced, Windows };

// Mapping modes with their usual numbers.
enum class MappingMode {
    Text = 1,
    LoMetric = 2,
    HiMetric = 3,
    LoEnglish = 4,
    HiEnglish = 5,
    Twips = 6,
    Anisotropic = 8
};

// The mapping mode of a placeable metafile's units per inch.
MappingMode PlaceableMappingMode(int unitsPerInch);

struct Metafile {
    MetafileKind kind = MetafileKind::Enhanced;
    // The whole enhanced metafile, or the Windows metafile's records without a placeable header.
    std::vector<std::uint8_t> bytes;
    bool placeable = false;
    MappingMode mappingMode = MappingMode::Anisotropic;
    // Placeable header: units per inch and the 16-bit bounding box.
    int unitsPerInch = 0;
    RasterRect box;
    // Bounds in pixels (right and bottom are the picture's proposed size); negative when unknown.
    RasterRect bounds;
};

// Texts of the loader's messages (formatted with the error code where they have one).
inline constexpr const char* kMetafileOpenFailed = "Fail in file open! Error %ld\n";
inline constexpr const char* kMetafileMapFailed = "Fail in creating map file! Error %ld\n";
inline constexpr const char* kMetafileViewFailed = "Fail in mapping view of the Map File object! Error %ld\n";
inline constexpr const char* kMetafileConvertFailed = "SetWinMetaFileBits failed, %x";
inline constexpr const char* kMetafileGetFailed = "GetMetaFile failed, %x";
inline constexpr const char* kMetafileEnhancedDamaged =
    "The enhanced metafile is damaged and cannot be read.";

// The metafile of a file's bytes, or nothing after a message through ui.
std::optional<Metafile> LoadMetafileBytes(std::span<const std::uint8_t> file, UiPort& ui);
std::optional<Metafile> LoadMetafile(const std::string& path, UiPort& ui);

// The window (origin and extent) a Windows metafile's records set, if they set an extent.
std::optional<RasterRect> WindowRect(std::span<const std::uint8_t> bits);

// Checks a Windows metafile's header and record chain lie inside the bytes.
bool IsWellFormedWindowsMetafile(std::span<const std::uint8_t> bits);
// The same for an enhanced metafile.
bool IsWellFormedEnhancedMetafile(std::span<const std::uint8_t> bytes);

} // namespace lw
