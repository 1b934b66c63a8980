#include "model/lwd/object_records.h"
#include "platform/errors.h"

#include <cstring>
#include <gtest/gtest.h>
#include <limits>

using namespace lw;

namespace {

std::uint32_t u32At(const std::vector<std::uint8_t>& b, std::size_t at)
{
    return static_cast<std::uint32_t>(b[at]) | static_cast<std::uint32_t>(b[at + 1]) << 8 |
           static_cast<std::uint32_t>(b[at + 2]) << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

void putU32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
}

RecordCommon sampleCommon()
{
    RecordCommon c;
    c.rect = {300, 400, 340, 430};
    c.intro = {101, 2, 7};
    c.outro = {102, 3, 8};
    c.animation = {103, 4, 9};
    return c;
}

RectRecord sampleRect()
{
    RectRecord r;
    r.common = sampleCommon();
    r.fillColour = 0x118080FF;
    r.lineColour = 0x22000001;
    r.lineWidth = 5;
    r.gapWidth = 6;
    r.style = 3;
    r.reserved = {-1, 77};
    return r;
}

EllipseRecord sampleEllipse()
{
    EllipseRecord r;
    r.common = sampleCommon();
    r.colour = 0x40FF0000;
    r.style = 4;
    r.reserved = {0, 1, 0};
    return r;
}

TextRecord sampleText()
{
    TextRecord r;
    r.common = sampleCommon();
    r.widthScale = 1.25;
    r.letterSpacing = 3.5;
    r.antialiased = 1;
    r.outlineWidth = 2;
    r.textColour = 0x000000FF;
    r.font = LogFont::documentDefault();
    r.positionX = 300;
    r.positionY = 422;
    r.alignment = 2;
    r.reserved = {5, 6, 7};
    r.text = "Привет";
    return r;
}

BitmapRecord sampleBitmap()
{
    BitmapRecord r;
    r.common = sampleCommon();
    r.common.rect = {10, 20, 13, 22};
    r.hasTransparency = 1;
    r.reserved = {8, 9, 10};
    r.pixels = {0x01020304, 0xFF000000, 0x00FFFFFF, 0x7F123456, 0, 0xDEADBEEF};
    return r;
}

CloneRecord sampleClone()
{
    CloneRecord r;
    r.common = sampleCommon();
    r.sourceRef = 0x00030002;
    return r;
}

template <typename Decode>
void expectBadFormat(const std::vector<std::uint8_t>& bytes, Decode decode, const char* what)
{
    try {
        decode(std::span<const std::uint8_t>(bytes), 6);
        ADD_FAILURE() << what << ": no error";
    } catch (const ArchiveError& e) {
        EXPECT_EQ(e.kind(), ArchiveError::Kind::BadFormat) << what;
    }
}

} // namespace

TEST(ObjectRecordLayout, RectangleBytes)
{
    const auto b = encodeRecord(sampleRect());
    ASSERT_EQ(b.size(), 88u);
    EXPECT_EQ(std::memcmp(b.data(), "RECT", 4), 0);
    EXPECT_EQ(u32At(b, 4), 88u);
    EXPECT_EQ(u32At(b, 8), 300u);
    EXPECT_EQ(u32At(b, 20), 430u);
    EXPECT_EQ(u32At(b, 24), 0x118080FFu);
    EXPECT_EQ(u32At(b, 28), 0x22000001u);
    EXPECT_EQ(u32At(b, 32), 5u);
    EXPECT_EQ(u32At(b, 36), 6u);
    EXPECT_EQ(u32At(b, 40), 3u);
    EXPECT_EQ(u32At(b, 44), 101u);
    EXPECT_EQ(u32At(b, 56), 102u);
    EXPECT_EQ(u32At(b, 68), 103u);
    EXPECT_EQ(u32At(b, 76), 9u);
    EXPECT_EQ(u32At(b, 80), 0xFFFFFFFFu);
    EXPECT_EQ(u32At(b, 84), 77u);
}

