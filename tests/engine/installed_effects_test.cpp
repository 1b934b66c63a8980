// Every effect of the libraries built into extensions/ goes through the compiler at its
// slowest and fastest speed, on an object and on a frame: the image counts follow the step
// rules whatever the library returns, and (under the sanitizers) nothing a real library hands
// back makes the host read or write out of bounds.
#include "engine/animation_compiler.h"
#include "engine/speed_name.h"
#include "support/test_paths.h"

#include <gtest/gtest.h>

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
