#pragma once
// `lw --print FILE` and `lw --print-to PRINTER FILE`: the document's contact sheet printed without
// a window, then the program ends. A PRINTER name ending in ".pdf" (any case) that names no
// installed printer is written as a PDF file of that name.
#include "app/editor/editor_command_line.h"

namespace lw {

// The exit status: 0 printed, 1 when the document could not be read or the printer not used
// (with the reason on standard error).
int printFromCommandLine(const EditorCommandLine& line);

} // namespace lw
