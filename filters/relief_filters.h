#pragma once
// Light and relief filters: linear and radial light gradients, the bevelled rectangle and the
// bevel that follows a layer's outline. They brighten or darken colours in place.
#include "imaging/raster.h"

namespace lw {

// The choices of the diagonal gradient's settings list, in list order.
enum class GradientShape { Line = 0, Round = 1 };
// The light choices of the bevelled shape's settings list, in list order.
enum class BevelLight { LightAndShadow = 0, LightOnly = 1, ShadowOnly = 2 };

// +amount at the top row, falling linearly to about -amount at the bottom.
void applyVerticalGradient(CRaster& raster, int amount);
// +amount at the left column, falling linearly to about -amount at the right.
void applyHorizontalGradient(CRaster& raster, int amount);
// Light from the top-left corner, along x + y or along the distance from the corner.
void applyDiagonalGradient(CRaster& raster, int amount, GradientShape shape, bool reverse);
// A lit band of `border` pixels at the top and left, a shaded one at the bottom and right; both
// bands become opaque.
void applyBevelledRectangle(CRaster& raster, int border, int amount);
// Lights edges facing the top-left and shades edges facing the bottom-right within `border`
// pixels of the layer's own outline. A border below 1 changes nothing.
void applyBevelledShape(CRaster& raster, int border, int amount, BevelLight light, bool reverse);

} // namespace lw
