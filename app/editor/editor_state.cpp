#include "app/editor/editor_state.h"

#include "filters/filter_commands.h"
#include "model/document.h"

#include <algorithm>

namespace lw {

void describeDocument(EditorState& state, const CLWDoc& doc, const CFrame& current)
{
    const CAnimation& animation = doc.animation;
    state.hasDocument = true;
    state.frameCount = animation.TotalFrames();
    state.normalFrameCount = animation.FrameCount(lw::FrameKind::Normal);
    state.currentIsFirst = animation.firstFrame.get() == &current;
    state.currentHasNext = current.next != nullptr;
    state.currentIsMaster = current.masterFrame != 0;
    state.layerCount = current.ObjectCount();
    state.selectedCount = current.CountSelected();
    const CLayerObject* first = current.NthSelected(0);
    state.firstSelectedType = first ? first->type : 0;
    state.onlySelectedType = state.selectedCount == 1 ? state.firstSelectedType : 0;
    state.producesAnimation = animation.IsAnimated();
    state.canUndo = current.CanUndo();
    state.canSetFrameBorder = canSetFrameBorder(current);
    state.gifPathEmpty = animation.sourcePath.empty();
}

} // namespace lw
