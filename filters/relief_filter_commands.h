#pragma once
// The relief, blur, shadow, turn and mirror commands (the part of runFilter for them).
#include "filters/filter_commands.h"

namespace lw {

bool runReliefFilter(FilterCommand command, FilterEnvironment& env);

} // namespace lw
