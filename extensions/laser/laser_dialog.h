#pragma once
// The colour chooser behind LWXAdvanced.
#include <cstdint>

namespace lw::laser {

// Shows the modal colour chooser owned by parent (a QWidget*, may be null), starting at the colour
// in *param; on OK stores the chosen colour in *param, on Cancel leaves it. Does nothing when the
// library is built without widgets or no widget application runs. Returns 1 on OK, else 0.
int32_t chooseColour(int32_t* param, void* parent);

} // namespace lw::laser
