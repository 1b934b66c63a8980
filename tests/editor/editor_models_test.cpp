#include "app/editor/palette_model.h"
#include "app/editor/recent_files.h"
#include "app/editor/welcome_model.h"

#include "platform/settings.h"

#include <QImage>
#include <QTemporaryDir>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

using namespace lw;

TEST(Palette, CellsAndColours)
{
    struct Case {
        int x, y, cell;
        std::uint32_t colour;
    };
    const Case cases[] = {
        {0, 0, 0, 0x000000},    {11, 11, 0, 0x000000},          {12, 0, 1, 0x808080},
        {95, 0, 7, 0xFF00FF},   {0, 12, 8, 0x008000},           {3 * 12, 4 * 12, 35, 0xC080FF},
        {95, 95, 63, 0xFF0040}, {7 * 12, 6 * 12, 55, 0x002040},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(paletteCellAt(c.x, c.y), c.cell) << c.x << "," << c.y;
        EXPECT_EQ(kPaletteColours[c.cell], c.colour) << c.cell;
    }
    for (auto [x, y] : {std::pair{-1, 0}, {0, -1}, {96, 0}, {0, 96}, {200, 5}})
        EXPECT_EQ(paletteCellAt(x, y), -1) << x << "," << y;
}

TEST(Palette, SwatchSquaresBlendOverWhiteAndGrey)
{
    struct Case {
        std::uint32_t colour, light, dark;
    };
    const Case cases[] = {
        {0x00123456, 0x123456, 0x123456}, // opaque shows plain
        {0xFF123456, 0xFFFFFF, 0xC0C0C0}, // fully transparent: white and grey
        {0x80FF0000, 0xFF8080, 0xDF6060}, // half: (127·C + 128·B) / 255
    };
    for (const Case& c : cases) {
        const SwatchSquares s = swatchSquares(c.colour);
        EXPECT_EQ(s.light, rgbOf(c.light)) << std::hex << c.colour;
        EXPECT_EQ(s.dark, rgbOf(c.dark)) << std::hex << c.colour;
    }
    const QImage image = currentColoursImage(0xFF000000, 0x000000FF, 0x00ABCDEF);
    ASSERT_EQ(image.size(), QSize(66, 16));
    EXPECT_EQ(image.pixel(2, 2) & 0xFFFFFF, 0xFFFFFFu); // light square, top-left
    EXPECT_EQ(image.pixel(5, 2) & 0xFFFFFF, 0xC0C0C0u); // dark square beside it
    EXPECT_EQ(image.pixel(5, 5) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(image.pixel(13, 13) & 0xFFFFFF, 0xFFFFFFu); // last square of the 4 × 4
    EXPECT_EQ(image.pixel(14, 2) & 0xFFFFFF, 0xABCDEFu);  // the face beside the swatch
    EXPECT_EQ(image.pixel(35, 2) & 0xFFFFFF, 0x0000FFu);
    EXPECT_EQ(image.pixel(46, 13) & 0xFFFFFF, 0x0000FFu);
    EXPECT_EQ(image.pixel(47, 13) & 0xFFFFFF, 0xABCDEFu);
    EXPECT_EQ(image.pixel(1, 1) & 0xFFFFFF, 0xABCDEFu);
}

TEST(Welcome, LastDocumentChoiceNeedsAFile)
{
    WelcomeModel empty;
    WelcomeModel filled{"/tmp/x.lwd"};
    for (int i = 0; i < kWelcomeChoiceCount; ++i) {
        const auto choice = static_cast<WelcomeChoice>(i);
        EXPECT_EQ(empty.enabled(choice), choice != WelcomeChoice::LastDocument) << i;
        EXPECT_TRUE(filled.enabled(choice)) << i;
        EXPECT_STRNE(welcomeChoiceText(choice), "");
    }
    EXPECT_EQ(empty.choice, WelcomeChoice::Blank);
    EXPECT_STREQ(welcomeChoiceText(WelcomeChoice::Tutorial), "Обучение \"шаг за шагом\"");
}

TEST(RecentFiles, RoundTripThroughTheStoreWithoutDuplicates)
{
    Settings settings;
    RecentFiles list;
    for (const char* p : {"/d/1.lwd", "/d/2.lwd", "/d/x/../1.lwd", "/d/3.lwd", "/d/4.lwd", "/d/5.lwd"})
        list.add(p);
    const std::vector<std::string> expected = {"/d/5.lwd", "/d/4.lwd", "/d/3.lwd", "/d/1.lwd"};
    EXPECT_EQ(list.paths(), expected);
    list.store(settings);
    RecentFiles again;
    again.load(settings);
    EXPECT_EQ(again.paths(), expected);
    again.remove("/d/3.lwd");
    again.store(settings);
    EXPECT_EQ(settings.readString("Recent File List", "File3"), "/d/1.lwd");
    EXPECT_FALSE(settings.contains("Recent File List", "File4"));
}

} // namespace