TEST(ObjectRecordLayout, EllipseBytes)
{
    const auto b = encodeRecord(sampleEllipse());
    ASSERT_EQ(b.size(), 80u);
    EXPECT_EQ(std::memcmp(b.data(), "ELPS", 4), 0);
    EXPECT_EQ(u32At(b, 4), 80u);
    EXPECT_EQ(u32At(b, 24), 0x40FF0000u);
    EXPECT_EQ(u32At(b, 28), 4u);
    EXPECT_EQ(u32At(b, 32), 101u);
    EXPECT_EQ(u32At(b, 44), 102u);
    EXPECT_EQ(u32At(b, 56), 103u);
    EXPECT_EQ(u32At(b, 72), 1u);
}

TEST(ObjectRecordLayout, TextBytes)
{
    const TextRecord r = sampleText();
    const auto b = encodeRecord(r);
    ASSERT_EQ(b.size(), 177u + 6u);
    EXPECT_EQ(std::memcmp(b.data(), "LABL", 4), 0);
    EXPECT_EQ(u32At(b, 4), 176u);
    double scale = 0;
    std::memcpy(&scale, &b[24], 8);
    EXPECT_EQ(scale, 1.25);
    EXPECT_EQ(u32At(b, 40), 0x00020001u); // outline width high, antialiasing low
    EXPECT_EQ(u32At(b, 44), 0xFFu);
    EXPECT_EQ(b[48], 24); // font height
    EXPECT_EQ(std::memcmp(&b[48 + 28], "Arial", 5), 0);
    EXPECT_EQ(u32At(b, 108), 300u);
    EXPECT_EQ(u32At(b, 112), 422u);
    EXPECT_EQ(u32At(b, 116), 101u);
    EXPECT_EQ(u32At(b, 140), 103u);
    EXPECT_EQ(u32At(b, 152), 2u);
    EXPECT_EQ(u32At(b, 156), 5u);
    EXPECT_EQ(u32At(b, 160), 0xFF000000u);
    EXPECT_EQ(u32At(b, 164), 0u);
    EXPECT_EQ(u32At(b, 168), 6u);
    EXPECT_EQ(u32At(b, 172), 7u);
    EXPECT_EQ(b[176], 0xCF); // "П" in code page 1251
    EXPECT_EQ(b.back(), 0);
}

TEST(ObjectRecordLayout, EmptyTextIs177Bytes)
{
    TextRecord r = sampleText();
    r.text.clear();
    const auto b = encodeRecord(r);
    EXPECT_EQ(b.size(), 177u);
    EXPECT_EQ(decodeTextRecord(b, 6).text, "");
}

TEST(ObjectRecordLayout, BitmapBytesAreBottomUpPixelsAfterTheHeader)
{
    const auto b = encodeRecord(sampleBitmap());
    ASSERT_EQ(b.size(), 76u + 6u * 4u);
    EXPECT_EQ(std::memcmp(b.data(), "DIBM", 4), 0);
    EXPECT_EQ(u32At(b, 4), 76u);
    EXPECT_EQ(u32At(b, 24), 1u);
    EXPECT_EQ(u32At(b, 28), 101u);
    EXPECT_EQ(u32At(b, 52), 103u);
    EXPECT_EQ(u32At(b, 64), 8u);
    EXPECT_EQ(u32At(b, 76), 0x01020304u);
    EXPECT_EQ(u32At(b, 76 + 5 * 4), 0xDEADBEEFu);
}

TEST(ObjectRecordLayout, CloneBytes)
{
    const auto b = encodeRecord(sampleClone());
    ASSERT_EQ(b.size(), 72u);
    EXPECT_EQ(std::memcmp(b.data(), "CLON", 4), 0);
    EXPECT_EQ(u32At(b, 4), 72u);
    EXPECT_EQ(u32At(b, 24), 0u);
    EXPECT_EQ(u32At(b, 28), 0u);
    EXPECT_EQ(u32At(b, 32), 101u);
    EXPECT_EQ(u32At(b, 56), 103u);
    EXPECT_EQ(u32At(b, 68), 0x00030002u);
}

