// What the six pixel-transition libraries tell the host when they are loaded.
#include "pixel_effects_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using lwtest::builtHost;
using lwtest::builtModule;

struct Expected {
    std::int32_t id;
    const char* name;
    std::int32_t kind;
    std::int32_t minSpeed;
    std::int32_t maxSpeed;
};

struct Library {
    const char* file;
    const char* title;
    bool sdkLine;
    bool advanced;
    std::vector<Expected> effects; // table order
};

const std::vector<Library>& libraries()
{
    static const std::vector<Library> all = {
        {"fade.lwx",
         "Fade Extension for Loopwright GIF Animator v1.0",
         false,
         false,
         {{21, "Fade In", 1, 0, 5}, {22, "Fade Out", 2, 0, 5}}},
        {"smear.lwx",
         "Motion Blur Extension for Loopwright GIF Animator v1.0",
         false,
         false,
         {{5, "Motion Blur In", 1, 0, 5}, {6, "Motion Blur Out", 2, 0, 5}}},
        {"glintsweep.lwx",
         "Blade Shine Extension for Loopwright GIF Animator v1.0",
         false,
         false,
         {{50, "Blade Shine In", 1, 0, 5}, {51, "Blade Shine Out", 2, 0, 5}}},
        {"flash.lwx",
         "Flash In/Out Extension for Loopwright GIF Animator v1.0",
         true,
         true,
         {{174, "Flash In", 1, 0, 4}, {175, "Flash Out", 2, 0, 4}, {176, "Flash", 3, 0, 4}}},
        {"blow.lwx",
         "Blow/Sand In/Out Extension for Loopwright GIF Animator v1.1",
         true,
         true,
         {{310, "Blow In", 1, 1, 4},
          {311, "Blow Out", 2, 1, 4},
          {312, "Blow", 3, 0, 0},
          {313, "Sand In", 1, 1, 4},
          {314, "Sand Out", 2, 1, 4}}},
        {"laser.lwx",
         "Flash In/Out Extension for Loopwright GIF Animator v1.1",
         true,
         true,
         {{270, "Laser Beam In", 1, 1, 4}, {271, "Laser Beam Out", 2, 1, 4}, {272, "Laser Beam", 3, 0, 0}}},
    };
    return all;
}

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> out;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find("\r\n", start);
        out.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos)
            return out;
        start = end + 2;
    }
}

TEST(PixelTransitionCatalogue, EveryLibraryRegistersItsEffectsInTableOrder)
{
    for (const Library& lib : libraries()) {
        SCOPED_TRACE(lib.file);
        const lw::ExtensionModule* module = builtModule(lib.file);
        ASSERT_NE(module, nullptr);

        // The host keeps each library's run newest first; the library registered them in order.
        std::vector<const lw::ExtensionEffect*> run;
        module->forEachEffect([&](const lw::ExtensionEffect& e) { run.insert(run.begin(), &e); });
        ASSERT_EQ(run.size(), lib.effects.size());
        for (std::size_t i = 0; i < run.size(); ++i) {
            const Expected& want = lib.effects[i];
            EXPECT_EQ(run[i]->id, want.id);
            EXPECT_EQ(run[i]->name, want.name);
            EXPECT_EQ(run[i]->kind, want.kind);
            EXPECT_EQ(run[i]->minSpeed, want.minSpeed);
            EXPECT_EQ(run[i]->maxSpeed, want.maxSpeed);
            EXPECT_NE(run[i]->prepare, nullptr);
            EXPECT_NE(run[i]->doRender, nullptr);
            EXPECT_EQ(run[i]->advanced != nullptr, lib.advanced) << want.name;
        }

        // The id list itself ends with 0 right after the table's ids.
        auto getExtensions = module->library.function<LWXGetExtensionsProc>("LWXGetExtensions");
        ASSERT_NE(getExtensions, nullptr);
        const std::int32_t* ids = getExtensions();
        for (std::size_t i = 0; i < lib.effects.size(); ++i)
            EXPECT_EQ(ids[i], lib.effects[i].id);
        EXPECT_EQ(ids[lib.effects.size()], 0);
    }
}

