#include "model/lwd/object_records.h"

#include "platform/cp1251.h"
#include "platform/errors.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <iterator>

namespace lw {
namespace {

constexpr std::array<char, 4> kTagBitmap{'D', 'I', 'B', 'M'};
constexpr std::array<char, 4> kTagRect{'R', 'E', 'C', 'T'};
constexpr std::array<char, 4> kTagEllipse{'E', 'L', 'P', 'S'};
constexpr std::array<char, 4> kTagText{'L', 'A', 'B', 'L'};
constexpr std::array<char, 4> kTagClone{'C', 'L', 'O', 'N'};

// Coordinates beyond this could overflow the integer geometry of moves and handles.
constexpr std::int32_t kMaxCoordinate = 1 << 20;

[[noreturn]] void badRecord(const char* why)
{
    throw ArchiveError(ArchiveError::Kind::BadFormat, std::string("Bad object record: ") + why);
}

// Reads 32-bit little-endian words from a byte block, so that a pixel vector is built from the
// record in one pass (sizing it first would fill it with zeros only to overwrite them).
struct LittleEndianWords {
    using iterator_category = std::random_access_iterator_tag;
    using value_type = std::uint32_t;
    using difference_type = std::ptrdiff_t;
    using pointer = const std::uint32_t*;
    using reference = std::uint32_t;

    const std::uint8_t* at;

