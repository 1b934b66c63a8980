#pragma once
// The blow effects' param: bit 0 "Leave Original" keeps the unchanged object in place while its
// blown-up copy fades behind it.
#include <cstdint>

namespace lw::blow {

inline bool leavesOriginal(int32_t param)
{
    return (param & 1) != 0;
}

// The dialog stores exactly 1 or 0.
inline int32_t paramFor(bool leaveOriginal)
{
    return leaveOriginal ? 1 : 0;
}

} // namespace lw::blow
