// Every effect of the libraries built into extensions/ goes through the compiler at its
// slowest and fastest speed, on an object and on a frame: the image counts follow the step
// rules whatever the library returns, and (under the sanitizers) nothing a real library hands
// back makes the host read or write out of bounds.
#include "engine/animation_compiler.h"
#include "engine/speed_name.h"
#include "support/test_paths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

struct Banner {
    lw::CAnimation animation;
    lw::CFrame* first;
    lw::CFrame* second;
    lw::CLayerObject* object;
    Banner()
    {
        animation.SetSize(60, 30);
        first = animation.firstFrame.get();
        second = animation.AppendFrame();
        auto o = std::make_unique<lw::CLayerObject>();
        o->rect = lw::LayerRect{animation.canvasRect.left + 20, animation.canvasRect.top + 10, 0, 0};
        o->ResizeImages(20, 10);
        o->ownImage.FillRect(0x00204060);
        o->ownImage.FillRect(0x80FF0000, lw::LayerRect{0, 0, 10, 5});
        object = first->AppendObject(std::move(o));
        first->delay = 50;
        animation.RenderAllFrames();
    }
};

} // namespace

TEST(InstalledEffects, EveryEffectAtItsSpeedLimitsGivesTheStepCounts)
{
    lw::ExtensionHost host;
    host.load(lwtest::buildDir() + "/extensions");
    ASSERT_NE(host.effects(), nullptr) << "no effect libraries in " << lwtest::buildDir() << "/extensions";
    const lw::AnimationCompiler compiler(host);
    int checked = 0;
    for (const lw::ExtensionEffect* e = host.effects(); e; e = e->next.get()) {
        if (host.findEffect(e->id) != e)
            continue; // the earlier of two libraries with one id is never reached
        for (const std::int32_t speed : {e->minSpeed, e->maxSpeed}) {
            SCOPED_TRACE(e->name + " speed " + std::to_string(speed));
            Banner doc;
            const lw::EffectAssignment a{e->id, speed, 0};
            const int n = lw::stepsForSpeed(speed);
            switch (e->kind) {
            case LWX_KIND_INTRO:
                doc.object->introEffect = a;
                doc.second->introEffect = a;
                break;
            case LWX_KIND_OUTRO:
                doc.object->outroEffect = a;
                doc.second->outroEffect = a;
                break;
            default:
                doc.object->animationEffect = a;
                doc.second->animationEffect = a;
                doc.second->delay = 30;
                break;
            }
            compiler.compile(doc.animation);
            const auto count = [](const std::unique_ptr<lw::GeneratedFrame>& list) {
                return lw::generatedChainLength(list.get());
            };
            if (e->kind == LWX_KIND_INTRO) {
                EXPECT_EQ(count(doc.first->introFrames), n + 1);
                EXPECT_EQ(count(doc.second->enterFrames), n);
            } else if (e->kind == LWX_KIND_OUTRO) {
                EXPECT_EQ(count(doc.first->outroFrames), n + 1);
                EXPECT_EQ(count(doc.second->leaveFrames), n);
            } else {
                EXPECT_EQ(count(doc.first->animationFrames), 5);
                EXPECT_EQ(count(doc.second->animationFrames), 3);
            }
            auto sequence = compiler.buildSequence(doc.animation);
            for (const lw::SequenceFrame* f = sequence.first(); f; f = f->next.get()) {
                ASSERT_EQ(f->image->width(), 60);
                ASSERT_EQ(f->image->height(), 30);
            }
            ++checked;
        }
    }
    EXPECT_GT(checked, 0);
}

namespace {

// Canvas pixels of one row as 0x00RRGGBB values.
std::uint32_t pixelAt(const lw::CRaster& image, int x, int y)
{
    return image.GetPixel(x, y) & 0x00FFFFFFu;
}

} // namespace

