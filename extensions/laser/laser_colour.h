#pragma once
// The beam colour as the effect's param: the colour reference (red in the low byte, then green,
// then blue) XOR 0xFFFFFF. Param 0, the default of every assignment, stands for red, so white
// chosen in the chooser (which also stores 0) draws red.
#include <cstdint>

namespace lw::laser {

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

// The beam colour as a pixel 0x00RRGGBB (opaque).
inline uint32_t pixelFromParam(int32_t param)
{
    if (param == 0)
        return 0x00FF0000;
    const uint32_t ref = colourRefFromParam(param);
    return (ref & 0xFF) << 16 | (ref & 0xFF00) | (ref >> 16 & 0xFF);
}

} // namespace lw::laser