TEST(ObjectRecordRoundTrip, EveryKindReadsBackAndRewritesTheSameBytes)
{
    const auto rect = encodeRecord(sampleRect());
    EXPECT_EQ(decodeRectRecord(rect, 6), sampleRect());
    EXPECT_EQ(encodeRecord(decodeRectRecord(rect, 6)), rect);

    const auto ellipse = encodeRecord(sampleEllipse());
    EXPECT_EQ(decodeEllipseRecord(ellipse, 6), sampleEllipse());
    EXPECT_EQ(encodeRecord(decodeEllipseRecord(ellipse, 6)), ellipse);

    const auto text = encodeRecord(sampleText());
    EXPECT_EQ(decodeTextRecord(text, 6), sampleText());
    EXPECT_EQ(encodeRecord(decodeTextRecord(text, 6)), text);

    const auto bitmap = encodeRecord(sampleBitmap());
    EXPECT_EQ(decodeBitmapRecord(bitmap, 6), sampleBitmap());
    EXPECT_EQ(encodeRecord(decodeBitmapRecord(bitmap, 6)), bitmap);

    const auto clone = encodeRecord(sampleClone());
    EXPECT_EQ(decodeCloneRecord(clone, 6), sampleClone());
    EXPECT_EQ(encodeRecord(decodeCloneRecord(clone, 6)), clone);
}

TEST(ObjectRecordRoundTrip, FieldsAreReadOnlyFromTheirVersionOn)
{
    const auto rect = encodeRecord(sampleRect());
    const RectRecord v3 = decodeRectRecord(rect, 3);
    EXPECT_EQ(v3.common.intro, EffectAssignment{});
    EXPECT_EQ(v3.style, 3);
    const RectRecord v4 = decodeRectRecord(rect, 4);
    EXPECT_EQ(v4.common.intro, (EffectAssignment{101, 2, 7}));
    EXPECT_EQ(v4.common.outro, (EffectAssignment{102, 3, 8}));
    EXPECT_EQ(v4.common.animation, EffectAssignment{});
    const RectRecord v5 = decodeRectRecord(rect, 5);
    EXPECT_EQ(v5.common.animation, (EffectAssignment{103, 4, 9}));
    EXPECT_EQ(v5.reserved, (std::array<std::int32_t, 2>{0, 0}));

    const auto text = encodeRecord(sampleText());
    EXPECT_EQ(decodeTextRecord(text, 4).alignment, 0);
    EXPECT_EQ(decodeTextRecord(text, 5).alignment, 2);
    EXPECT_EQ(decodeTextRecord(text, 5).reserved, (std::array<std::int32_t, 3>{}));
    EXPECT_EQ(decodeTextRecord(text, 3).text, "Привет");

    EllipseRecord odd = sampleEllipse();
    odd.reserved = {4, 5, 6};
    const auto ellipse = encodeRecord(odd);
    // Records before version 6 carry no reserved fields: they read as a new ellipse's.
    for (int version : {3, 4, 5})
        EXPECT_EQ(decodeEllipseRecord(ellipse, version).reserved, (std::array<std::int32_t, 3>{0, 1, 0}))
            << version;
    EXPECT_EQ(decodeEllipseRecord(ellipse, 6).reserved, (std::array<std::int32_t, 3>{4, 5, 6}));

    const auto bitmap = encodeRecord(sampleBitmap());
    EXPECT_EQ(decodeBitmapRecord(bitmap, 4).common.animation, EffectAssignment{});
    EXPECT_EQ(decodeBitmapRecord(bitmap, 4).pixels, sampleBitmap().pixels);

    const auto clone = encodeRecord(sampleClone());
    EXPECT_EQ(decodeCloneRecord(clone, 3).sourceRef, 0x00030002u);
    EXPECT_EQ(decodeCloneRecord(clone, 3).common.outro, EffectAssignment{});
}

TEST(ObjectRecordRoundTrip, OldRecordsOnlyNeedTheirVersionsFields)
{
    // A version 3 rectangle ends after the style.
    auto rect = encodeRecord(sampleRect());
    rect.resize(44);
    EXPECT_EQ(decodeRectRecord(rect, 3).lineWidth, 5);
    EXPECT_THROW(decodeRectRecord(rect, 4), ArchiveError);
}

