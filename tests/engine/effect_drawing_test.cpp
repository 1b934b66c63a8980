#include "engine/effect_drawing.h"
#include "engine_test_support.h"

#include <gtest/gtest.h>

using lw::CRaster;
using lw::EffectCall;
using lwtest::testHost;

namespace {

// A 20 x 10 canvas at workspace (100, 100); an object of 4 x 3 at (105, 102).
constexpr LWXRect kCanvas{100, 100, 120, 110};
constexpr LWXRect kObjectRect{105, 102, 109, 105};
constexpr std::uint32_t kWhite = 0x00FFFFFF;
constexpr std::uint32_t kObjectColour = 0x00123456;

CRaster canvasImage()
{
    CRaster image(20, 10);
    image.FillRect(kWhite);
    return image;
}

CRaster objectImage()
{
    CRaster image(4, 3);
    image.FillRect(kObjectColour);
    return image;
}

// Canvas pixels inside the workspace rectangle have `inside`, all others stay white.
void expectOnly(const CRaster& output, const LWXRect& area, std::uint32_t inside)
{
    for (int y = 0; y < output.height(); ++y)
        for (int x = 0; x < output.width(); ++x) {
            const int wx = x + kCanvas.left, wy = y + kCanvas.top;
            const bool in = wx >= area.left && wx < area.right && wy >= area.top && wy < area.bottom;
            ASSERT_EQ(output.GetPixel(x, y), in ? inside : kWhite) << "at " << x << "," << y;
        }
}

void expectUntouched(const CRaster& output)
{
    expectOnly(output, LWXRect{0, 0, 0, 0}, kWhite);
}

std::int32_t drawProbe(CRaster& output, std::int32_t param, std::int32_t index = -2, std::int32_t count = -4,
                       std::int32_t id = PROBE_INTRO)
{
    const CRaster object = objectImage();
    int hostObject = 0;
    return lw::drawObjectWithEffect(testHost(), output, kCanvas, object, kObjectRect, 4, &hostObject,
                                    EffectCall{id, 3, param}, index, count);
}

} // namespace

TEST(EffectDrawing, RenderFillsAZeroTargetOfCurrentSizeWithTheFullContext)
{
    lwtest::ProbeLog log;
    log.reset();
    CRaster output = canvasImage();
    const CRaster object = objectImage();
    int hostObject = 0;
    const std::int32_t param = PROBE_RESULT(0) | PROBE_CURRENT(PROBE_MOVE);
    EXPECT_EQ(lw::drawObjectWithEffect(testHost(), output, kCanvas, object, kObjectRect, 4, &hostObject,
                                       EffectCall{PROBE_INTRO, 3, param}, -2, -8),
              LWX_RENDER);
    expectOnly(output, LWXRect{108, 104, 112, 107}, PROBE_COLOUR(-2, -8));

    const auto calls = log.calls();
    ASSERT_EQ(calls.size(), 2u);
    const LWXEffectContext& p = calls[0].context;
    EXPECT_EQ(calls[0].entry, 1);
    EXPECT_EQ(calls[0].frameIndex, -2);
    EXPECT_EQ(p.canvas.left, 100);
    EXPECT_EQ(p.canvas.bottom, 110);
    EXPECT_EQ(p.home.left, 105);
    EXPECT_EQ(p.home.bottom, 105);
    EXPECT_EQ(p.current.left, 105);
    EXPECT_EQ(p.current.right, 109);
    EXPECT_EQ(p.objectType, 4);
    EXPECT_EQ(p.frameCount, -8);
    EXPECT_EQ(p.speed, 3);
    EXPECT_EQ(p.param, param);
    EXPECT_EQ(calls[0].firstSourcePixel, kObjectColour);
    EXPECT_EQ(p.target, nullptr);
    EXPECT_EQ(p.host, &hostObject);
    EXPECT_EQ(p.reserved, 0);
    // LWXDoRender gets the same arguments, with current as LWXPrepare left it and a target.
    const LWXEffectContext& r = calls[1].context;
    EXPECT_EQ(calls[1].entry, 2);
    EXPECT_EQ(calls[1].frameIndex, -2);
    EXPECT_EQ(r.current.left, 108);
    EXPECT_EQ(r.current.top, 104);
    EXPECT_EQ(r.home.left, 105);
    EXPECT_NE(r.target, nullptr);
    EXPECT_EQ(r.frameCount, -8);
}

