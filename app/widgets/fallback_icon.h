#pragma once
// An icon for a command whose drawn icon is missing: its label's initials on a plain tile, so
// that a bar stays usable and compact.
#include <QIcon>
#include <QString>

namespace lw {

QIcon fallbackIcon(const QString& label, int side = 22);

// The program's icon: the drawn one from the resources or the icon theme, else a plain film frame.
QIcon programIcon();

} // namespace lw
