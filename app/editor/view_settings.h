#pragma once
// What one editing view remembers while it lives: the tool, the two colours, the zoom and the
// settings the tools start new layers with. Kept per view, never in the settings store.
#include "app/editor/command_ids.h"
#include "app/editor/gradient_fill.h"

#include <cstdint>
#include <string>

namespace lw {

struct RectangleStyle {
    int style = 1; // frame band
    int lineWidth = 1;
    int gapWidth = 1;
    bool operator==(const RectangleStyle&) const = default;
};

struct ViewSettings {
    int tool = cmd::ToolSelect;
    std::uint32_t foreground = 0x00000000; // 0xTTRRGGBB
    std::uint32_t background = 0x00FFFFFF;
    int zoom = 1;
    std::uint32_t colorizeColour = 0x00FF8000; // the colorize dialog starts at the last choice
    RectangleStyle rectangleStyle;
    int ellipseStyle = 0;
    GradientSettings gradient;
    std::string lastText;
    bool smoothing = true;
    int moveDirection = 0; // 0 up, 1 right, 2 down, 3 left
    int moveDistance = 0;
};

} // namespace lw