TEST(EffectDrawing, EveryDrawingResult)
{
    {
        CRaster output = canvasImage();
        EXPECT_EQ(drawProbe(output, PROBE_RESULT(1) | PROBE_CURRENT(PROBE_MOVE)), LWX_DRAW_IN_PLACE);
        expectOnly(output, kObjectRect, kObjectColour); // at home, whatever current says
    }
    {
        CRaster output = canvasImage();
        EXPECT_EQ(drawProbe(output, PROBE_RESULT(2) | PROBE_CURRENT(PROBE_MOVE)), LWX_DRAW_MOVED);
        expectOnly(output, LWXRect{108, 104, 112, 107}, kObjectColour);
    }
    {
        // A moved draw needs only current's top-left: a library may move left past right.
        CRaster output = canvasImage();
        EXPECT_EQ(drawProbe(output, PROBE_RESULT(2) | PROBE_CURRENT(PROBE_CORNER)), LWX_DRAW_MOVED);
        expectOnly(output, LWXRect{114, 103, 118, 106}, kObjectColour);
    }
    {
        CRaster output = canvasImage();
        EXPECT_EQ(drawProbe(output, PROBE_RESULT(3) | PROBE_CURRENT(PROBE_DOUBLE)), LWX_DRAW_STRETCHED);
        expectOnly(output, LWXRect{105, 102, 113, 108}, kObjectColour);
    }
    for (const std::int32_t hidden : {0xFF, 4, 7, 9, 11, 200}) {
        CRaster output = canvasImage();
        drawProbe(output, PROBE_RESULT(hidden));
        expectUntouched(output);
    }
}

TEST(EffectDrawing, StretchedImageIsResampledNotTheSource)
{
    CRaster output = canvasImage();
    CRaster object(2, 1);
    object.bits()[0] = 0x00000000;
    object.bits()[1] = 0x00FF0000;
    const CRaster before = object;
    lw::drawObjectWithEffect(testHost(), output, kCanvas, object, LWXRect{100, 100, 102, 101}, 2, nullptr,
                             EffectCall{PROBE_INTRO, 0, PROBE_RESULT(3) | PROBE_CURRENT(PROBE_DOUBLE)}, -1,
                             -1);
    EXPECT_EQ(object.GetPixel(0, 0), before.GetPixel(0, 0));
    EXPECT_EQ(object.width(), 2);
    EXPECT_EQ(output.GetPixel(0, 0), 0x00000000u);
    EXPECT_EQ(output.GetPixel(3, 1), 0x00FF0000u);
    EXPECT_EQ(output.GetPixel(4, 0), kWhite);
}

TEST(EffectDrawing, HostileCurrentDrawsNothingAndAllocatesNothing)
{
    lwtest::ProbeLog log;
    for (const std::int32_t shape : {PROBE_EMPTY, PROBE_INVERTED, PROBE_HUGE, PROBE_EXTREME, PROBE_FAR})
        for (const std::int32_t code : {2, 3, 0 /* render */}) {
            // A moved draw reads only the top-left, which these two leave inside the workspace.
            if (code == 2 && (shape == PROBE_EMPTY || shape == PROBE_INVERTED))
                continue;
            log.reset();
            CRaster output = canvasImage();
            drawProbe(output, PROBE_RESULT(code) | PROBE_CURRENT(shape));
            expectUntouched(output);
            // No render is asked for a rectangle the host refused.
            EXPECT_EQ(log.calls().size(), 1u) << "shape " << shape << " code " << code;
        }
    {
        CRaster moved = canvasImage();
        drawProbe(moved, PROBE_RESULT(2) | PROBE_CURRENT(PROBE_INVERTED));
        expectOnly(moved, LWXRect{109, 102, 113, 105}, kObjectColour);
    }
    // In place ignores current altogether.
    CRaster output = canvasImage();
    drawProbe(output, PROBE_RESULT(1) | PROBE_CURRENT(PROBE_EXTREME));
    expectOnly(output, kObjectRect, kObjectColour);
}

