#include "app/editor/bar_placement.h"

#include <gtest/gtest.h>

#include <QRect>

namespace lw {
namespace {

bool overlap(QPoint a, QSize as, QPoint b, QSize bs)
{
    return QRect(a, as).intersects(QRect(b, bs));
}

TEST(FloatingBars, SmallBarsKeepTheirUsualPlaces)
{
    const FloatingBarSizes sizes{{100, 40}, {100, 40}, {130, 200}, {120, 100}, {110, 110}};
    const FloatingBarPlaces at = floatingBarPlaces(1280, sizes);
    EXPECT_EQ(at.brushes, QPoint(980, 65));
    EXPECT_EQ(at.colours, QPoint(1090, 65));
    EXPECT_EQ(at.frameList, QPoint(1140, 130));
    EXPECT_EQ(at.background, QPoint(1010, 130));
    EXPECT_EQ(at.palette, QPoint(1010, 430));
}

TEST(FloatingBars, WideBarsStayOnScreenAndApart)
{
    for (int width : {1280, 1024, 800}) {
        const FloatingBarSizes sizes{{160, 50}, {180, 45}, {190, 260}, {175, 110}, {200, 130}};
        const FloatingBarPlaces at = floatingBarPlaces(width, sizes);
        const std::pair<QPoint, QSize> bars[] = {{at.brushes, sizes.brushes},
                                                 {at.colours, sizes.colours},
                                                 {at.frameList, sizes.frameList},
                                                 {at.background, sizes.background},
                                                 {at.palette, sizes.palette}};
        for (size_t i = 0; i < std::size(bars); ++i) {
            EXPECT_GE(bars[i].first.x(), 0) << width << " bar " << i;
            EXPECT_LE(bars[i].first.x() + bars[i].second.width(), width) << width << " bar " << i;
            for (size_t j = i + 1; j < std::size(bars); ++j)
                EXPECT_FALSE(overlap(bars[i].first, bars[i].second, bars[j].first, bars[j].second))
                    << width << " bars " << i << " and " << j;
        }
    }
}

} // namespace
} // namespace lw
