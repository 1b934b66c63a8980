#pragma once
// `lw --screenshot FILE`: once the main window has shown and painted, the whole screen (so the
// floating bars are in the picture) is saved as PNG and the program quits.
#include <QString>

class QWidget;

namespace lw {

// Waits until `window` is exposed, lets `settleMs` pass for the first paints (and the splash to
// close), then saves the screen to `path` and quits with status 0, or 1 when it cannot be written.
void scheduleScreenshot(QWidget& window, const QString& path, int settleMs);

} // namespace lw
