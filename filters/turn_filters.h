#pragma once
// Turning by multiples of 90 degrees and mirroring.
#include "imaging/raster.h"

#include <optional>

namespace lw {

// The codes of the turn and mirror commands.
enum class TurnCode {
    Clockwise90 = 90,
    Half = 180,
    CounterClockwise270 = 270,
    MirrorLeftRight = 1000,
    MirrorTopBottom = 1001
};

bool isTurnCode(int code);
// The turned or mirrored copy; H × W for 90 and 270. Nothing for an unknown code.
std::optional<CRaster> turnRaster(const CRaster& raster, int code);

} // namespace lw
