#include "engine/animation_compiler.h"

#include "engine/effect_drawing.h"
#include "engine/speed_name.h"
#include "platform/errors.h"

#include <algorithm>
#include <vector>

namespace lw {

namespace {

LWXRect toLwx(const LayerRect& r)
{
    return LWXRect{r.left, r.top, r.right, r.bottom};
}

bool isSet(const EffectAssignment& a)
{
    return a.effectId != 0;
}

std::int32_t stepsOf(const EffectAssignment& a)
{
    return stepsForSpeed(a.speed);
}

// What goes to the extension: the speed within the range every effect knows.
EffectCall callFor(const EffectAssignment& a)
{
    return EffectCall{a.effectId, std::clamp<std::int32_t>(a.speed, 0, kSlowestSpeed), a.param};
}

// What the generated images of one compile may still take.
class ImageBudget {
public:
    ImageBudget(std::int64_t bytes, const LWXRect& canvas)
        : left_(bytes),
          imageBytes_(std::int64_t{canvas.right - canvas.left} * (canvas.bottom - canvas.top) * 4)
    {
    }
    // Called before each step image is made.
    void take()
    {
        if (imageBytes_ > left_)
            throw MemoryError("The effects of this animation need more memory than is available");
        left_ -= imageBytes_;
    }

private:
    std::int64_t left_;
    std::int64_t imageBytes_;
};

// Appends images to one of a frame's generated lists in order of creation.
class ChainAppender {
public:
    ChainAppender(std::unique_ptr<GeneratedFrame>& head, ImageBudget& budget) : slot_(&head), budget_(budget)
    {
        while (*slot_)
            slot_ = &(*slot_)->next;
    }
    // Makes one image and appends it.
    template <typename Make> void append(Make&& make)
    {
        budget_.take();
        *slot_ = std::make_unique<GeneratedFrame>(make());
        slot_ = &(*slot_)->next;
    }

private:
    std::unique_ptr<GeneratedFrame>* slot_;
    ImageBudget& budget_;
};

const CRaster* lastImage(const GeneratedFrame* head)
{
    const CRaster* last = nullptr;
    for (; head; head = head->next.get())
        last = &head->image;
    return last;
}

const CRaster* firstImage(const GeneratedFrame* head)
{
    return head ? &head->image : nullptr;
}

std::vector<CFrame*> framesOf(const CAnimation& animation)
{
    std::vector<CFrame*> frames;
    for (CFrame* f = animation.firstFrame.get(); f; f = f->next.get())
        frames.push_back(f);
    return frames;
}

// Builds the step images of one frame.
class FrameSteps {
public:
    FrameSteps(const ExtensionHost& host, const LWXRect& canvas, CFrame& frame)
        : host_(host), canvas_(canvas), frame_(frame)
    {
    }

    // The frame's background as its own rendering draws it: the background frame's image, or
    // the background colour with the border.
    CRaster background() const
    {
        CRaster image(width(), height());
        frame_.RenderBackground(image);
        return image;
    }

    void drawPlain(CRaster& image, const CLayerObject& object) const
    {
        object.ownImage.CompositeOnto(image, object.rect.left - canvas_.left, object.rect.top - canvas_.top);
    }

    void drawWith(CRaster& image, CLayerObject& object, const EffectAssignment& a, std::int32_t index,
                  std::int32_t count) const
    {
        drawObjectWithEffect(host_, image, canvas_, object.ownImage, toLwx(object.rect), object.type, &object,
                             callFor(a), index, count);
    }

    // Intro pass for s < 0, outro pass for s > 0.
    CRaster objectStep(std::int32_t s) const
    {
        CRaster image = background();
        for (CLayerObject* object = frame_.head.get(); object; object = object->next.get()) {
            const EffectAssignment& a = s < 0 ? object->introEffect : object->outroEffect;
            if (!isSet(a)) {
                drawPlain(image, *object);
                continue;
            }
            const std::int32_t n = stepsOf(a);
            if (s < 0 && s >= -n)
                drawWith(image, *object, a, s, -n);
            else if (s > 0 && s <= n)
                drawWith(image, *object, a, s, n);
        }
        return image;
    }

    CRaster animationStep(std::int32_t i, std::int32_t m) const
    {
        CRaster image = background();
        for (CLayerObject* object = frame_.head.get(); object; object = object->next.get()) {
            if (isSet(object->animationEffect))
                drawWith(image, *object, object->animationEffect, i, m);
            else
                drawPlain(image, *object);
        }
        if (isSet(frame_.animationEffect)) {
            const CRaster copy = image;
            image.FillRect(rasterColourFromFrameColour(frame_.backgroundColour));
            drawImageWithFrameEffect(host_, image, canvas_, copy, callFor(frame_.animationEffect), i, m);
        }
        return image;
    }

