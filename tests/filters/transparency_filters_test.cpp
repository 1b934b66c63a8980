#include "filters/named_colours.h"
#include "filters/transparency_filters.h"
#include "support/raster_builders.h"

#include <gtest/gtest.h>

using namespace lw;
using lwtest::rasterFromRows;
using lwtest::topDownPixels;

TEST(ColourThreshold, OpacityAtMostTheValueBecomesTransparent)
{
    // Opacity 128 is T 127, opacity 129 is T 126.
    CRaster r = rasterFromRows(4, 1, {0x7F112233, 0x7E112233, 0xFF445566, 0x00778899});
    applyColourThreshold(r, 128);
    EXPECT_EQ(topDownPixels(r), (std::vector<std::uint32_t>{0xFF112233, 0x00112233, 0xFF445566, 0x00778899}));
    CRaster all = rasterFromRows(1, 1, {0x00000000});
    applyColourThreshold(all, 255);
    EXPECT_EQ(topDownPixels(all)[0], 0xFF000000u);
}

TEST(AlphaInversion, FlipsTransparencyAndTwiceRestores)
{
    const CRaster original = rasterFromRows(3, 1, {0x00123456, 0x7F000000, 0xFFFFFFFF});
    CRaster r = original;
    invertAlpha(r);
    EXPECT_EQ(topDownPixels(r), (std::vector<std::uint32_t>{0xFF123456, 0x80000000, 0x00FFFFFF}));
    invertAlpha(r);
    EXPECT_EQ(topDownPixels(r), topDownPixels(original));
}

TEST(AppliedTransparency, AddsAndClamps)
{
    CRaster r = rasterFromRows(3, 1, {0x00123456, 0xE0000000, 0x10FFFFFF});
    applyTransparency(r, 50);
    EXPECT_EQ(topDownPixels(r), (std::vector<std::uint32_t>{0x32123456, 0xFF000000, 0x42FFFFFF}));
    applyTransparency(r, -60);
    EXPECT_EQ(topDownPixels(r), (std::vector<std::uint32_t>{0x00123456, 0xC3000000, 0x06FFFFFF}));
}

TEST(WhiteToTransparent, OnlyExactOpaqueWhiteChanges)
{
    CRaster r = rasterFromRows(4, 1, {0x00FFFFFF, 0x00FEFFFF, 0x01FFFFFF, 0x00FFFFFF});
    EXPECT_TRUE(makeWhiteTransparent(r));
    EXPECT_EQ(topDownPixels(r), (std::vector<std::uint32_t>{0xFFFFFFFF, 0x00FEFFFF, 0x01FFFFFF, 0xFFFFFFFF}));
    EXPECT_FALSE(makeWhiteTransparent(r));
}

TEST(AlphaChannel, ExtractShowsTransparencyAsOpaqueGrey)
{
    const CRaster r = rasterFromRows(3, 1, {0x00123456, 0xFF000000, 0x80FFFFFF});
    const CRaster alpha = alphaChannelImage(r);
    EXPECT_EQ(topDownPixels(alpha), (std::vector<std::uint32_t>{0x00000000, 0x00FFFFFF, 0x00808080}));
}

TEST(AlphaChannel, InsertFromASmallerPictureChangesOnlyTheTopLeftOverlap)
{
    CRaster layer(3, 3);
    layer.FillRect(0x00102030);
    const CRaster picture = rasterFromRows(2, 1, {0x00FFFFFF, 0x80030609});
    insertAlphaChannel(layer, picture);
    EXPECT_EQ(topDownPixels(layer), (std::vector<std::uint32_t>{0xFF102030, 0x06102030, 0x00102030, //
                                                                0x00102030, 0x00102030, 0x00102030, //
                                                                0x00102030, 0x00102030, 0x00102030}));
}

TEST(AlphaChannel, LargerPictureIsClippedToTheLayer)
{
    CRaster layer = rasterFromRows(1, 2, {0x00102030, 0x40102030});
    CRaster picture(4, 4);
    picture.FillRect(0x00606060);
    insertAlphaChannel(layer, picture);
    EXPECT_EQ(topDownPixels(layer), (std::vector<std::uint32_t>{0x60102030, 0x60102030}));
}

TEST(TakeColours, KeepsTransparencyTakesPictureColour)
{
    CRaster layer = rasterFromRows(2, 2, {0x80102030, 0x00102030, 0xFF102030, 0x00102030});
    const CRaster picture = rasterFromRows(1, 1, {0x00AABBCC});
    takeColours(layer, picture);
    EXPECT_EQ(topDownPixels(layer),
              (std::vector<std::uint32_t>{0x80AABBCC, 0x00102030, 0xFF102030, 0x00102030}));
}

TEST(NamedColours, ListOrderAndTransparentOnlyWhenAllowed)
{
    const auto all = namedColours(true);
    ASSERT_EQ(all.size(), 14u);
    EXPECT_EQ(all[0].name, "White");
    EXPECT_EQ(all[5].name, "Transparent");
    EXPECT_EQ(all[5].value, 0xFFFFFFFFu);
    EXPECT_EQ(all[6].value, 0x00404040u); // "75% Gray" is the dark one
    EXPECT_EQ(all[13].name, "Violet");
    EXPECT_EQ(all[13].value, 0x008000FFu);
    const auto opaque = namedColours(false);
    ASSERT_EQ(opaque.size(), 13u);
    for (const NamedColour& c : opaque)
        EXPECT_EQ(c.value >> 24, 0u) << c.name;
    EXPECT_EQ(opaque[5].name, "75% Gray");
}
