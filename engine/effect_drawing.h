#pragma once
// Drawing one image with an effect for one step: the host builds the context, asks the
// extension what to do (LWXPrepare) and draws accordingly, letting the extension render
// (LWXDoRender) when it asks to. Used by the animation compiler for objects (object context)
// and whole canvas images (frame context), and by anyone who wants to run one effect step.
//
// The context LWXPrepare leaves is handed on to LWXDoRender as the library left it (with the
// target set); the host itself reads back only `current`. A `current` that is empty, inverted,
// or far larger or farther than the canvas and the object could explain makes the step draw
// nothing instead of allocating or resampling to it.
#include "engine/extension_host.h"
#include "imaging/raster.h"

#include <cstdint>
#include <functional>

namespace lw {

// Side of the square workspace the canvas usually sits in. Effects place their image beyond the
// canvas (objects fly in from outside, zooms grow past it) by about the size of the canvas or of
// the object; the reach allowed on every side is the largest of the three.
inline constexpr std::int32_t kEffectWorkspaceSize = 1200;
// A resampled or rendered image may cover this many times the larger of canvas and object.
inline constexpr std::int64_t kEffectAreaFactor = 4;

// Where an effect step may put a resampled or rendered image: the union of the workspace, the
// canvas and the object (home), widened on each axis by the reach, and an area budget.
struct EffectReach {
    std::int64_t left = 0, top = 0, right = 0, bottom = 0;
    std::int64_t maxPixels = 0;
};
EffectReach effectReach(const LWXRect& canvas, const LWXRect& home);

// Non-empty, not inverted, inside the reach and within its area budget.
bool isDrawableRect(const LWXRect& rect, const EffectReach& reach);

// The effect and its settings for one call.
struct EffectCall {
    std::int32_t effectId = 0;
    std::int32_t speed = 0;
    std::int32_t param = 0;
};

// What is drawn: an image whose top-left lies at home's top-left in workspace coordinates.
// For a frame effect, home is the canvas and objectType and hostObject are 0 and null.
struct EffectSubject {
    const CRaster* image = nullptr;
    LWXRect home{};
    std::int32_t objectType = 0;
    void* hostObject = nullptr;
};

// Where the two calls of a step go; normally the extension host (the overload below).
struct EffectEntryPoints {
    std::function<std::int32_t(std::int32_t id, LWXEffectContext& context, std::int32_t frameIndex)> prepare;
    std::function<std::int32_t(std::int32_t id, LWXEffectContext& context, std::int32_t frameIndex)> doRender;
};

std::int32_t drawWithEffect(const EffectEntryPoints& calls, CRaster& output, const LWXRect& canvas,
                            const EffectSubject& subject, const EffectCall& call, std::int32_t stepIndex,
                            std::int32_t stepCount);

// Draws the subject onto output (a canvas-sized image) with the effect at the step; output
// position = workspace position − canvas origin. Returns the code LWXPrepare gave (0 when the
// effect is missing), for callers that want to know; codes not listed draw nothing.
std::int32_t drawWithEffect(const ExtensionHost& host, CRaster& output, const LWXRect& canvas,
                            const EffectSubject& subject, const EffectCall& call, std::int32_t stepIndex,
                            std::int32_t stepCount);

// Object context: home = the object's rectangle.
inline std::int32_t drawObjectWithEffect(const ExtensionHost& host, CRaster& output, const LWXRect& canvas,
                                         const CRaster& image, const LWXRect& rect, std::int32_t objectType,
                                         void* hostObject, const EffectCall& call, std::int32_t stepIndex,
                                         std::int32_t stepCount)
{
    return drawWithEffect(host, output, canvas, EffectSubject{&image, rect, objectType, hostObject}, call,
                          stepIndex, stepCount);
}

// Frame context: the source is a whole canvas-sized image, home = current = canvas.
inline std::int32_t drawImageWithFrameEffect(const ExtensionHost& host, CRaster& output,
                                             const LWXRect& canvas, const CRaster& source,
                                             const EffectCall& call, std::int32_t stepIndex,
                                             std::int32_t stepCount)
{
    return drawWithEffect(host, output, canvas, EffectSubject{&source, canvas, 0, nullptr}, call, stepIndex,
                          stepCount);
}

} // namespace lw
