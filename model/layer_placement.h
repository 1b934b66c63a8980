#pragma once
// Placing the selected layers of a frame: aligning them, centring them on the canvas, stretching
// one over it, and moving them in one of four directions. Each updates the composites it touches.
#include "model/layer_rect.h"

namespace lw {

class CFrame;

enum class HorizontalAlign { None, Left, Centre, Right };
enum class VerticalAlign { None, Top, Middle, Bottom };

struct AlignSettings {
    HorizontalAlign horizontal = HorizontalAlign::None;
    VerticalAlign vertical = VerticalAlign::None;
    bool toFrame = false; // the frame rectangle inset by the margin, else the selection's bounds
    int margin = 0;
};

// Moves every selected layer onto the reference rectangle's edge or centre, per axis.
void AlignSelected(CFrame& frame, const AlignSettings& settings);

// The middle of the selection's bounding box onto the middle of the canvas.
void CentreSelectedOnCanvas(CFrame& frame);

// The first selected layer takes the canvas rectangle; false without a selected layer.
bool StretchFirstSelectedToCanvas(CFrame& frame);

enum class MoveDirection { Up, Right, Down, Left };
// Moves the selection `distance` pixels, stopping at the workspace edges.
void MoveSelectedToward(CFrame& frame, MoveDirection direction, int distance);

} // namespace lw
