#include "engine/sequence_stream.h"

#include <unordered_map>

namespace lw {

SequenceStream::SequenceStream(const AnimationCompiler& compiler, CAnimation& animation,
                               const CFrame* singleFrame, const CFrame* startFrame)
    : compiler_(compiler), canvas_(animation.canvasRect),
      images_(compiler.generatedImageBudget(), animation.canvasRect),
      sequence_(AnimationCompiler::emptySequence(animation, singleFrame != nullptr))
{
    std::unordered_map<const CFrame*, std::size_t> positions;
    for (CFrame* f = animation.firstFrame.get(); f; f = f->next.get()) {
        f->ClearGenerated();
        positions.emplace(f, frames_.size());
        frames_.push_back(f);
    }
    stepsDone_.assign(frames_.size(), false);
    shown_ = AnimationCompiler::framesToEmit(animation, singleFrame, startFrame);
    for (const CFrame* f : shown_) {
        const auto at = positions.find(f);
        order_.push_back(at == positions.end() ? kNone : at->second);
    }
    if (!canvasHasPixels(animation.canvasRect))
        return;
    // Refuse up front what compile would refuse partway, before anything is shown.
    std::vector<bool> counted(frames_.size(), false);
    std::int64_t images = 0;
    for (const std::size_t k : order_) {
        if (k == kNone)
            continue;
        for (const std::size_t n : stepsNeededBy(k))
            if (!counted[n]) {
                counted[n] = true;
                images += AnimationCompiler::stepImageCount(*frames_[n]);
            }
        images += AnimationCompiler::transitionImageCount(*frames_[k]);
    }
    images_.ensureRoom(images);
}

std::vector<std::size_t> SequenceStream::stepsNeededBy(std::size_t k) const
{
    std::vector<std::size_t> needed{k};
    if (frames_[k]->introEffect.effectId != 0)
        needed.push_back(previousOf(k));
    if (frames_[k]->outroEffect.effectId != 0)
        needed.push_back(followingOf(k));
    return needed;
}

void SequenceStream::ensureSteps(std::size_t k)
{
    if (stepsDone_[k])
        return;
    stepsDone_[k] = true;
    compiler_.compileSteps(canvas_, *frames_[k], images_);
}

bool SequenceStream::extend()
{
    if (complete())
        return false;
    const std::size_t k = order_[next_];
    const CFrame& shown = *shown_[next_];
    if (k != kNone) {
        for (const std::size_t n : stepsNeededBy(k))
            ensureSteps(n);
        CFrame& frame = *frames_[k];
        compiler_.compileTransitions(canvas_, frame, *frames_[previousOf(k)], *frames_[followingOf(k)],
                                     images_);
    }
    ++next_;
    AnimationCompiler::appendFrame(sequence_, shown);
    return true;
}

} // namespace lw