TEST(ObjectRecordRoundTrip, BitmapPixelsStartAtTheHeaderSize)
{
    // A version 5 writer without the reserved fields: header 64, pixels right after it.
    auto full = encodeRecord(sampleBitmap());
    std::vector<std::uint8_t> shorter(full.begin(), full.begin() + 64);
    shorter.insert(shorter.end(), full.begin() + 76, full.end());
    putU32(shorter, 4, 64);
    const BitmapRecord r = decodeBitmapRecord(shorter, 6);
    EXPECT_EQ(r.pixels, sampleBitmap().pixels);
    EXPECT_EQ(r.reserved, (std::array<std::int32_t, 3>{}));
    EXPECT_EQ(r.common.animation, (EffectAssignment{103, 4, 9}));
}

TEST(ObjectRecordKinds, TagsSelectTheKind)
{
    EXPECT_EQ(objectRecordKind(encodeRecord(sampleBitmap())), ObjectRecordKind::Bitmap);
    EXPECT_EQ(objectRecordKind(encodeRecord(sampleRect())), ObjectRecordKind::Rectangle);
    EXPECT_EQ(objectRecordKind(encodeRecord(sampleEllipse())), ObjectRecordKind::Ellipse);
    EXPECT_EQ(objectRecordKind(encodeRecord(sampleText())), ObjectRecordKind::Text);
    EXPECT_EQ(objectRecordKind(encodeRecord(sampleClone())), ObjectRecordKind::Clone);
    auto other = encodeRecord(sampleRect());
    std::memcpy(other.data(), "XFRM", 4);
    EXPECT_THROW(objectRecordKind(other), ArchiveError);
    EXPECT_THROW(objectRecordKind(std::vector<std::uint8_t>{'R', 'E', 'C', 'T'}), ArchiveError);
}

TEST(HostileObjectRecords, TruncatedRecordsFail)
{
    const auto rect = encodeRecord(sampleRect());
    for (std::size_t n : {0u, 7u, 20u, 87u})
        expectBadFormat(std::vector<std::uint8_t>(rect.begin(), rect.begin() + static_cast<long>(n)),
                        decodeRectRecord, "rectangle");
    const auto ellipse = encodeRecord(sampleEllipse());
    expectBadFormat(std::vector<std::uint8_t>(ellipse.begin(), ellipse.end() - 1), decodeEllipseRecord,
                    "ellipse");
    const auto clone = encodeRecord(sampleClone());
    expectBadFormat(std::vector<std::uint8_t>(clone.begin(), clone.end() - 1), decodeCloneRecord, "clone");
}

TEST(HostileObjectRecords, RectangleSizeMustBePositiveAndBounded)
{
    auto check = [](LayerRect rect) {
        RectRecord r = sampleRect();
        r.common.rect = rect;
        expectBadFormat(encodeRecord(r), decodeRectRecord, "rect");
        CloneRecord c = sampleClone();
        c.common.rect = rect;
        expectBadFormat(encodeRecord(c), decodeCloneRecord, "clone");
    };
    check({10, 10, 10, 20});
    check({10, 10, 20, 5});
    check({0, 0, kMaxObjectSide + 1, 10});
    check({0, 0, 10, kMaxObjectSide + 1});
    check({std::numeric_limits<std::int32_t>::min(), 0, std::numeric_limits<std::int32_t>::max(), 10});
    RectRecord ok = sampleRect();
    ok.common.rect = {-100, -100, 1100, 1100};
    EXPECT_NO_THROW(decodeRectRecord(encodeRecord(ok), 6));
    // Shapes are rendered at their size: at most four workspaces of pixels.
    RectRecord huge = sampleRect();
    huge.common.rect = {0, 0, 4000, 4000};
    expectBadFormat(encodeRecord(huge), decodeRectRecord, "shape area");
    // A clone of a big imported picture is as big as the picture.
    CloneRecord big = sampleClone();
    big.common.rect = {0, 0, 4000, 3000};
    EXPECT_NO_THROW(decodeCloneRecord(encodeRecord(big), 6));
}

