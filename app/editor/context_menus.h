#pragma once
// The commands of the view's six context pop-ups (frame, several layers, bitmap, rectangle,
// text, ellipse); 0 marks a separator.
#include "app/editor/tools/tool_cursor.h"

#include <span>

namespace lw {

std::span<const int> contextPopupCommands(ContextPopupKind popup);

} // namespace lw
