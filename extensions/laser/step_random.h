#pragma once
// A small pseudo-random generator for the flicker of the beam's head. The library keeps no state
// between calls, so every step starts from a seed made of the step's own data: the same step
// always draws the same head.
#include "engine/lwx.h"

#include <cstdint>

namespace lw::laser {

class StepRandom {
public:
    StepRandom(int32_t id, const LWXEffectContext& ctx, int32_t frameIndex)
    {
        const uint32_t parts[] = {static_cast<uint32_t>(id),
                                  static_cast<uint32_t>(frameIndex),
                                  static_cast<uint32_t>(ctx.frameCount),
                                  static_cast<uint32_t>(ctx.home.left),
                                  static_cast<uint32_t>(ctx.home.top),
                                  static_cast<uint32_t>(ctx.home.right),
                                  static_cast<uint32_t>(ctx.home.bottom)};
        uint32_t h = 2166136261u; // FNV-1a over the parts
        for (uint32_t part : parts)
            for (int shift = 0; shift < 32; shift += 8)
                h = (h ^ (part >> shift & 0xFF)) * 16777619u;
        state_ = h;
    }

    // 0..32767, like the C library's rand().
    int32_t next()
    {
        state_ = state_ * 1103515245u + 12345u;
        return static_cast<int32_t>(state_ >> 16 & 0x7FFF);
    }

private:
    uint32_t state_ = 1;
};

} // namespace lw::laser
