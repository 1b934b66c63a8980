#pragma once
// Pixels of ellipse objects: aliased, antialiased (16 samples a pixel) and radial fills, and
// outlines of three pen widths drawn on a GDI surface.
#include "imaging/raster.h"

#include <cstdint>

namespace lw {

enum EllipseStyleCode : std::int32_t {
    kEllipseAliased = 0,
    kEllipseAntialiased = 1,
    kEllipseRadial = 2,
    kEllipseThinOutline = 3,
    kEllipseMediumOutline = 4,
    kEllipseThickOutline = 5,
};

// Renders the ellipse that fills the image; an image without pixels is left alone. Pixels
// outside the shape are the colour at full transparency.
void renderEllipse(CRaster& image, std::uint32_t colour, std::int32_t style);

} // namespace lw
