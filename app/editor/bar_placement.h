#pragma once
// Where the floating bars start: near the right edge of the screen, in two rows and a palette
// below, as the editor has always placed them. Our bars can be wider than those positions
// allow for, so each is pulled left just enough to stay on the screen and clear of its
// right-hand neighbour.
#include <QPoint>
#include <QSize>

namespace lw {

struct FloatingBarSizes {
    QSize brushes, colours, frameList, background, palette;
};
struct FloatingBarPlaces {
    QPoint brushes, colours, frameList, background, palette;
};

FloatingBarPlaces floatingBarPlaces(int screenWidth, const FloatingBarSizes& sizes);

} // namespace lw