    std::uint32_t operator*() const
    {
        return static_cast<std::uint32_t>(at[0]) | static_cast<std::uint32_t>(at[1]) << 8 |
               static_cast<std::uint32_t>(at[2]) << 16 | static_cast<std::uint32_t>(at[3]) << 24;
    }
    LittleEndianWords& operator++()
    {
        at += 4;
        return *this;
    }
    LittleEndianWords operator++(int)
    {
        const LittleEndianWords before = *this;
        at += 4;
        return before;
    }
    LittleEndianWords& operator--()
    {
        at -= 4;
        return *this;
    }
    LittleEndianWords& operator+=(difference_type n)
    {
        at += 4 * n;
        return *this;
    }
    difference_type operator-(const LittleEndianWords& other) const { return (at - other.at) / 4; }
    bool operator==(const LittleEndianWords& other) const { return at == other.at; }
};

// Writes a record front to back; every layout is contiguous, so offsets follow from the order.
class RecordBuilder {
public:
    RecordBuilder(const std::array<char, 4>& tag, std::uint32_t headerSize, std::size_t reserve)
    {
        bytes_.reserve(reserve);
        for (char c : tag)
            bytes_.push_back(static_cast<std::uint8_t>(c));
        u32(headerSize);
    }
    void u32(std::uint32_t v)
    {
        for (int i = 0; i < 4; ++i)
            bytes_.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    }
    void i32(std::int32_t v) { u32(static_cast<std::uint32_t>(v)); }
    void f64(double v)
    {
        const auto bits = std::bit_cast<std::uint64_t>(v);
        for (int i = 0; i < 8; ++i)
            bytes_.push_back(static_cast<std::uint8_t>(bits >> (8 * i)));
    }
    void bytes(std::span<const std::uint8_t> b) { bytes_.insert(bytes_.end(), b.begin(), b.end()); }
    void rect(const LayerRect& r)
    {
        i32(r.left);
        i32(r.top);
        i32(r.right);
        i32(r.bottom);
    }
    void effect(const EffectAssignment& e)
    {
        i32(e.effectId);
        i32(e.speed);
        i32(e.param);
    }
    std::size_t size() const { return bytes_.size(); }
    std::vector<std::uint8_t> take() { return std::move(bytes_); }

private:
    std::vector<std::uint8_t> bytes_;
};

// Reads fields at fixed offsets of one record; any field outside the record is a format error.
class RecordView {
public:
    explicit RecordView(std::span<const std::uint8_t> record) : record_(record) {}
    std::size_t size() const { return record_.size(); }
    std::uint32_t u32(std::size_t at) const
    {
        const std::uint8_t* p = field(at, 4);
        return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
               static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
    }
    std::int32_t i32(std::size_t at) const { return static_cast<std::int32_t>(u32(at)); }
    double f64(std::size_t at) const
    {
        const std::uint8_t* p = field(at, 8);
        std::uint64_t bits = 0;
        for (int i = 7; i >= 0; --i)
            bits = bits << 8 | p[i];
        return std::bit_cast<double>(bits);
    }
    std::span<const std::uint8_t> bytes(std::size_t at, std::size_t count) const
    {
        return {field(at, count), count};
    }
    LayerRect rect(std::size_t at) const { return {i32(at), i32(at + 4), i32(at + 8), i32(at + 12)}; }
    EffectAssignment effect(std::size_t at) const { return {i32(at), i32(at + 4), i32(at + 8)}; }

private:
    const std::uint8_t* field(std::size_t at, std::size_t count) const
    {
        if (at > record_.size() || count > record_.size() - at)
            badRecord("field outside the record");
        return record_.data() + at;
    }
    std::span<const std::uint8_t> record_;
};

void checkVersion(int version)
{
    if (version < kFirstDocumentVersion || version > kCurrentDocumentVersion)
        badRecord("unknown version");
}

// A record must hold the fields its version carries.
void requireLength(const RecordView& v, std::size_t needed)
{
    if (v.size() < needed)
        badRecord("record shorter than its fields");
}

void checkRect(const LayerRect& r, std::int64_t maxPixels)
{
    for (std::int32_t c : {r.left, r.top, r.right, r.bottom})
        if (c < -kMaxCoordinate || c > kMaxCoordinate)
            badRecord("rectangle out of range");
    const int w = rectWidth(r);
    const int h = rectHeight(r);
    if (w <= 0 || h <= 0 || w > kMaxObjectSide || h > kMaxObjectSide ||
        static_cast<std::int64_t>(w) * h > maxPixels)
        badRecord("object size out of range");
}

// The header size of a kind with variable data: at least the oldest fixed part, at most the record.
std::size_t variableHeaderSize(const RecordView& v, std::size_t minimum)
{
    const std::uint32_t header = v.u32(4);
    if (header < minimum || header > v.size())
        badRecord("bad header size");
    return header;
}

// Reads the effects at intro/outro/animation offsets as the version allows; fieldLimit bounds
// the fixed part (a shorter header than the version's means the fields are not there).
void readEffects(const RecordView& v, int version, std::size_t intro, std::size_t animation,
                 std::size_t fieldLimit, RecordCommon& c)
{
    if (version >= 4 && intro + 24 <= fieldLimit) {
        c.intro = v.effect(intro);
        c.outro = v.effect(intro + 12);
    }
    if (version >= 5 && animation + 12 <= fieldLimit)
        c.animation = v.effect(animation);
}

// Rectangle and ellipse records: their own fields up to `effects`, then the intro and outro
// effects (version 4 on), the animation effect (5 on) and the reserved values (6 on). The
// rectangle is checked against what a shape may render.
template <std::size_t N>
RecordView readShapeRecord(std::span<const std::uint8_t> record, int version, std::size_t effects,
                           RecordCommon& common, std::array<std::int32_t, N>& reserved)
{
    checkVersion(version);
    const RecordView v(record);
    const std::size_t needed[] = {effects, effects + 24, effects + 36, effects + 36 + 4 * N};
    requireLength(v, needed[version - kFirstDocumentVersion]);
    common.rect = v.rect(8);
    checkRect(common.rect, kMaxShapePixels);
    readEffects(v, version, effects, effects + 24, v.size(), common);
    if (version >= 6)
        for (std::size_t i = 0; i < N; ++i)
            reserved[i] = v.i32(effects + 36 + 4 * i);
    return v;
}

template <std::size_t N>
std::vector<std::uint8_t> finishShapeRecord(RecordBuilder& b, const RecordCommon& common,
                                            const std::array<std::int32_t, N>& reserved)
{
    b.effect(common.intro);
    b.effect(common.outro);
    b.effect(common.animation);
    for (std::int32_t v : reserved)
        b.i32(v);
    return b.take();
}

bool tagIs(std::span<const std::uint8_t> record, const std::array<char, 4>& tag)
{
    return std::equal(tag.begin(), tag.end(), record.begin(),
                      [](char a, std::uint8_t b) { return static_cast<std::uint8_t>(a) == b; });
}

} // namespace

ObjectRecordKind objectRecordKind(std::span<const std::uint8_t> record)
{
    if (record.size() < 8)
        badRecord("record too short");
    if (tagIs(record, kTagBitmap))
        return ObjectRecordKind::Bitmap;
    if (tagIs(record, kTagRect))
        return ObjectRecordKind::Rectangle;
    if (tagIs(record, kTagEllipse))
        return ObjectRecordKind::Ellipse;
    if (tagIs(record, kTagText))
        return ObjectRecordKind::Text;
    if (tagIs(record, kTagClone))
        return ObjectRecordKind::Clone;
    badRecord("unknown tag");
}

std::vector<std::uint8_t> encodeRecord(const RectRecord& r)
{
    RecordBuilder b(kTagRect, RectRecord::kHeaderSize, RectRecord::kHeaderSize);
    b.rect(r.common.rect);
    b.u32(r.fillColour);
    b.u32(r.lineColour);
    b.i32(r.lineWidth);
    b.i32(r.gapWidth);
    b.i32(r.style);
    return finishShapeRecord(b, r.common, r.reserved);
}

RectRecord decodeRectRecord(std::span<const std::uint8_t> record, int version)
{
    RectRecord r;
    const RecordView v = readShapeRecord(record, version, 44, r.common, r.reserved);
    r.fillColour = v.u32(24);
    r.lineColour = v.u32(28);
    r.lineWidth = v.i32(32);
    r.gapWidth = v.i32(36);
    r.style = v.i32(40);
    if (r.lineWidth < 0 || r.lineWidth > kMaxRectLineWidth || r.gapWidth < 0 ||
        r.gapWidth > kMaxRectLineWidth)
        badRecord("rectangle line or gap width out of range");
    return r;
}

std::vector<std::uint8_t> encodeRecord(const EllipseRecord& r)
{
    RecordBuilder b(kTagEllipse, EllipseRecord::kHeaderSize, EllipseRecord::kHeaderSize);
    b.rect(r.common.rect);
    b.u32(r.colour);
    b.i32(r.style);
    return finishShapeRecord(b, r.common, r.reserved);
}

EllipseRecord decodeEllipseRecord(std::span<const std::uint8_t> record, int version)
{
    EllipseRecord r;
    const RecordView v = readShapeRecord(record, version, 32, r.common, r.reserved);
    r.colour = v.u32(24);
    r.style = v.i32(28) & 0xFF; // only the low byte carries the style
    return r;
}

std::vector<std::uint8_t> encodeRecord(const TextRecord& r)
{
    const std::string text = utf8ToCp1251(r.text);
    // The text ends at its first 0 byte on reading, so an embedded one would cut it short.
    const std::size_t length = std::min(text.size(), text.find('\0'));
    RecordBuilder b(kTagText, TextRecord::kHeaderSize, TextRecord::kHeaderSize + length + 1);
    b.rect(r.common.rect);
    b.f64(r.widthScale);
    b.f64(r.letterSpacing);
    b.u32(static_cast<std::uint32_t>(r.antialiased) |
          static_cast<std::uint32_t>(static_cast<std::uint16_t>(r.outlineWidth)) << 16);
    b.u32(r.textColour);
    b.bytes(r.font.toBytes());
    b.i32(r.positionX);
    b.i32(r.positionY);
    b.effect(r.common.intro);
    b.effect(r.common.outro);
    b.effect(r.common.animation);
    b.i32(r.alignment);
    b.i32(r.reserved[0]);
    b.u32(r.spareColour);
    b.u32(0);
    b.i32(r.reserved[1]);
    b.i32(r.reserved[2]);
    b.bytes({reinterpret_cast<const std::uint8_t*>(text.data()), length});
    b.bytes(std::array<std::uint8_t, 1>{0});
    return b.take();
}

TextRecord decodeTextRecord(std::span<const std::uint8_t> record, int version)
{
    checkVersion(version);
    const RecordView v(record);
    // Fields up to the position are in every version; later ones only inside the header.
    const std::size_t header = variableHeaderSize(v, 116);
    TextRecord r;
    r.common.rect = v.rect(8);
    checkRect(r.common.rect, kMaxRasterPixels);
    r.widthScale = v.f64(24);
    r.letterSpacing = v.f64(32);
    const std::uint32_t flags = v.u32(40);
    r.antialiased = static_cast<std::uint16_t>(flags & 0xFFFF);
    r.outlineWidth = static_cast<std::int16_t>(static_cast<std::uint16_t>(flags >> 16));
    r.textColour = v.u32(44);
    const auto font = v.bytes(48, LogFont::kRecordSize);
    r.font =
        LogFont::fromBytes(std::span<const std::uint8_t, LogFont::kRecordSize>(font.data(), font.size()));
    r.positionX = v.i32(108);
    r.positionY = v.i32(112);
    readEffects(v, version, 116, 140, header, r.common);
    if (version >= 5 && header >= 156)
        r.alignment = v.i32(152);
    if (version >= 6 && header >= 176)
        r.reserved = {v.i32(156), v.i32(168), v.i32(172)};

    if (!std::isfinite(r.widthScale) || r.widthScale <= 0 || r.widthScale > kMaxWidthScale)
        badRecord("text width scale out of range");
    if (!std::isfinite(r.letterSpacing) || r.letterSpacing > kMaxLetterSpacing)
        badRecord("letter spacing out of range");
    r.letterSpacing = std::max(r.letterSpacing, kMinLetterSpacing);
    if (r.outlineWidth < 0 || r.outlineWidth > kMaxOutlineWidth)
        badRecord("outline width out of range");
    if (r.font.height < -kMaxFontHeight || r.font.height > kMaxFontHeight || r.font.width < 0 ||
        r.font.width > kMaxFontHeight)
        badRecord("font size out of range");
    if (r.positionX < -kMaxCoordinate || r.positionX > kMaxCoordinate || r.positionY < -kMaxCoordinate ||
        r.positionY > kMaxCoordinate)
        badRecord("position out of range");

    const auto tail = record.subspan(header);
    const auto end = std::find(tail.begin(), tail.end(), std::uint8_t{0});
    if (end == tail.end())
        badRecord("text not terminated inside the record");
    r.text = cp1251ToUtf8(std::string(tail.begin(), end));
    return r;
}

std::vector<std::uint8_t> encodeRecord(const BitmapRecord& r)
{
    const std::size_t pixelBytes = r.pixels.size() * 4;
    RecordBuilder b(kTagBitmap, BitmapRecord::kHeaderSize, BitmapRecord::kHeaderSize + pixelBytes);
    b.rect(r.common.rect);
    b.i32(r.hasTransparency);
    b.effect(r.common.intro);
    b.effect(r.common.outro);
    b.effect(r.common.animation);
    for (std::int32_t v : r.reserved)
        b.i32(v);
    std::vector<std::uint8_t> bytes = b.take();
    const std::size_t at = bytes.size();
    bytes.resize(at + pixelBytes);
    for (std::size_t i = 0; i < r.pixels.size(); ++i)
        for (int k = 0; k < 4; ++k)
            bytes[at + 4 * i + static_cast<std::size_t>(k)] =
                static_cast<std::uint8_t>(r.pixels[i] >> (8 * k));
    return bytes;
}

BitmapRecord decodeBitmapRecord(std::span<const std::uint8_t> record, int version)
{
    checkVersion(version);
    const RecordView v(record);
    const std::size_t header = variableHeaderSize(v, 28);
    BitmapRecord r;
    r.common.rect = v.rect(8);
    checkRect(r.common.rect, kMaxRasterPixels);
    r.hasTransparency = v.i32(24);
    readEffects(v, version, 28, 52, header, r.common);
    if (version >= 6 && header >= 76)
        r.reserved = {v.i32(64), v.i32(68), v.i32(72)};
    const std::size_t count = static_cast<std::size_t>(rectWidth(r.common.rect)) *
                              static_cast<std::size_t>(rectHeight(r.common.rect));
    if (count > (record.size() - header) / 4)
        badRecord("bitmap pixels missing");
    const std::uint8_t* bytes = record.data() + header;
    r.pixels.assign(LittleEndianWords{bytes}, LittleEndianWords{bytes + count * 4});
    return r;
}

std::vector<std::uint8_t> encodeRecord(const CloneRecord& r)
{
    RecordBuilder b(kTagClone, CloneRecord::kHeaderSize, CloneRecord::kHeaderSize);
    b.rect(r.common.rect);
    b.u32(0);
    b.u32(0);
    b.effect(r.common.intro);
    b.effect(r.common.outro);
    b.effect(r.common.animation);
    b.u32(r.sourceRef);
    return b.take();
}

CloneRecord decodeCloneRecord(std::span<const std::uint8_t> record, int version)
{
    checkVersion(version);
    const RecordView v(record);
    requireLength(v, 72); // the source reference at 68 is in every version
    CloneRecord r;
    r.common.rect = v.rect(8);
    checkRect(r.common.rect, kMaxRasterPixels);
    readEffects(v, version, 32, 56, v.size(), r.common);
    r.sourceRef = v.u32(68);
    return r;
}

} // namespace lw
