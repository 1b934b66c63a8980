#pragma once
// AnimationCompiler: turns a document into the images that are actually shown.
//
// compile() rebuilds, on every frame, the five lists of generated step images: object intros
// (introFrames), animation effects (animationFrames), object outros (outroFrames) and the
// frame's own transitions from the previous frame (enterFrames) and into the next
// (leaveFrames). Every effect is drawn through the extension host. buildSequence() then walks
// the frames and lists in display order and returns the FrameSequence every output consumes;
// it refers to images owned by the frames, so it is valid only until the next compile, edit or
// close of the document.
#include "model/animation.h"
#include "engine/extension_host.h"
#include "imaging/frame_sequence.h"

#include <cstdint>

namespace lw {

// A frame delay longer than the longest a GIF can hold gives no more animation steps than that.
inline constexpr std::int32_t kMaxAnimationSteps = 65535 / 10;
// Most memory the generated images of one document may take together. Every step image is a
// whole canvas, so a big canvas with slow effects on many frames could otherwise ask for far
// more than the machine has.
inline constexpr std::int64_t kDefaultGeneratedImageBudget = std::int64_t{2} << 30;

class AnimationCompiler {
public:
    explicit AnimationCompiler(const ExtensionHost& host,
                               std::int64_t generatedImageBudget = kDefaultGeneratedImageBudget)
        : host_(host), budget_(generatedImageBudget)
    {
    }

    // Precondition: every frame is rendered (CAnimation::RenderAllFrames). Deletes and rebuilds
    // the generated lists of every frame, master frames included. Throws MemoryError when the
    // images would exceed the budget or memory runs out; the lists built so far stay on their
    // frames until the next compile.
    void compile(CAnimation& animation) const;
    // The effect dialog's preview: renders every frame, compiles, and returns the sequence of
    // the one frame.
    FrameSequence previewFrame(CAnimation& animation, const CFrame& frame) const;

    // singleFrame: only that frame (even a master frame), loop count 0. Else startFrame: every
    // non-master frame from it to the last, then from the first up to it. Else every non-master
    // frame in order. A start frame that is not in the animation starts at the first frame.
    FrameSequence buildSequence(const CAnimation& animation, const CFrame* singleFrame = nullptr,
                                const CFrame* startFrame = nullptr) const;

    // At least two non-master frames, or a first frame with intro, outro or animation images.
    static bool producesAnimation(const CAnimation& animation);

    // The largest 2^speed over the frame's objects with an intro (outro) effect; 0 if none.
    static std::int32_t objectIntroSteps(const CFrame& frame);
    static std::int32_t objectOutroSteps(const CFrame& frame);
    // delay / 10 when the frame or one of its objects has an animation effect, else 0.
    static std::int32_t animationSteps(const CFrame& frame);

private:
    const ExtensionHost& host_;
    std::int64_t budget_;
};

} // namespace lw
