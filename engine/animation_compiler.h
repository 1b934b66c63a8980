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
#include "engine/extension_host.h"
#include "imaging/frame_sequence.h"
#include "model/animation.h"

#include <cstdint>
#include <vector>

namespace lw {

// A frame delay longer than the longest a GIF can hold gives no more animation steps than that.
inline constexpr std::int32_t kMaxAnimationSteps = 65535 / 10;
// Most memory the generated images of one document may take together. Every step image is a
// whole canvas, so a big canvas with slow effects on many frames could otherwise ask for far
// more than the machine has.
inline constexpr std::int64_t kDefaultGeneratedImageBudget = std::int64_t{2} << 30;

// Where the step images of one compile come from: every one is a whole canvas, all of them
// together stay within a memory budget, and the images of the previous compile are written
// again instead of being freed. Memory the process already holds is much cheaper to fill than
// fresh memory, which the system hands out a page at a time on first touch.
class GeneratedImages {
public:
    GeneratedImages(std::int64_t budgetBytes, const LayerRect& canvas);
    // Throws MemoryError unless that many more images fit.
    void ensureRoom(std::int64_t images) const;
    // Called before each step image is made; throws MemoryError when it does not fit.
    void take()
    {
        ensureRoom(1);
        left_ -= imageBytes_;
    }
    // Empties the frame's five lists, keeping their canvas-sized images for reuse.
    void recycle(CFrame& frame);
    // A canvas-sized image with the pixels of source, which must be canvas-sized too.
    CRaster copyOf(const CRaster& source);
    // A canvas-sized image of one colour.
    CRaster filled(std::uint32_t colour);

private:
    std::int64_t left_;
    std::int64_t imageBytes_;
    int width_, height_;
    std::vector<CRaster> spare_;
};

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
    // The two halves of compile for one frame, for whoever compiles frame by frame. The frame's
    // own step images (object intros, animation steps, object outros) come first; its
    // transitions start from its neighbours' step images, so those must be compiled before.
    // Both append to lists that ClearGenerated has emptied.
    void compileSteps(const LayerRect& canvas, CFrame& frame, GeneratedImages& images) const;
    void compileTransitions(const LayerRect& canvas, CFrame& frame, const CFrame& previous,
                            const CFrame& following, GeneratedImages& images) const;
    // How many images each half makes for the frame.
    static std::int64_t stepImageCount(const CFrame& frame);
    static std::int64_t transitionImageCount(const CFrame& frame);

    // The effect dialog's preview: renders every frame, compiles, and returns the sequence of
    // the one frame.
    FrameSequence previewFrame(CAnimation& animation, const CFrame& frame) const;

    // singleFrame: only that frame (even a master frame), loop count 0. Else startFrame: every
    // non-master frame from it to the last, then from the first up to it. Else every non-master
    // frame in order. A start frame that is not in the animation starts at the first frame.
    FrameSequence buildSequence(const CAnimation& animation, const CFrame* singleFrame = nullptr,
                                const CFrame* startFrame = nullptr) const;

    // The frames a sequence shows, in display order (see buildSequence).
    static std::vector<const CFrame*> framesToEmit(const CAnimation& animation, const CFrame* singleFrame,
                                                   const CFrame* startFrame);
    // A sequence with the animation's size, loop count (0 for a single frame) and link, no entries.
    static FrameSequence emptySequence(const CAnimation& animation, bool singleFrame);
    // Appends the frame's images in display order: transition in, object intros, the animation
    // steps or the frame image, object outros, transition out.
    static void appendFrame(FrameSequence& sequence, const CFrame& frame);

    // At least two non-master frames, or a first frame with intro, outro or animation images.
    static bool producesAnimation(const CAnimation& animation);

    // The largest 2^speed over the frame's objects with an intro (outro) effect; 0 if none.
    static std::int32_t objectIntroSteps(const CFrame& frame);
    static std::int32_t objectOutroSteps(const CFrame& frame);
    // delay / 10 when the frame or one of its objects has an animation effect, else 0.
    static std::int32_t animationSteps(const CFrame& frame);

    std::int64_t generatedImageBudget() const { return budget_; }

private:
    const ExtensionHost& host_;
    std::int64_t budget_;
};

// Whether the canvas has pixels at all; an empty canvas compiles to no images.
inline bool canvasHasPixels(const LayerRect& canvas)
{
    return canvas.right > canvas.left && canvas.bottom > canvas.top;
}

} // namespace lw
