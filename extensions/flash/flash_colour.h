#pragma once
// The flash colour as the effect's param: the colour reference (red in the low byte, then green,
// then blue) XOR 0xFFFFFF, so that param 0, the default of every assignment, means white.
#include <cstdint>

namespace lw::flash {

// The colour the chooser starts with, as a colour reference.
inline uint32_t colourRefFromParam(int32_t param)
{
    return ~static_cast<uint32_t>(param) & 0xFFFFFF;
}

// The param stored for a colour chosen in the chooser.
inline int32_t paramFromColourRef(uint32_t colourRef)
{
    return static_cast<int32_t>(~colourRef & 0xFFFFFF);
}

// The colour to blend towards as a pixel 0x00RRGGBB (opaque).
inline uint32_t pixelFromParam(int32_t param)
{
    const uint32_t ref = colourRefFromParam(param);
    return (ref & 0xFF) << 16 | (ref & 0xFF00) | (ref >> 16 & 0xFF);
}

} // namespace lw::flash
