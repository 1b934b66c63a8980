#pragma once
// The layer commands on the current frame's selection: deleting, selecting, ordering, converting,
// merging, placing, sizing, duplicating, cloning into other frames, adding a layer and swapping
// the view's colours. Each is one undo step of the frame.
#include "app/editor/editing_context.h"

namespace lw {

void deleteSelectedLayers(EditingContext& context);
void selectAllLayers(EditingContext& context);
void bringSelectedToFront(EditingContext& context);
void sendSelectedToBack(EditingContext& context);
void convertSelectedToBitmap(EditingContext& context);
void combineSelected(EditingContext& context);
void centreSelectedOnPage(EditingContext& context);
void stretchSelectedToPage(EditingContext& context);
void alignSelected(EditingContext& context);
void moveSelectedTo(EditingContext& context);
void duplicateSelected(EditingContext& context);
void cloneIntoFrames(EditingContext& context);
void addLayer(EditingContext& context);
void editImageSize(EditingContext& context);
void stretchShrinkLayer(EditingContext& context);
void swapColours(EditingContext& context);

inline constexpr const char* kCloneOfClone = "This is a clone and can't be cloned.";
inline constexpr const char* kCloneNeedsFrames =
    "You can clone items between frames, and you have one frame only.";

} // namespace lw
