#pragma once
// The way back from a Qt font to the 60-byte logical-font record, for fonts chosen in the
// desktop's font dialog. A QFont cannot hold everything the record does (character set, average
// width, precision, quality, pitch), so a choice is always read against the record the dialog
// started from: what the user did not change keeps the start's values exactly.
#include "platform/log_font.h"

#include <QFont>

namespace lw {

// The record's font as the font dialog shows it: face, weight, italic, underline, strike-out and
// the size in points (pixels at 96 dots per inch, the resolution documents are drawn for).
QFont dialogFontOf(const LogFont& record);

// The record for `chosen` (sized in pixels or points), read against `start`. A changed size
// becomes a character height (negative, in pixels); a face the start already resolves to keeps
// the start's face name.
LogFont logFontOf(const QFont& chosen, const LogFont& start);

// Qt names a family that several foundries offer "Family [foundry]"; records keep the family.
QString plainFamily(const QString& family);

} // namespace lw
