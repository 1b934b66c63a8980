#include "app/editor/bar_placement.h"

#include <algorithm>

namespace lw {

namespace {

constexpr int kGap = 4;

// The leftmost of the usual x and the x that keeps `width` clear of `rightLimit`.
int placeLeftOf(int usualX, int width, int rightLimit)
{
    return std::max(0, std::min(usualX, rightLimit - kGap - width));
}

} // namespace

FloatingBarPlaces floatingBarPlaces(int screenWidth, const FloatingBarSizes& sizes)
{
    FloatingBarPlaces at;
    const int colours = placeLeftOf(screenWidth - 190, sizes.colours.width(), screenWidth);
    at.colours = {colours, 65};
    at.brushes = {placeLeftOf(screenWidth - 300, sizes.brushes.width(), colours), 65};
    // The second row starts below whichever bar of the first row reaches lower.
    const int row2 = std::max(130, 65 + std::max(sizes.brushes.height(), sizes.colours.height()) + kGap);
    const int frameList = placeLeftOf(screenWidth - 140, sizes.frameList.width(), screenWidth);
    at.frameList = {frameList, row2};
    const int background = placeLeftOf(screenWidth - 270, sizes.background.width(), frameList);
    at.background = {background, row2};
    // The palette keeps the background bar's column, below both bars of the second row.
    const int secondRowHeight = std::max(sizes.frameList.height(), sizes.background.height());
    at.palette = {background, std::max(row2 + 300, row2 + secondRowHeight + kGap)};
    return at;
}

} // namespace lw
