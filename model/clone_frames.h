#pragma once
// Clones of one layer spread over other frames: which frames hold one, and making the set of
// frames that hold one match a chosen set.
#include <vector>

namespace lw {

class CAnimation;
class CFrame;
class CLayerObject;

bool FrameHoldsCloneOf(const CFrame& frame, const CLayerObject* source);

// For every frame except the source's own, in frame order: whether it holds a clone of `source`.
struct CloneTarget {
    CFrame* frame = nullptr;
    bool holdsClone = false;
};
std::vector<CloneTarget> CloneTargets(CAnimation& animation, const CFrame& current,
                                      const CLayerObject* source);

// Every target marked holdsClone gets a clone of `source` on top (unless it has one); every
// unmarked one loses its clones of `source`. Returns the number of frames changed.
int ApplyCloneTargets(CAnimation& animation, CLayerObject& source, const std::vector<CloneTarget>& targets);

} // namespace lw
