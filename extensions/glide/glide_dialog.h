// The "Delta X:" / "Delta Y:" dialog of glide's settings.
#pragma once

#include <cstdint>

namespace lw::glide {

// Shows the modal dialog owned by parent (a QWidget*, may be null), starting from param; on OK
// stores the new setting in param. Returns true on OK. Does nothing without Qt Widgets.
bool editDelta(int32_t& param, void* parent);

} // namespace lw::glide