TEST(EffectDrawing, MissingEntryPointsAndUnknownIds)
{
    {
        CRaster output = canvasImage();
        EXPECT_EQ(drawProbe(output, 0, -1, -1, 401), 0); // no LWXPrepare: hidden
        expectUntouched(output);
    }
    {
        CRaster output = canvasImage();
        EXPECT_EQ(drawProbe(output, 0, -1, -1, 999), 0);
        expectUntouched(output);
    }
    {
        // LWX_RENDER without LWXDoRender: the zero target, opaque black, one pixel narrower.
        CRaster output = canvasImage();
        EXPECT_EQ(drawProbe(output, 0, -1, -1, 501), LWX_RENDER);
        expectOnly(output, LWXRect{106, 102, 109, 105}, 0x00000000);
    }
}

TEST(EffectDrawing, SourceThatDoesNotMatchHomeIsNeverHandedOut)
{
    lwtest::ProbeLog log;
    log.reset();
    CRaster output = canvasImage();
    const CRaster object = objectImage(); // 4 x 3
    lw::drawObjectWithEffect(testHost(), output, kCanvas, object, LWXRect{105, 102, 115, 110}, 4, nullptr,
                             EffectCall{PROBE_INTRO, 0, PROBE_RESULT(1)}, -1, -1);
    expectUntouched(output);
    EXPECT_TRUE(log.calls().empty());
}

TEST(EffectDrawing, FrameContextUsesTheCanvasAndNoObject)
{
    lwtest::ProbeLog log;
    log.reset();
    CRaster source(20, 10);
    source.FillRect(0x00010203);
    CRaster output = canvasImage();
    lw::drawImageWithFrameEffect(testHost(), output, kCanvas, source,
                                 EffectCall{PROBE_ANIMATION, 2, PROBE_RESULT(1)}, 3, 9);
    expectOnly(output, kCanvas, 0x00010203);
    const auto calls = log.calls();
    ASSERT_EQ(calls.size(), 1u);
    const LWXEffectContext& c = calls[0].context;
    EXPECT_EQ(c.home.left, kCanvas.left);
    EXPECT_EQ(c.home.right, kCanvas.right);
    EXPECT_EQ(c.current.bottom, kCanvas.bottom);
    EXPECT_EQ(c.objectType, 0);
    EXPECT_EQ(c.host, nullptr);
    EXPECT_EQ(c.frameCount, 9);
    EXPECT_EQ(calls[0].frameIndex, 3);

    // Moved by (3, 2): the image shifts inside the canvas and is clipped at its edges.
    CRaster moved = canvasImage();
    lw::drawImageWithFrameEffect(testHost(), moved, kCanvas, source,
                                 EffectCall{PROBE_ANIMATION, 2, PROBE_RESULT(2) | PROBE_CURRENT(PROBE_MOVE)},
                                 0, 1);
    expectOnly(moved, LWXRect{103, 102, 120, 110}, 0x00010203);
}

TEST(EffectDrawing, WhatTheLibraryStoresInPrepareReachesDoRender)
{
    // The keeper paints its note for the step when every field it set came back, magenta if not.
    for (const std::int32_t index : {0, 3, 7, 200}) {
        CRaster output = canvasImage();
        const CRaster object = objectImage();
        int hostObject = 0;
        EXPECT_EQ(lw::drawObjectWithEffect(testHost(), output, kCanvas, object, kObjectRect, 4, &hostObject,
                                           EffectCall{601, 2, 5}, index, 9),
                  LWX_RENDER);
        expectOnly(output, kObjectRect, 0x00C0DE00u | (static_cast<std::uint32_t>(index) & 0xFFu));
    }
}

