#pragma once
// The editing view's cursors, drawn for this program: one per tool and state.
#include "app/editor/tools/tool_cursor.h"

#include <QCursor>

namespace lw {

QCursor cursorFor(ToolCursor shape);

} // namespace lw
