#pragma once
// Transparency filters on a layer's pixels: colour threshold, alpha inversion, applied
// transparency, white background to transparent, and the alpha channel taken out of or put into
// a layer.
#include "imaging/raster.h"

namespace lw {

// A pixel of opacity at most `threshold` becomes fully transparent, every other one opaque.
void applyColourThreshold(CRaster& raster, int threshold);
void invertAlpha(CRaster& raster);
// T = clamp(T + amount).
void applyTransparency(CRaster& raster, int amount);
// Opaque white (exactly 0x00FFFFFF) becomes 0xFFFFFFFF; returns whether any pixel changed.
bool makeWhiteTransparent(CRaster& raster);
// A picture of the same size showing the transparency as grey: black where opaque, white where
// fully transparent; every pixel opaque.
CRaster alphaChannelImage(const CRaster& raster);
// Where `picture` overlaps the layer from the top-left, the layer pixel keeps its colour and gets
// T = (R + G + B) / 3 of the picture pixel.
void insertAlphaChannel(CRaster& raster, const CRaster& picture);
// Where `picture` overlaps the layer from the top-left, the layer pixel keeps its T and takes the
// picture pixel's colour.
void takeColours(CRaster& raster, const CRaster& picture);

} // namespace lw
