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

// Appends images to one of a frame's generated lists in order of creation.
class ChainAppender {
public:
    ChainAppender(std::unique_ptr<GeneratedFrame>& head, GeneratedImages& images)
        : slot_(&head), images_(images)
    {
        while (*slot_)
            slot_ = &(*slot_)->next;
    }
    // Makes one image and appends it.
    template <typename Make> void append(Make&& make)
    {
        images_.take();
        *slot_ = std::make_unique<GeneratedFrame>(make());
        slot_ = &(*slot_)->next;
    }

private:
    std::unique_ptr<GeneratedFrame>* slot_;
    GeneratedImages& images_;
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

// Builds the object and animation step images of one frame. Every step starts from the same
// background, drawn once and copied for each image.
class FrameSteps {
public:
    FrameSteps(const ExtensionHost& host, const LWXRect& canvas, CFrame& frame, GeneratedImages& images)
        : host_(host), canvas_(canvas), frame_(frame), images_(images),
          background_(canvas.right - canvas.left, canvas.bottom - canvas.top)
    {
        // The frame's background as its own rendering draws it: the background frame's image,
        // or the background colour with the border.
        frame_.RenderBackground(background_);
    }

    // Intro pass for s < 0, outro pass for s > 0.
    CRaster objectStep(std::int32_t s) const
    {
        CRaster image = images_.copyOf(background_);
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
        CRaster image = images_.copyOf(background_);
        for (CLayerObject* object = frame_.head.get(); object; object = object->next.get()) {
            if (isSet(object->animationEffect))
                drawWith(image, *object, object->animationEffect, i, m);
            else
                drawPlain(image, *object);
        }
        if (isSet(frame_.animationEffect)) {
            // The frame's effect draws the finished step over the plain background colour.
            const CRaster drawn = std::move(image);
            image = images_.filled(rasterColourFromFrameColour(frame_.backgroundColour));
            drawImageWithFrameEffect(host_, image, canvas_, drawn, callFor(frame_.animationEffect), i, m);
        }
        return image;
    }

private:
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

    const ExtensionHost& host_;
    const LWXRect canvas_;
    CFrame& frame_;
    GeneratedImages& images_;
    CRaster background_;
};

// A copy of the backdrop with the source drawn over it by a frame effect.
CRaster transitionStep(const ExtensionHost& host, const LWXRect& canvas, GeneratedImages& images,
                       const CRaster& backdrop, const CRaster& source, const EffectAssignment& a,
                       std::int32_t s, std::int32_t count)
{
    const int width = canvas.right - canvas.left, height = canvas.bottom - canvas.top;
    CRaster image;
    if (backdrop.width() == width && backdrop.height() == height) {
        image = images.copyOf(backdrop);
    } else {
        image.Create(width, height);
        backdrop.PasteInto(image, 0, 0);
    }
    drawImageWithFrameEffect(host, image, canvas, source, callFor(a), s, count);
    return image;
}

} // namespace

GeneratedImages::GeneratedImages(std::int64_t budgetBytes, const LayerRect& canvas)
    : left_(budgetBytes), imageBytes_(std::int64_t{rectWidth(canvas)} * rectHeight(canvas) * 4),
      width_(rectWidth(canvas)), height_(rectHeight(canvas))
{
}

void GeneratedImages::recycle(CFrame& frame)
{
    for (std::unique_ptr<GeneratedFrame>* list :
         {&frame.introFrames, &frame.outroFrames, &frame.animationFrames, &frame.enterFrames,
          &frame.leaveFrames}) {
        for (GeneratedFrame* node = list->get(); node; node = node->next.get())
            if (node->image.hasBlock() && node->image.width() == width_ && node->image.height() == height_)
                spare_.push_back(std::move(node->image));
        freeGeneratedChain(*list);
    }
}

CRaster GeneratedImages::copyOf(const CRaster& source)
{
    if (spare_.empty())
        return source;
    CRaster image = std::move(spare_.back());
    spare_.pop_back();
    image.CopyPixels(source);
    return image;
}

CRaster GeneratedImages::filled(std::uint32_t colour)
{
    CRaster image;
    if (spare_.empty()) {
        image.Create(width_, height_);
    } else {
        image = std::move(spare_.back());
        spare_.pop_back();
    }
    image.FillRect(colour);
    return image;
}

void GeneratedImages::ensureRoom(std::int64_t images) const
{
    if (images > 0 && imageBytes_ > 0 && images > left_ / imageBytes_)
        throw MemoryError("The effects of this animation need more memory than is available");
}

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

