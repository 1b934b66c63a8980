#pragma once
// The relief, blur, shadow, turn and mirror commands (the part of runFilter for them).
#include "adjust/filter_commands.h"

namespace lw {

bool runReliefFilter(FilterCommand command, FilterEnvironment& env);

} // namespace lw
