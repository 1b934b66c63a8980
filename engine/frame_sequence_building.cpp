// AnimationCompiler's second phase: the display order of the compiled images.
#include "engine/animation_compiler.h"

#include <vector>

namespace lw {

namespace {

void appendChain(FrameSequence& sequence, const GeneratedFrame* head)
{
    for (; head; head = head->next.get())
        sequence.append(&head->image, kMinSequenceDelay);
}

void emitFrame(FrameSequence& sequence, const CFrame& frame)
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

} // namespace

FrameSequence AnimationCompiler::buildSequence(const CAnimation& animation, const CFrame* singleFrame,
                                               const CFrame* startFrame) const
{
    const LayerRect& canvas = animation.canvasRect;
    FrameSequence sequence(rectWidth(canvas), rectHeight(canvas), singleFrame ? 0 : animation.loopCount,
                           animation.linkUrl);
    if (singleFrame) {
        emitFrame(sequence, *singleFrame);
        return sequence;
    }
    std::vector<const CFrame*> frames;
    std::size_t start = 0;
    for (const CFrame* f = animation.firstFrame.get(); f; f = f->next.get()) {
        if (f == startFrame)
            start = frames.size();
        frames.push_back(f);
    }
    for (std::size_t i = 0; i < frames.size(); ++i) {
        const CFrame& frame = *frames[(start + i) % frames.size()];
        if (!frame.masterFrame)
            emitFrame(sequence, frame);
    }
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
