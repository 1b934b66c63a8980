#include "engine/lwx.h"
#include "imaging/raster.h"

#include <gtest/gtest.h>
#include <random>

// The extensions' blend and the host's composition agree on every pixel pair that shows.
TEST(LwxHeader, ComposeOverMatchesTheRasterOverRule)
{
    std::mt19937 rng(7);
    for (int i = 0; i < 200000; ++i) {
        std::uint32_t s = rng(), d = rng();
        if (i % 5 == 0)
            s = (s & 0x00FFFFFF) | 0xFF000000u;
        if (i % 7 == 0)
            d = (d & 0x00FFFFFF) | 0xFF000000u;
        if (i % 11 == 0)
            s &= 0x00FFFFFF;
        if ((s >> 24) == 255 && (d >> 24) == 255) {
            // Nothing over nothing: the extensions keep the source's colour, the host the
            // destination's; both are fully transparent.
            ASSERT_EQ(::composeOver(s, d), s);
            continue;
        }
        ASSERT_EQ(::composeOver(s, d), lw::composeOver(s, d)) << std::hex << s << " over " << d;
    }
}

TEST(LwxHeader, CompilesAsC)
{
    // The header is also compiled as C by the test extensions; here we check the constants.
    EXPECT_EQ(LWX_RENDER, 10);
    EXPECT_EQ(LWX_KIND_ANIMATION, 3);
}
