// The "Marquee" direction dialog.
#pragma once

#include <cstdint>

namespace lw::marquee {

// Shows the modal dialog owned by parent (a QWidget*, may be null), starting from param; on OK
// stores the chosen direction in param. Returns true on OK. Does nothing without Qt Widgets.
bool editDirection(int32_t& param, void* parent);

// Whether the dialog can be shown at all: a modal dialog needs a widgets application, and a
// headless host (Qt GUI only, or none) would abort on the first widget.
bool canShowDialog();

} // namespace lw::marquee