TEST(HostileObjectRecords, BitmapsLargerThanTheWorkspaceReadWhenTheirPixelsArePresent)
{
    BitmapRecord r = sampleBitmap();
    r.common.rect = {0, 0, 1500, 2};
    r.pixels.assign(3000, 0x00123456);
    EXPECT_EQ(decodeBitmapRecord(encodeRecord(r), 6).pixels.size(), 3000u);
}

TEST(HostileObjectRecords, TextMustEndInsideTheRecord)
{
    auto b = encodeRecord(sampleText());
    b.back() = 'x';
    expectBadFormat(b, decodeTextRecord, "unterminated");
    auto header = encodeRecord(sampleText());
    putU32(header, 4, static_cast<std::uint32_t>(header.size() + 1));
    expectBadFormat(header, decodeTextRecord, "header past the end");
    putU32(header, 4, 100);
    expectBadFormat(header, decodeTextRecord, "header inside the fixed part");
}

TEST(HostileObjectRecords, TextValuesThatWouldBlowUpTheBitmap)
{
    auto check = [](auto change, const char* what) {
        TextRecord r = sampleText();
        change(r);
        expectBadFormat(encodeRecord(r), decodeTextRecord, what);
    };
    check([](TextRecord& r) { r.outlineWidth = 11; }, "outline");
    check([](TextRecord& r) { r.outlineWidth = -1; }, "negative outline");
    check([](TextRecord& r) { r.font.height = 100000; }, "font height");
    check([](TextRecord& r) { r.widthScale = std::numeric_limits<double>::quiet_NaN(); }, "NaN scale");
    check([](TextRecord& r) { r.widthScale = 0; }, "zero scale");
    check([](TextRecord& r) { r.letterSpacing = 1e300; }, "spacing");
    check([](TextRecord& r) { r.positionY = std::numeric_limits<std::int32_t>::min(); }, "position");
}

TEST(HostileObjectRecords, RectangleLineAndGapWidthsAreBounded)
{
    struct Case {
        std::int32_t lineWidth, gapWidth;
        bool readable;
    };
    const Case cases[] = {
        {0, 0, true},
        {32, 1, true},
        {kMaxRectLineWidth, kMaxRectLineWidth, true},
        {kMaxRectLineWidth + 1, 1, false},
        {1, kMaxRectLineWidth + 1, false},
        {-1, 1, false},
        {1, -1, false},
        {std::numeric_limits<std::int32_t>::min(), 1, false},
        {std::numeric_limits<std::int32_t>::max(), 1, false},
    };
    for (const Case& c : cases)
        for (const std::int32_t style : {0, 1, 2, 3}) {
            SCOPED_TRACE(::testing::Message() << c.lineWidth << " / " << c.gapWidth << " style " << style);
            RectRecord r = sampleRect();
            r.lineWidth = c.lineWidth;
            r.gapWidth = c.gapWidth;
            r.style = style;
            const auto bytes = encodeRecord(r);
            if (c.readable)
                EXPECT_EQ(encodeRecord(decodeRectRecord(bytes, 6)), bytes);
            else
                expectBadFormat(bytes, decodeRectRecord, "line width");
        }
}

TEST(HostileObjectRecords, BitmapPixelsMustBeFullyPresent)
{
    auto b = encodeRecord(sampleBitmap());
    b.pop_back();
    expectBadFormat(b, decodeBitmapRecord, "one byte short");
    auto big = encodeRecord(sampleBitmap());
    putU32(big, 16, 1200); // right: a 1190 × 2 bitmap in a record holding 6 pixels
    expectBadFormat(big, decodeBitmapRecord, "size beyond the pixels");
    auto header = encodeRecord(sampleBitmap());
    putU32(header, 4, 0xFFFFFFF0u);
    expectBadFormat(header, decodeBitmapRecord, "huge header size");
}

TEST(HostileObjectRecords, UnknownVersionsAreRefused)
{
    EXPECT_THROW(decodeRectRecord(encodeRecord(sampleRect()), 2), ArchiveError);
    EXPECT_THROW(decodeCloneRecord(encodeRecord(sampleClone()), 7), ArchiveError);
}
