#pragma once
// SequenceStream: compile and buildSequence done frame by frame, for a player that wants its
// first image at once and the rest while it plays. After every frame has been appended, the
// sequence holds the same entries, in the same order, with the same pixels as compile followed
// by buildSequence. Each frame's step images are made only when that frame, or a neighbour
// whose transition starts from them, is about to be appended.
//
// Like any sequence, it refers to images owned by the frames: the animation must not be edited,
// compiled or destroyed while the stream lives.
#include "engine/animation_compiler.h"

#include <cstddef>
#include <vector>

namespace lw {

class SequenceStream {
public:
    // Empties every frame's generated lists. Precondition as for compile: every frame is
    // rendered. Throws MemoryError when the images the sequence needs exceed the compiler's budget.
    SequenceStream(const AnimationCompiler& compiler, CAnimation& animation,
                   const CFrame* singleFrame = nullptr, const CFrame* startFrame = nullptr);
    SequenceStream(const SequenceStream&) = delete;
    SequenceStream& operator=(const SequenceStream&) = delete;

    // Compiles what the next frame shown needs and appends its images; false when every frame
    // is in already. Throws MemoryError when memory runs out.
    bool extend();
    bool complete() const { return next_ == order_.size(); }
    FrameSequence& sequence() { return sequence_; }

private:
    // Position of the frame in document order, or none for a frame of another animation.
    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);
    std::size_t previousOf(std::size_t k) const { return k == 0 ? frames_.size() - 1 : k - 1; }
    std::size_t followingOf(std::size_t k) const { return k + 1 == frames_.size() ? 0 : k + 1; }
    // The frames whose own steps frame k's images need: itself and the neighbours its
    // transitions start from.
    std::vector<std::size_t> stepsNeededBy(std::size_t k) const;
    void ensureSteps(std::size_t k);

    AnimationCompiler compiler_;
    LayerRect canvas_;
    std::vector<CFrame*> frames_;    // document order, master frames included
    std::vector<std::size_t> order_; // what is shown: positions in frames_ (or kNone), in display order
    std::vector<const CFrame*> shown_;
    std::vector<bool> stepsDone_;
    std::size_t next_ = 0;
    GeneratedImages images_;
    FrameSequence sequence_;
};

} // namespace lw
