// The colour dialog's arithmetic against hand-worked values of its formulas.
#include "app/editor/colour_math.h"
#include "app/editor/colour_swatch.h"
#include "app/editor/colour_wheel.h"

#include <gtest/gtest.h>

namespace lw {
namespace {

TEST(ColourMath, RgbToHsv)
{
    struct Case {
        Rgb rgb;
        Hsv hsv;
    };
    const Case cases[] = {
        {{128, 128, 128}, {0, 0, 50}},
        {{0, 0, 0}, {0, 0, 0}},
        {{255, 0, 0}, {0, 100, 100}},
        {{255, 255, 0}, {60, 100, 100}},
        {{0, 255, 0}, {120, 100, 100}},
        {{0, 255, 255}, {180, 100, 100}},
        {{0, 0, 255}, {240, 100, 100}},
        {{255, 0, 255}, {300, 100, 100}},
        {{255, 128, 0}, {30, 100, 100}},
        // g = 0 sets 359, b = 60·5/255 truncates to 1 so the b rule does not override.
        {{255, 0, 5}, {359, 100, 100}},
        {{100, 50, 25}, {20, 75, 39}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(rgbToHsv(c.rgb), c.hsv) << c.rgb.red << "," << c.rgb.green << "," << c.rgb.blue;
}

TEST(ColourMath, HsvToRgb)
{
    struct Case {
        Hsv hsv;
        Rgb rgb;
    };
    const Case cases[] = {
        {{0, 100, 100}, {255, 0, 0}},     {{90, 100, 100}, {128, 255, 0}},  {{90, 100, 50}, {64, 127, 0}},
        {{200, 50, 80}, {101, 169, 204}}, {{300, 100, 100}, {255, 0, 255}}, {{0, 0, 50}, {127, 127, 127}},
        {{359, 100, 100}, {255, 0, 5}},   {{150, 100, 100}, {0, 255, 127}}, {{270, 0, 100}, {255, 255, 255}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(hsvToRgb(c.hsv), c.rgb) << c.hsv.hue << "," << c.hsv.saturation << "," << c.hsv.value;
}

TEST(ColourMath, ConversionsStayInRange)
{
    for (int r = 0; r <= 255; r += 5)
        for (int g = 0; g <= 255; g += 5)
            for (int b = 0; b <= 255; b += 5) {
                const Hsv hsv = rgbToHsv({r, g, b});
                ASSERT_TRUE(hsv.hue >= 0 && hsv.hue < 360 && hsv.saturation >= 0 && hsv.saturation <= 100 &&
                            hsv.value >= 0 && hsv.value <= 100)
                    << r << "," << g << "," << b;
            }
    for (int h = 0; h < 360; ++h)
        for (int sv = 0; sv <= 100; sv += 10) {
            const Rgb rgb = hsvToRgb({h, sv, 100 - sv});
            ASSERT_TRUE(rgb.red >= 0 && rgb.red <= 255 && rgb.green >= 0 && rgb.green <= 255 &&
                        rgb.blue >= 0 && rgb.blue <= 255)
                << h << "," << sv;
        }
}

TEST(ColourMath, OpacityBothWays)
{
    const std::pair<int, int> fromTransparency[] = {{0, 100},  {1, 100}, {3, 99},
                                                    {128, 50}, {254, 1}, {255, 0}};
    for (const auto& [t, opacity] : fromTransparency)
        EXPECT_EQ(opacityPercent(t), opacity) << t;
    // 255 − ⌊o × 2.55⌋ exactly: 50 % gives 128 back, 100 % is fully opaque.
    const std::pair<int, int> fromOpacity[] = {{100, 0}, {50, 128}, {99, 3},  {1, 253},
                                               {0, 255}, {150, 0},  {-3, 255}};
    for (const auto& [opacity, t] : fromOpacity)
        EXPECT_EQ(transparencyForOpacity(opacity), t) << opacity;
    for (int t = 0; t <= 255; ++t) // a round trip through the field never drifts by more than one step
        EXPECT_LE(std::abs(transparencyForOpacity(opacityPercent(t)) - t), 2) << t;
}

TEST(ColourMath, FieldsKeepLowBitsAndOpacityCaps)
{
    const std::pair<const char*, int> components[] = {{"300", 44}, {"255", 255}, {"256", 0},
                                                      {"0", 0},    {"-1", 255},  {"12abc", 12},
                                                      {"abc", 0},  {"", 0},      {" 7", 7}};
    for (const auto& [text, value] : components)
        EXPECT_EQ(componentFromText(text), value) << text;
    const int huge = componentFromText("99999999999999999999999");
    EXPECT_TRUE(huge >= 0 && huge <= 255);
    const std::pair<const char*, int> opacities[] = {
        {"150", 100}, {"100", 100}, {"42", 42}, {"-5", 0}, {"x", 0}};
    for (const auto& [text, value] : opacities)
        EXPECT_EQ(opacityFromText(text), value) << text;
}

TEST(ColourWheel, DiskPixels)
{
    struct Case {
        int x, y;
        std::optional<HueSaturation> hs;
    };
    const Case cases[] = {
        {100, 0, HueSaturation{90, 100}},  // rim at the top
        {200, 100, HueSaturation{0, 100}}, // rim to the right
        {0, 100, HueSaturation{180, 100}},
        {100, 200, HueSaturation{270, 100}},
        {100, 100, HueSaturation{0, 0}},   // centre
        {101, 100, HueSaturation{0, 0}},   // r ≤ 2 is grey
        {103, 100, HueSaturation{0, 3}},   // trunc(3 − 97/96) + 2
        {150, 100, HueSaturation{0, 51}},  // trunc(50 − 50/96) + 2
        {197, 100, HueSaturation{0, 98}},  // trunc(97 − 3/96) + 2
        {198, 100, HueSaturation{0, 100}}, // r ≥ 98
        {171, 29, HueSaturation{45, 100}}, // r ≈ 100.41, still inside
        {100, 150, HueSaturation{270, 51}},
        {172, 28, std::nullopt}, // r ≈ 101.8
        {0, 0, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(diskPixel(c.x, c.y), c.hs) << c.x << "," << c.y;
    // Picking outside the disk takes full saturation in the pointer's direction.
    EXPECT_EQ(diskPick(0, 0), (HueSaturation{135, 100}));
    EXPECT_EQ(diskPick(300, 100), (HueSaturation{0, 100}));
}

TEST(ColourWheel, StripPicksAndMarkers)
{
    const std::pair<int, int> picks[] = {{0, 100}, {1, 100}, {101, 50}, {200, 0}, {-5, 100}, {300, 0}};
    for (const auto& [y, value] : picks)
        EXPECT_EQ(stripPick(y), value) << y;
    EXPECT_EQ(diskMarker(90, 100), QPoint(100, 0));
    EXPECT_EQ(diskMarker(0, 50), QPoint(150, 100));
    EXPECT_EQ(diskMarker(180, 100), QPoint(0, 100));
    EXPECT_EQ(diskMarker(270, 20), QPoint(100, 120));
    EXPECT_EQ(stripMarker(100), QPoint(10, 0));
    EXPECT_EQ(stripMarker(37), QPoint(10, 126));
    EXPECT_EQ(stripMarker(0), QPoint(10, 200));
}

TEST(ColourWheel, ImagesFollowTheFormulas)
{
    const QRgb face = qRgb(1, 2, 3);
    const QImage disk = diskImage(100, face);
    ASSERT_EQ(disk.size(), QSize(201, 201));
    EXPECT_EQ(disk.pixel(200, 100), qRgb(255, 0, 0));
    EXPECT_EQ(disk.pixel(100, 0), qRgb(128, 255, 0));
    EXPECT_EQ(disk.pixel(100, 100), qRgb(255, 255, 255));
    EXPECT_EQ(disk.pixel(0, 0), face);
    EXPECT_EQ(diskImage(0, face).pixel(200, 100), qRgb(0, 0, 0));

    const QImage strip = stripImage(0, 100);
    ASSERT_EQ(strip.size(), QSize(20, 202));
    EXPECT_EQ(strip.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(strip.pixel(19, 1), qRgb(255, 0, 0));
    EXPECT_EQ(strip.pixel(5, 101), qRgb(127, 0, 0)); // rows 101 and 100 hold value 50
    EXPECT_EQ(strip.pixel(5, 100), qRgb(127, 0, 0));
    EXPECT_EQ(strip.pixel(5, 201), qRgb(0, 0, 0));
}

TEST(ColourSwatch, CheckerboardSquares)
{
    struct Case {
        std::uint32_t colour;
        SwatchSquares squares;
    };
    const Case cases[] = {
        {0x00123456, {{0x12, 0x34, 0x56}, {0x12, 0x34, 0x56}}}, // opaque: plain
        {0xFF000000, {{255, 255, 255}, {192, 192, 192}}},       // transparent: the board
        {0x80FF0000, {{255, 128, 128}, {223, 96, 96}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(swatchSquares(c.colour), c.squares) << std::hex << c.colour;
    const QImage image = swatchImage(0xFF000000, 20, 20);
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(kSwatchSquare, 0), qRgb(192, 192, 192));
    EXPECT_EQ(image.pixel(kSwatchSquare, kSwatchSquare), qRgb(255, 255, 255));
}

} // namespace
} // namespace lw