std::int64_t AnimationCompiler::stepImageCount(const CFrame& frame)
{
    const std::int32_t intro = objectIntroSteps(frame), outro = objectOutroSteps(frame);
    return (intro > 0 ? intro + 1 : 0) + animationSteps(frame) + (outro > 0 ? outro + 1 : 0);
}

std::int64_t AnimationCompiler::transitionImageCount(const CFrame& frame)
{
    return (isSet(frame.introEffect) ? stepsOf(frame.introEffect) : 0) +
           (isSet(frame.outroEffect) ? stepsOf(frame.outroEffect) : 0);
}

void AnimationCompiler::compileSteps(const LayerRect& canvasRect, CFrame& frame,
                                     GeneratedImages& images) const
{
    const std::int32_t introSteps = objectIntroSteps(frame), m = animationSteps(frame),
                       outroSteps = objectOutroSteps(frame);
    if (!canvasHasPixels(canvasRect) || (introSteps == 0 && m == 0 && outroSteps == 0))
        return;
    const FrameSteps steps(host_, toLwx(canvasRect), frame, images);
    if (const std::int32_t n = introSteps; n > 0) {
        ChainAppender intro(frame.introFrames, images);
        for (std::int32_t s = -(n + 1); s <= -1; ++s)
            intro.append([&] { return steps.objectStep(s); });
    }
    if (m > 0) {
        ChainAppender animated(frame.animationFrames, images);
        for (std::int32_t i = 0; i < m; ++i)
            animated.append([&] { return steps.animationStep(i, m); });
    }
    if (const std::int32_t n = outroSteps; n > 0) {
        ChainAppender outro(frame.outroFrames, images);
        for (std::int32_t s = 1; s <= n + 1; ++s)
            outro.append([&] { return steps.objectStep(s); });
    }
}

void AnimationCompiler::compileTransitions(const LayerRect& canvasRect, CFrame& frame, const CFrame& previous,
                                           const CFrame& following, GeneratedImages& images) const
{
    if (!canvasHasPixels(canvasRect))
        return;
    const LWXRect canvas = toLwx(canvasRect);
    // Steps first … last of the effect drawn over the backdrop; frameCount as the extension sees it.
    const auto appendSteps = [&](std::unique_ptr<GeneratedFrame>& list, const CRaster& backdrop,
                                 const CRaster& what, const EffectAssignment& effect, std::int32_t first,
                                 std::int32_t last, std::int32_t frameCount) {
        ChainAppender appender(list, images);
        for (std::int32_t s = first; s <= last; ++s)
            appender.append(
                [&] { return transitionStep(host_, canvas, images, backdrop, what, effect, s, frameCount); });
    };
    if (isSet(frame.introEffect)) {
        const std::int32_t n = stepsOf(frame.introEffect);
        const CRaster* backdrop = lastImage(previous.outroFrames.get());
        const CRaster* source = firstImage(frame.introFrames.get());
        appendSteps(frame.enterFrames, backdrop ? *backdrop : previous.image, source ? *source : frame.image,
                    frame.introEffect, -n, -1, -n);
    }
    if (isSet(frame.outroEffect)) {
        const std::int32_t n = stepsOf(frame.outroEffect);
        const CRaster* backdrop = firstImage(following.introFrames.get());
        const CRaster* source = lastImage(frame.outroFrames.get());
        appendSteps(frame.leaveFrames, backdrop ? *backdrop : following.image, source ? *source : frame.image,
                    frame.outroEffect, 1, n, n);
    }
}

void AnimationCompiler::compile(CAnimation& animation) const
{
    const std::vector<CFrame*> frames = framesOf(animation);
    const LayerRect& canvas = animation.canvasRect;
    GeneratedImages images(budget_, canvas);
    for (CFrame* frame : frames)
        images.recycle(*frame);
    if (!canvasHasPixels(canvas))
        return;
    for (CFrame* frame : frames)
        compileSteps(canvas, *frame, images);
    // Transitions need every frame's object steps: they start from the neighbours' images.
    for (std::size_t k = 0; k < frames.size(); ++k) {
        const CFrame& previous = *(k == 0 ? frames.back() : frames[k - 1]);
        const CFrame& following = *(k + 1 == frames.size() ? frames.front() : frames[k + 1]);
        compileTransitions(canvas, *frames[k], previous, following, images);
    }
}

FrameSequence AnimationCompiler::previewFrame(CAnimation& animation, const CFrame& frame) const
{
    animation.RenderAllFrames();
    compile(animation);
    return buildSequence(animation, &frame);
}

} // namespace lw
