// Turning an image with the 3 x 3 distance-weighted filter.
#pragma once

#include <cstdint>

namespace lw::rotate {

// A bottom-up 32-bit pixel block addressed by column and top-based row.
struct Image {
    const uint32_t* pixels;
    int64_t width;
    int64_t height;
};

// The target's own size decides its layout; only its top-left usedWidth x usedHeight is written.
struct TargetImage {
    uint32_t* pixels;
    int64_t width;
    int64_t height;
    int64_t usedWidth;
    int64_t usedHeight;
};

// Pixels outside the source count as transparent black, as do uncovered output pixels.
constexpr uint32_t kFill = 0xFF000000u;

// Fills target with source turned by theta (clockwise on screen for positive theta) about the
// centre of a box boxWidth x boxHeight. Reads only inside source, writes only inside target.
void turnInto(const Image& source, double theta, int64_t boxWidth, int64_t boxHeight,
              const TargetImage& target);

} // namespace lw::rotate
