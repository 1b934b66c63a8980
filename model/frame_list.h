#pragma once
// The frames as the frames bar lists them, and the frame-level questions the editor asks.
#include "model/animation.h"
#include "platform/ui_port.h"

#include <optional>
#include <string>
#include <vector>

namespace lw {

// "Кадр  %d" for a normal frame, numbered 1, 2, … among the normal frames; "Мастер       (%d)"
// for a master frame, numbered among the master frames. The same caption names the frame in the
// status bar, export names and dialogs. Empty for a frame that is not in the animation.
std::string frameCaption(const CAnimation& animation, const CFrame& frame);
// Every frame's caption, in list order.
std::vector<std::string> frameCaptions(const CAnimation& animation);

// Before a frame is removed: a frame holding layers asks "Действительно удалить…" (Yes, No,
// Cancel; No is the default). True when the frame may go: it is empty, or the answer is Yes.
bool confirmFrameDeletion(const CFrame& frame, UiPort& ui);

// The GIF path Save GIF writes to without asking: known after opening a GIF file and after Save
// GIF As; none otherwise.
std::optional<std::string> knownGifPath(const CAnimation& animation);
// Save GIF As chose `path`: it becomes the known GIF path.
void rememberGifPath(CAnimation& animation, const std::string& path);

} // namespace lw