    // A copy of the backdrop with the source drawn over it by a frame effect.
    CRaster transitionStep(const CRaster& backdrop, const CRaster& source, const EffectAssignment& a,
                           std::int32_t s, std::int32_t count) const
    {
        CRaster image;
        if (backdrop.width() == width() && backdrop.height() == height()) {
            image = backdrop;
        } else {
            image.Create(width(), height());
            backdrop.PasteInto(image, 0, 0);
        }
        drawImageWithFrameEffect(host_, image, canvas_, source, callFor(a), s, count);
        return image;
    }

private:
    int width() const { return canvas_.right - canvas_.left; }
    int height() const { return canvas_.bottom - canvas_.top; }

    const ExtensionHost& host_;
    const LWXRect canvas_;
    CFrame& frame_;
};

} // namespace

std::int32_t AnimationCompiler::objectIntroSteps(const CFrame& frame)
{
    std::int32_t steps = 0;
    for (const CLayerObject* o = frame.head.get(); o; o = o->next.get())
        if (isSet(o->introEffect))
            steps = std::max(steps, stepsOf(o->introEffect));
    return steps;
}

std::int32_t AnimationCompiler::objectOutroSteps(const CFrame& frame)
{
    std::int32_t steps = 0;
    for (const CLayerObject* o = frame.head.get(); o; o = o->next.get())
        if (isSet(o->outroEffect))
            steps = std::max(steps, stepsOf(o->outroEffect));
    return steps;
}

std::int32_t AnimationCompiler::animationSteps(const CFrame& frame)
{
    bool animated = isSet(frame.animationEffect);
    for (const CLayerObject* o = frame.head.get(); o && !animated; o = o->next.get())
        animated = isSet(o->animationEffect);
    return animated ? std::clamp<std::int32_t>(frame.delay / 10, 0, kMaxAnimationSteps) : 0;
}

void AnimationCompiler::compile(CAnimation& animation) const
{
    const std::vector<CFrame*> frames = framesOf(animation);
    for (CFrame* frame : frames)
        frame->ClearGenerated();
    const LWXRect canvas = toLwx(animation.canvasRect);
    if (canvas.right <= canvas.left || canvas.bottom <= canvas.top)
        return;
    ImageBudget budget(budget_, canvas);

    for (CFrame* frame : frames) {
        const FrameSteps steps(host_, canvas, *frame);
        if (const std::int32_t n = objectIntroSteps(*frame); n > 0) {
            ChainAppender intro(frame->introFrames, budget);
            for (std::int32_t s = -(n + 1); s <= -1; ++s)
                intro.append([&] { return steps.objectStep(s); });
        }
        if (const std::int32_t m = animationSteps(*frame); m > 0) {
            ChainAppender animated(frame->animationFrames, budget);
            for (std::int32_t i = 0; i < m; ++i)
                animated.append([&] { return steps.animationStep(i, m); });
        }
        if (const std::int32_t n = objectOutroSteps(*frame); n > 0) {
            ChainAppender outro(frame->outroFrames, budget);
            for (std::int32_t s = 1; s <= n + 1; ++s)
                outro.append([&] { return steps.objectStep(s); });
        }
    }

    // Transitions need every frame's object steps: they start from the neighbours' images.
    for (std::size_t k = 0; k < frames.size(); ++k) {
        CFrame& frame = *frames[k];
        const FrameSteps steps(host_, canvas, frame);
        if (isSet(frame.introEffect)) {
            const std::int32_t n = stepsOf(frame.introEffect);
            const CFrame& previous = *(k == 0 ? frames.back() : frames[k - 1]);
            const CRaster* backdrop = lastImage(previous.outroFrames.get());
            const CRaster* source = firstImage(frame.introFrames.get());
            const CRaster& from = backdrop ? *backdrop : previous.image;
            const CRaster& what = source ? *source : frame.image;
            ChainAppender enter(frame.enterFrames, budget);
            for (std::int32_t s = -n; s <= -1; ++s)
                enter.append([&] { return steps.transitionStep(from, what, frame.introEffect, s, -n); });
        }
        if (isSet(frame.outroEffect)) {
            const std::int32_t n = stepsOf(frame.outroEffect);
            const CFrame& following = *(k + 1 == frames.size() ? frames.front() : frames[k + 1]);
            const CRaster* backdrop = firstImage(following.introFrames.get());
            const CRaster* source = lastImage(frame.outroFrames.get());
            const CRaster& to = backdrop ? *backdrop : following.image;
            const CRaster& what = source ? *source : frame.image;
            ChainAppender leave(frame.leaveFrames, budget);
            for (std::int32_t s = 1; s <= n; ++s)
                leave.append([&] { return steps.transitionStep(to, what, frame.outroEffect, s, n); });
        }
    }
}

FrameSequence AnimationCompiler::previewFrame(CAnimation& animation, const CFrame& frame) const
{
    animation.RenderAllFrames();
    compile(animation);
    return buildSequence(animation, &frame);
}

} // namespace lw