TEST(InstalledEffects, FrameFadeInOnACanvasWiderThanTheWorkspace)
{
    lw::ExtensionHost host;
    host.load(lwtest::buildDir() + "/extensions");
    constexpr std::int32_t kFadeIn = 21;
    ASSERT_NE(host.findEffect(kFadeIn), nullptr);
    const lw::AnimationCompiler compiler(host);
    // The fade is the same everywhere on the canvas, so a wide canvas must blend exactly as the
    // usual 468 x 60 banner does, at its first and at its last column.
    std::vector<std::uint32_t> reference;
    for (const int width : {468, 3602, 4096}) {
        SCOPED_TRACE(width);
        lw::CAnimation animation;
        ASSERT_TRUE(animation.SetSize(width, 60));
        lw::CFrame* first = animation.firstFrame.get();
        lw::CFrame* second = animation.AppendFrame();
        first->backgroundColour = 0x0000FF;  // red
        second->backgroundColour = 0xFF0000; // blue
        second->introEffect = lw::EffectAssignment{kFadeIn, 2, 0};
        animation.RenderAllFrames();
        compiler.compile(animation);
        ASSERT_EQ(lw::generatedChainLength(second->enterFrames.get()), 4);
        std::vector<std::uint32_t> steps;
        for (const lw::GeneratedFrame* g = second->enterFrames.get(); g; g = g->next.get()) {
            const std::uint32_t left = pixelAt(g->image, 0, 30);
            EXPECT_EQ(pixelAt(g->image, width - 1, 59), left);
            EXPECT_NE(left, pixelAt(first->image, 0, 30)) << "the step shows only the previous frame";
            steps.push_back(left);
        }
        if (reference.empty())
            reference = steps;
        EXPECT_EQ(steps, reference);
    }
}

TEST(InstalledEffects, ObjectWiderThanTheWorkspaceFliesOutAndInColumnByColumn)
{
    lw::ExtensionHost host;
    host.load(lwtest::buildDir() + "/extensions");
    const lw::AnimationCompiler compiler(host);
    struct Case {
        std::int32_t effectId;
        bool intro;
    };
    for (const Case c : {Case{11, false} /* Fly To Left */, Case{1, true} /* Fly From Left */}) {
        SCOPED_TRACE(c.effectId);
        ASSERT_NE(host.findEffect(c.effectId), nullptr);
        lw::CAnimation animation; // 468 x 60
        const lw::LayerRect canvas = animation.canvasRect;
        auto o = std::make_unique<lw::CLayerObject>();
        o->rect = lw::LayerRect{-900, canvas.top + 10, 0, 0};
        o->ResizeImages(3000, 10);
        o->ownImage.FillRect(0x00336699);
        lw::CLayerObject* object = animation.firstFrame->AppendObject(std::move(o));
        const lw::EffectAssignment a{c.effectId, 2, 0}; // 4 steps
        (c.intro ? object->introEffect : object->outroEffect) = a;
        animation.RenderAllFrames();
        compiler.compile(animation);

        // The fly library moves the object by whole fifths of the way between its right edge and
        // the canvas's left edge, truncated toward zero, times the step index.
        const auto& list = c.intro ? animation.firstFrame->introFrames : animation.firstFrame->outroFrames;
        ASSERT_EQ(lw::generatedChainLength(list.get()), 5);
        const std::int64_t distance = c.intro ? 2100 - canvas.left : canvas.left - 2100;
        const std::int64_t q = distance / 5;
        std::int32_t s = c.intro ? -5 : 1;
        for (const lw::GeneratedFrame* g = list.get(); g; g = g->next.get(), ++s) {
            SCOPED_TRACE(s);
            const bool shown = c.intro ? s >= -4 : s <= 4;
            const std::int64_t right = 2100 + s * q - canvas.left;
            const int expected = shown ? static_cast<int>(std::clamp<std::int64_t>(right, 0, 468)) : 0;
            int covered = 0;
            for (int x = 0; x < 468; ++x)
                covered += pixelAt(g->image, x, 15) == 0x336699u;
            EXPECT_EQ(covered, expected);
            if (expected > 0) {
                EXPECT_EQ(pixelAt(g->image, expected - 1, 15), 0x336699u);
            }
        }
    }
}
