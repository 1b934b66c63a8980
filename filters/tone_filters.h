#pragma once
// Tone and colour filters on a layer's pixels: brightness/contrast, saturation, colour inversion,
// greyscale, two-colour and colorize. All keep every pixel's transparency.
#include "imaging/raster.h"

#include <array>
#include <cstdint>

namespace lw {

// Entry i = clamp(i + ((i - 128) * contrast) / 100 + brightness).
std::array<std::uint8_t, 256> brightnessContrastTable(int brightness, int contrast);
void applyBrightnessContrast(CRaster& raster, int brightness, int contrast);
void applySaturation(CRaster& raster, int saturation);
void invertColours(CRaster& raster);
void convertToGreyscale(CRaster& raster);
// Light pixels take `light` (the view's background colour), dark ones `dark` (its foreground).
void convertToTwoColour(CRaster& raster, std::uint32_t light, std::uint32_t dark);
// Keeps each pixel's luminosity in the hue of `colour`; the colour's transparency mixes the
// previous colours back in.
void colorize(CRaster& raster, std::uint32_t colour);

} // namespace lw