TEST(PixelTransitionCatalogue, VendorTextStartsWithTitleThenNoticeAndAddress)
{
    for (const Library& lib : libraries()) {
        SCOPED_TRACE(lib.file);
        const lw::ExtensionModule* module = builtModule(lib.file);
        ASSERT_NE(module, nullptr);
        ASSERT_NE(module->vendorInfo, nullptr);
        const std::vector<std::string> text = lines(module->vendorInfo(0));
        ASSERT_EQ(text.size(), lib.sdkLine ? 4u : 3u);
        EXPECT_EQ(text[0], lib.title);
        if (lib.sdkLine) {
            EXPECT_EQ(text[1], "Loopwright Extension SDK");
        }
        EXPECT_FALSE(text[text.size() - 2].empty());
        EXPECT_EQ(text.back().rfind("https://", 0), 0u) << text.back();
    }
}

TEST(PixelTransitionCatalogue, InfoAndStepsForForeignIdsAreRefused)
{
    for (const Library& lib : libraries()) {
        SCOPED_TRACE(lib.file);
        const lw::ExtensionModule* module = builtModule(lib.file);
        ASSERT_NE(module, nullptr);
        auto getInfo = module->library.function<LWXGetInfoProc>("LWXGetInfo");
        auto prepare = module->library.function<LWXPrepareProc>("LWXPrepare");
        ASSERT_NE(getInfo, nullptr);
        ASSERT_NE(prepare, nullptr);
        LWXEffectInfo info{7, 7, 7, nullptr};
        EXPECT_EQ(getInfo(0, &info), 0);
        EXPECT_EQ(getInfo(999, &info), 0);
        EXPECT_EQ(info.kind, 7) << "a refused id leaves the record alone";
        EXPECT_EQ(getInfo(lib.effects[0].id, nullptr), 0);
        LWXEffectContext ctx{};
        ctx.canvas = ctx.home = ctx.current = lwtest::rect(0, 0, 10, 10);
        ctx.frameCount = 1;
        EXPECT_EQ(prepare(999, &ctx, 1), LWX_HIDE);
        EXPECT_EQ(prepare(lib.effects[0].id, nullptr, 1), LWX_HIDE);
    }
}

// Id 51 is also "Rotate In" of rotate.lwx; the host's rule (the library loaded later wins,
// libraries load in file-name order) decides which one draws.
TEST(PixelTransitionCatalogue, SharedId51GoesToTheLibraryLoadedLater)
{
    const lw::ExtensionEffect* blade = lwtest::effectOf("glintsweep.lwx", 51);
    ASSERT_NE(blade, nullptr);
    EXPECT_EQ(blade->name, "Blade Shine Out");
    const lw::ExtensionEffect* winner = builtHost().findEffect(51);
    ASSERT_NE(winner, nullptr);
    const lw::ExtensionEffect* rotate = lwtest::effectOf("rotate.lwx", 51);
    if (rotate) {
        EXPECT_EQ(winner, rotate);
        EXPECT_EQ(*builtHost().effectName(51), "Rotate In");
    } else {
        EXPECT_EQ(winner, blade);
    }
    EXPECT_EQ(builtHost().findEffect(50), lwtest::effectOf("glintsweep.lwx", 50));
}

// Without a widget application the settings entry points show nothing and change nothing.
TEST(PixelTransitionCatalogue, AdvancedWithoutWidgetsLeavesParamAlone)
{
    for (std::int32_t id : {174, 270, 310}) {
        const lw::ExtensionEffect* effect = builtHost().findEffect(id);
        ASSERT_NE(effect, nullptr);
        ASSERT_NE(effect->advanced, nullptr);
        std::int32_t param = 0x123;
        EXPECT_EQ(effect->advanced(id, &param, nullptr), 0);
        EXPECT_EQ(param, 0x123);
        EXPECT_EQ(effect->advanced(id, nullptr, nullptr), 0);
    }
}

} // namespace
