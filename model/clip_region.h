#pragma once
// Clip-region exclusion on a painter, as the screen painting of frames uses it: everything
// already drawn (or drawn later on top) is cut out so that nothing paints twice.
class QPainter;
class QRect;

namespace lw {

// Removes the rectangle (logical coordinates) from the painter's clip; a painter without a clip
// starts from its whole device.
void excludeClip(QPainter& dc, const QRect& rect);

} // namespace lw
