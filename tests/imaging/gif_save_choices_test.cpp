#include "imaging/gif_save_choices.h"

#include <gtest/gtest.h>

using namespace lw;

TEST(GifSaveChoices, TwoHundredFiftySixColoursPreselectReductionTo128)
{
    const GifSaveChoices c = gifSaveChoices(256, true);
    EXPECT_FALSE(c.fullPalettePreselected);
    EXPECT_TRUE(c.fullPaletteEnabled);
    EXPECT_EQ(c.reduceCounts, (std::vector<int>{128, 64, 32, 16, 8, 4}));
    EXPECT_EQ(c.reduceDefault, 128);
    EXPECT_EQ(c.fullPaletteLabel, "Вся палитра   (256 цветов)");
}

TEST(GifSaveChoices, ThreeColoursOfferOnlyTheFullPalette)
{
    const GifSaveChoices c = gifSaveChoices(3, true);
    EXPECT_TRUE(c.fullPalettePreselected);
    EXPECT_FALSE(c.reduceEnabled);
    EXPECT_TRUE(c.reduceCounts.empty());
    EXPECT_EQ(c.fullPaletteLabel, "Вся палитра   (3 цветов)");
    EXPECT_EQ(gifSaveChoices(1, false).fullPaletteLabel, "Вся палитра   (1 Цвет) ");
}

TEST(GifSaveChoices, TrueColourPicturesCannotKeepTheirPalette)
{
    const GifSaveChoices c = gifSaveChoices(70000, false);
    EXPECT_FALSE(c.fullPaletteEnabled);
    EXPECT_FALSE(c.fullPalettePreselected);
    EXPECT_EQ(c.reduceDefault, 256);
    EXPECT_FALSE(c.optimiseEnabled) << "a single picture has no frames to optimise";
    EXPECT_TRUE(c.optimiseChecked);
    EXPECT_EQ(gifSaveChoices(5, true).reduceCounts, (std::vector<int>{4}));
}
