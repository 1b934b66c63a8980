// Steps and settings the host never sends (counts of 0, indices far out of range, odd speeds and
// params) must neither crash nor touch memory outside the source and target; the sanitizer
// build checks the latter, the images here have exactly the size the interface promises.
#include "pixel_effects_support.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

using lwtest::Image;
using lwtest::rect;

TEST(PixelTransitionsOddSteps, EveryEffectSurvivesStepsOutsideTheHostsRange)
{
    const char* files[] = {"fade.lwx", "flash.lwx", "smear.lwx", "glintsweep.lwx", "blow.lwx", "laser.lwx"};
    const std::int32_t counts[] = {INT_MIN, -33, -2, -1, 0, 1, 2, 33, INT_MAX};
    const std::int32_t indices[] = {INT_MIN, -33, -1, 0, 1, 33, INT_MAX};
    Image source(7, 5, 0x40102030);
    int rendered = 0;
    for (const char* file : files) {
        const lw::ExtensionModule* module = lwtest::builtModule(file);
        ASSERT_NE(module, nullptr) << file;
        module->forEachEffect([&](const lw::ExtensionEffect& effect) {
            for (std::int32_t n : counts)
                for (std::int32_t a : indices)
                    for (std::int32_t speed : {-1, 0, 5, 99})
                        for (std::int32_t param : {0, -1, 1}) {
                            lwtest::StepInput in;
                            in.canvas = rect(100, 100, 150, 140);
                            in.home = rect(145, 97, 152, 102); // over two canvas edges
                            in.frameCount = n;
                            in.speed = speed;
                            in.param = param;
                            const lwtest::StepResult r = lwtest::runStep(effect, source, in, a);
                            ASSERT_TRUE(r.code == LWX_HIDE || r.code == LWX_RENDER)
                                << effect.name << " n " << n << " a " << a;
                            rendered += r.code == LWX_RENDER;
                        }
        });
    }
    EXPECT_GT(rendered, 0);
}

TEST(PixelTransitionsOddSteps, EmptyObjectsDrawNothing)
{
    const lw::ExtensionEffect* fade = lwtest::effectOf("fade.lwx", 21);
    const lw::ExtensionEffect* blow = lwtest::effectOf("blow.lwx", 310);
    ASSERT_NE(fade, nullptr);
    ASSERT_NE(blow, nullptr);
    LWXEffectContext ctx{};
    ctx.canvas = rect(0, 0, 10, 10);
    ctx.home = ctx.current = rect(5, 5, 5, 9); // no width
    ctx.frameCount = -1;
    std::uint32_t pixel = 0x11223344;
    ctx.source = &pixel;
    ctx.target = &pixel;
    fade->doRender(21, &ctx, -1);
    EXPECT_EQ(pixel, 0x11223344u);
    // Without a target nothing is written either.
    ctx.home = ctx.current = rect(5, 5, 6, 6);
    ctx.target = nullptr;
    EXPECT_EQ(blow->doRender(310, &ctx, -1), 1);
}

} // namespace
