#pragma once
// The desktop's font dialog "Выбор шрифта" started from a logical-font record; the answer is the
// record with the chosen face, size and style.
#include "platform/log_font.h"

#include <optional>

class QWidget;

namespace lw {

std::optional<LogFont> askFont(QWidget* parent, const LogFont& start);

} // namespace lw