TEST(EffectDrawing, ReachFollowsCanvasAndObject)
{
    // Canvas and object in workspace coordinates; rectangles an effect might ask for.
    constexpr LWXRect small{366, 570, 834, 630};       // 468 x 60, centred in the workspace
    constexpr LWXRect wide{-1201, 570, 2401, 630};     // 3602 x 60
    constexpr LWXRect bigObject{-900, 580, 2100, 590}; // 3000 x 10
    struct Case {
        LWXRect canvas, home, rect;
        bool drawable;
    };
    const Case cases[] = {
        // The workspace widened by 1200 is always there, whatever the canvas.
        {small, small, {-1200, -1200, 2400, 2400}, true},
        {small, small, {-1201, 0, 100, 100}, false},
        {small, small, {0, 0, 2401, 100}, false},
        // A wide canvas reaches its own width beyond each side.
        {wide, wide, wide, true},
        {wide, wide, {-1201 - 3602, 570, -1201, 630}, true},
        {wide, wide, {-1202 - 3602, 570, -1201, 630}, false},
        {wide, wide, {2401, 570, 2401 + 3602, 630}, true},
        {wide, wide, {2401, 570, 2402 + 3602, 630}, false},
        // A big object reaches its own width beyond the canvas and itself.
        {small, bigObject, {-3900, 580, -900, 590}, true},
        {small, bigObject, {-3901, 580, -900, 590}, false},
        {small, bigObject, {2100, 580, 5100, 590}, true},
        // Empty and inverted never draw.
        {wide, wide, {0, 0, 0, 10}, false},
        {wide, wide, {10, 0, 0, 10}, false},
        {small, small, {0, 10, 10, 0}, false},
        // Inside the box but too many pixels: four times the canvas, at least 3600 x 3600.
        {small, small, {-1200, -1200, 2400, 2400}, true},
        {wide, {0, 0, 4000, 4000}, {-4000, -4000, 8000, 8000}, false},
        {wide, {0, 0, 4000, 4000}, {0, 0, 8000, 8000}, true},
        {wide, {0, 0, 4000, 4000}, {0, 0, 8001, 8000}, false},
        // Absurd values stay refused.
        {wide, bigObject, {INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}, false},
        {wide, bigObject, {0, 0, 1000000, 1000000}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << c.rect.left << "," << c.rect.top << "," << c.rect.right << "," << c.rect.bottom
                     << " home " << c.home.left << ".." << c.home.right);
        EXPECT_EQ(lw::isDrawableRect(c.rect, lw::effectReach(c.canvas, c.home)), c.drawable);
    }
}

TEST(EffectDrawing, MovedDrawsAreClippedWhereverTheyLand)
{
    // An object moved by any amount draws exactly the part that overlaps the canvas.
    struct Case {
        std::int32_t shift;
        LWXRect visible;
    };
    const Case cases[] = {
        {0, {105, 102, 109, 105}},
        {13, {118, 102, 120, 105}},
        {15, {0, 0, 0, 0}},
        {-7, {100, 102, 102, 105}},
        {-9, {0, 0, 0, 0}},
        {-100000, {0, 0, 0, 0}},
        {INT32_MIN / 2, {0, 0, 0, 0}},
        {INT32_MAX / 2, {0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shift);
        CRaster output = canvasImage();
        const CRaster object = objectImage();
        const lw::EffectEntryPoints calls{[&](std::int32_t, LWXEffectContext& context, std::int32_t) {
                                              context.current.left += c.shift;
                                              return std::int32_t{LWX_DRAW_MOVED};
                                          },
                                          [](std::int32_t, LWXEffectContext&, std::int32_t) { return 0; }};
        lw::drawWithEffect(calls, output, kCanvas, lw::EffectSubject{&object, kObjectRect, 4, nullptr},
                           EffectCall{1, 0, 0}, -1, -1);
        expectOnly(output, c.visible, kObjectColour);
    }
}
