#pragma once
// The "Blow Options" dialog behind LWXAdvanced.
#include <cstdint>

namespace lw::blow {

// Shows the modal dialog owned by parent (a QWidget*, may be null) with "Leave Original" checked
// from bit 0 of *param; on OK stores 1 or 0 in *param, on Cancel leaves it. Does nothing when
// the library is built without widgets or no widget application runs. Returns 1 on OK, else 0.
int32_t showOptions(int32_t* param, void* parent);

} // namespace lw::blow
