// AnimationCompiler's second phase: the display order of the compiled images.
#include "engine/animation_compiler.h"

#include <algorithm>
#include <vector>

namespace lw {

namespace {

void appendChain(FrameSequence& sequence, const GeneratedFrame* head)
{
    for (; head; head = head->next.get())
        sequence.append(&head->image, kMinSequenceDelay);
}

} // namespace

void AnimationCompiler::appendFrame(FrameSequence& sequence, const CFrame& frame)
{
    appendChain(sequence, frame.enterFrames.get());
    appendChain(sequence, frame.introFrames.get());
    if (frame.animationFrames)
        appendChain(sequence, frame.animationFrames.get());
    else
        sequence.append(&frame.image, frame.delay);
    appendChain(sequence, frame.outroFrames.get());
    appendChain(sequence, frame.leaveFrames.get());
}

std::vector<const CFrame*> AnimationCompiler::framesToEmit(const CAnimation& animation,
                                                           const CFrame* singleFrame,
                                                           const CFrame* startFrame)
{
    if (singleFrame)
        return {singleFrame};
    std::vector<const CFrame*> frames;
    std::size_t start = 0;
    for (const CFrame* f = animation.firstFrame.get(); f; f = f->next.get()) {
        if (f == startFrame)
            start = frames.size();
        frames.push_back(f);
    }
    std::rotate(frames.begin(), frames.begin() + static_cast<std::ptrdiff_t>(start), frames.end());
    std::erase_if(frames, [](const CFrame* f) { return f->masterFrame != 0; });
    return frames;
}

FrameSequence AnimationCompiler::emptySequence(const CAnimation& animation, bool singleFrame)
{
    const LayerRect& canvas = animation.canvasRect;
    return FrameSequence(rectWidth(canvas), rectHeight(canvas), singleFrame ? 0 : animation.loopCount,
                         animation.linkUrl);
}

FrameSequence AnimationCompiler::buildSequence(const CAnimation& animation, const CFrame* singleFrame,
                                               const CFrame* startFrame) const
{
    FrameSequence sequence = emptySequence(animation, singleFrame != nullptr);
    for (const CFrame* frame : framesToEmit(animation, singleFrame, startFrame))
        appendFrame(sequence, *frame);
    return sequence;
}

bool AnimationCompiler::producesAnimation(const CAnimation& animation)
{
    if (animation.FrameCount(FrameKind::Normal) >= 2)
        return true;
    const CFrame* first = animation.firstFrame.get();
    return first && (first->introFrames || first->outroFrames || first->animationFrames);
}

} // namespace lw
