#pragma once
// The choices of the style dialogs, in dialog order: the list index is the stored value (the gap
// width list starts at 1).
#include <string>
#include <vector>

namespace lw {

std::vector<std::string> rectangleStyleNames();    // styles 0 … 3
std::vector<std::string> lineWidthNames();         // "None", then "%d pix" for 1 … 32
std::vector<std::string> gapWidthNames();          // "%d pix" for 1 … 32
std::vector<std::string> ellipseStyleNames();      // styles 0 … 5
std::vector<std::string> gradientDirectionNames(); // vertical, horizontal, diagonal

} // namespace lw
