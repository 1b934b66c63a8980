#pragma once
// The canvas commands of a document: scaling everything to a new canvas size, and growing or
// shrinking the canvas at its edges.
#include "app/editor/editing_context.h"

namespace lw {

// Asks "Это действие изменит размеры всех элементов  данного кадра." first, then the size.
void resizeAnimation(EditingContext& context);
void resizeCanvasEdges(EditingContext& context);

inline constexpr const char* kResizeAnimationWarning =
    "Это действие изменит размеры всех элементов  данного кадра.";

} // namespace lw
