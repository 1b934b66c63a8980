#pragma once
// The status bar texts of the editing view: pane 0 (zoom and frame), pane 1 (the selection) and
// the feedback texts of pane 2.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace lw {

class CAnimation;
class CFrame;

// An effect's name by id; none for id 0.
using EffectNamer = std::function<std::optional<std::string>(std::int32_t)>;

// "%d%% %s": zoom × 100 and the current frame's caption.
std::string zoomPaneText(int zoom, const std::string& frameCaption);

// One selected layer: "<kind> W x H (L:l  T:t  R:r  B:b)" with edges relative to the canvas's
// top-left, then ", Intro: <name>" and ", Outro: <name>" when it has those effects; several:
// "N objects selected."; none: empty. The animation gives clone source references.
std::string selectionText(const CFrame& frame, const CAnimation& animation, const EffectNamer& effectName);

// Pane 2 while dragging and over pixels.
std::string sizeFeedback(int width, int height);        // "%d x %d"
std::string moveFeedback(int dx, int dy);               // "dX:%+d dY:%+d"
std::string pickerFeedback(std::uint32_t rasterColour); // "R:%d G:%d B:%d A:%d"

} // namespace lw
