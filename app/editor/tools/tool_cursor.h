#pragma once
// The cursor shapes of the editing view, one per tool and state; the widget maps them to the
// cursors drawn for this program.
namespace lw {

enum class ToolCursor {
    Arrow,
    Move,
    HandleVertical,   // handles 2 and 6
    HandleHorizontal, // handles 4 and 8
    HandleFalling,    // handles 1 and 5
    HandleRising,     // handles 3 and 7
    ZoomIn,
    ZoomOut,
    ZoomLimit,
    Crop,
    Pencil,
    Picker,
    EraserSmall,
    EraserLarge,
    BucketLayer,
    BucketFrame,
    Text,
    Shape,
};

enum class ContextPopupKind {
    None = -1,
    Frame = 0,
    Several = 1,
    Bitmap = 2,
    Rectangle = 3,
    Text = 4,
    Ellipse = 5
};

// The cursor of a handle number (1 top-left … 8 left).
ToolCursor handleCursor(int handle);

} // namespace lw
