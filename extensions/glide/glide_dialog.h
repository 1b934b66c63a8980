// The "Delta X:" / "Delta Y:" dialog of glide's settings.
#pragma once

#include <cstdint>

namespace lw::glide {

// Shows the modal dialog owned by parent (a QWidget*, may be null), starting from param; on OK
// stores the new setting in param. Returns true on OK. Does nothing without Qt Widgets.
bool editDelta(int32_t& param, void* parent);

// Whether the dialog can be shown at all: a modal dialog needs a widgets application, and a
// headless host (Qt GUI only, or none) would abort on the first widget.
bool canShowDialog();

} // namespace lw::glide
