#pragma once
// The pixel-transition tests' shared pieces: the host loaded from the build tree's extensions
// folder, a small image with exact-size pixel storage (so a write past its end is caught by the
// sanitizers) and one effect step run the way the engine runs it.
#include "engine/extension_host.h"
#include "engine/lwx.h"
#include "support/test_paths.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace lwtest {

inline const lw::ExtensionHost& builtHost()
{
    static lw::ExtensionHost host;
    static const bool loaded = (host.load(buildDir() + "/extensions"), true);
    (void)loaded;
    return host;
}

inline const lw::ExtensionModule* builtModule(const std::string& fileName)
{
    for (const lw::ExtensionModule* m = builtHost().modules(); m; m = m->next.get())
        if (m->fileName == fileName)
            return m;
    return nullptr;
}

// The effect as the named library registered it (with a duplicate id, not necessarily the one
// findEffect picks).
inline const lw::ExtensionEffect* effectOf(const std::string& fileName, std::int32_t id)
{
    const lw::ExtensionModule* module = builtModule(fileName);
    const lw::ExtensionEffect* found = nullptr;
    if (module)
        module->forEachEffect([&](const lw::ExtensionEffect& e) {
            if (e.id == id)
                found = &e;
        });
    return found;
}

// Pixels 0xTTRRGGBB, stored bottom-up like every image that crosses the interface.
struct Image {
    int w = 0;
    int h = 0;
    std::vector<std::uint32_t> px;

    Image() = default;
    Image(int width, int height, std::uint32_t fill = 0)
        : w(width), h(height), px(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill)
    {
    }
    std::uint32_t at(int x, int y) const { return px[static_cast<std::size_t>(x + (h - 1 - y) * w)]; }
    void set(int x, int y, std::uint32_t v) { px[static_cast<std::size_t>(x + (h - 1 - y) * w)] = v; }
};

inline LWXRect rect(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom)
{
    return LWXRect{left, top, right, bottom};
}

inline bool sameRect(const LWXRect& a, const LWXRect& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

struct StepResult {
    std::int32_t code = 0;
    LWXRect current{};
    Image target; // empty unless the library rendered
};

struct StepInput {
    LWXRect canvas{};
    LWXRect home{};
    std::int32_t frameCount = 0;
    std::int32_t speed = 0;
    std::int32_t param = 0;
    std::int32_t objectType = 2;
};

// LWXPrepare, and LWXDoRender into a zero-filled target of current's size when asked to.
inline StepResult runStep(const lw::ExtensionEffect& effect, const Image& source, const StepInput& in,
                          std::int32_t frameIndex)
{
    EXPECT_EQ(source.w, in.home.right - in.home.left);
    EXPECT_EQ(source.h, in.home.bottom - in.home.top);
    LWXEffectContext ctx{};
    ctx.canvas = in.canvas;
    ctx.home = in.home;
    ctx.current = in.home;
    ctx.objectType = in.objectType;
    ctx.frameCount = in.frameCount;
    ctx.speed = in.speed;
    ctx.param = in.param;
    ctx.source = source.px.data();
    StepResult result;
    result.code = effect.prepare ? effect.prepare(effect.id, &ctx, frameIndex) : 0;
    result.current = ctx.current;
    if (result.code != LWX_RENDER)
        return result;
    const int w = ctx.current.right - ctx.current.left, h = ctx.current.bottom - ctx.current.top;
    EXPECT_GT(w, 0);
    EXPECT_GT(h, 0);
    if (w <= 0 || h <= 0 || w > 4096 || h > 4096)
        return result;
    result.target = Image(w, h, 0);
    ctx.target = result.target.px.data();
    EXPECT_NE(effect.doRender, nullptr);
    if (effect.doRender)
        effect.doRender(effect.id, &ctx, frameIndex);
    return result;
}

// A frame effect's step: home = current = canvas, object type 0.
inline StepInput frameStep(const LWXRect& canvas, std::int32_t frameCount)
{
    StepInput in;
    in.canvas = canvas;
    in.home = canvas;
    in.frameCount = frameCount;
    in.objectType = 0;
    return in;
}

} // namespace lwtest
