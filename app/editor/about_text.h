#pragma once
// The about box's text: the product name and its version.
#include "platform/application_names.h"

#include <string>

namespace lw {

inline constexpr const char* kProductVersion = "5.0.7";
// "Loopwright GIF Animator" and "Версия 5.0.7" on two lines, then the maker.
std::string aboutText();

} // namespace lw
