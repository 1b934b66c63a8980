#pragma once
// The colour dialog's hue/saturation disk (201 × 201 pixels, hue 0 to the right and 90 at the
// top, saturation growing outwards) and its value strip (20 × 202 pixels, value 100 at the top).
#include "app/editor/colour_math.h"

#include <QImage>
#include <QPoint>

#include <optional>

namespace lw {

inline constexpr int kDiskSize = 201;
inline constexpr int kStripWidth = 20;
inline constexpr int kStripHeight = 202;

struct HueSaturation {
    int hue = 0;
    int saturation = 0;
    friend bool operator==(const HueSaturation&, const HueSaturation&) = default;
};

// The hue and saturation a disk pixel shows; nothing outside the disk (radius 100.5 and more).
std::optional<HueSaturation> diskPixel(int x, int y);
// What pressing or dragging at (x, y) picks: as the drawing, with saturation 100 outside the disk.
HueSaturation diskPick(int x, int y);
// The value a strip position picks: 100 − y / 2 with y held to 0 … 200.
int stripPick(int y);

// Where the current point is marked (the centre of its 6 × 6 square).
QPoint diskMarker(int hue, int saturation);
QPoint stripMarker(int value);

// The two images, rebuilt whenever value or hue/saturation change. Pixels outside the disk keep
// the given face colour.
QImage diskImage(int value, QRgb face);
QImage stripImage(int hue, int saturation);

} // namespace lw
