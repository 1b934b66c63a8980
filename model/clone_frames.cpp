#include "model/clone_frames.h"

#include "model/animation.h"
#include "model/clone_object.h"

namespace lw {

bool FrameHoldsCloneOf(const CFrame& frame, const CLayerObject* source)
{
    for (const CLayerObject* object = frame.head.get(); object; object = object->next.get())
        if (object->IsClone() && object->CloneSource() == source)
            return true;
    return false;
}

std::vector<CloneTarget> CloneTargets(CAnimation& animation, const CFrame& current,
                                      const CLayerObject* source)
{
    std::vector<CloneTarget> targets;
    for (CFrame* frame = animation.firstFrame.get(); frame; frame = frame->next.get())
        if (frame != &current)
            targets.push_back({frame, FrameHoldsCloneOf(*frame, source)});
    return targets;
}

int ApplyCloneTargets(CAnimation& animation, CLayerObject& source, const std::vector<CloneTarget>& targets)
{
    if (source.IsClone() || !animation.ContainsObject(&source))
        return 0;
    int changed = 0;
    for (const CloneTarget& target : targets) {
        if (!target.frame || animation.IndexOfFrame(target.frame) < 0 || target.frame->Contains(&source))
            continue;
        const bool holds = FrameHoldsCloneOf(*target.frame, &source);
        if (target.holdsClone && !holds) {
            auto clone = std::make_unique<CCloneObject>(&source);
            matchCloneSize(*clone);
            target.frame->AppendObject(std::move(clone));
            target.frame->Render();
            ++changed;
        } else if (!target.holdsClone && holds) {
            while (animation.RemoveFirstCloneOf(*target.frame, &source)) {
            }
            target.frame->Render();
            ++changed;
        }
    }
    return changed;
}

} // namespace lw
