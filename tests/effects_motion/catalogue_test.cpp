// What each effect library offers the host: ids in order, names, kinds, speeds, vendor text and
// which entry points it exports.
#include "motion_effects_support.h"

#include "support/test_paths.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace {

struct Effect {
    std::int32_t id;
    std::string name;
    std::int32_t kind;
    std::int32_t minSpeed;
    std::int32_t maxSpeed;
};

struct Library {
    std::string name;
    std::vector<Effect> effects; // in the order LWXGetExtensions lists them
    std::string vendorStart;     // the vendor text begins with these lines
    bool doRender;
    bool advanced;
};

const char kLine[] = "\r\n";

std::vector<Library> libraries()
{
    return {
        {"fly",
         {{1, "Fly From Left", 1, 0, 5},
          {2, "Fly From Bottom", 1, 0, 5},
          {3, "Fly From Right", 1, 0, 5},
          {4, "Fly From Top", 1, 0, 5},
          {11, "Fly To Left", 2, 0, 5},
          {12, "Fly To Bottom", 2, 0, 5},
          {13, "Fly To Right", 2, 0, 5},
          {14, "Fly To Top", 2, 0, 5}},
         std::string("Fly Extension for Loopwright GIF Animator v1.0") + kLine,
         true,
         false},
        {"stretch",
         {{31, "Stretch From Left", 1, 0, 5},
          {32, "Strech From Bottom", 1, 0, 5},
          {33, "Strech From Right", 1, 0, 5},
          {34, "Strech From Top", 1, 0, 5},
          {35, "Squeeze To Left", 2, 0, 5},
          {36, "Squeeze To Bottom", 2, 0, 5},
          {37, "Squeeze To Right", 2, 0, 5},
          {38, "Squeeze To Top", 2, 0, 5}},
         std::string("Stretch/Squeeze Extension for Loopwright GIF Animator v1.0") + kLine,
         true,
         false},
        {"peek",
         {{41, "Peek From Left", 1, 0, 5},
          {42, "Peek From Bottom", 1, 0, 5},
          {43, "Peek From Right", 1, 0, 5},
          {44, "Peek From Top", 1, 0, 5},
          {45, "Hide To Left", 2, 0, 5},
          {46, "Hide To Bottom", 2, 0, 5},
          {47, "Hide To Right", 2, 0, 5},
          {48, "Hide To Top", 2, 0, 5}},
         std::string("Peek/Hide Extension for Loopwright GIF Animator v1.0") + kLine,
         true,
         false},
        {"glide",
         {{164, "Move In", 1, 0, 5},
          {165, "Move Out", 2, 0, 5},
          {166, "Move By", 3, 0, 5},
          {167, "Move To", 3, 0, 0}},
         std::string("Move In/Out/By/To Extension for Loopwright GIF Animator v1.0") + kLine +
             "Loopwright Extension SDK" + kLine,
         false,
         true},
        {"rotate",
         {{51, "Rotate In", 1, 0, 5}, {52, "Rotate Out", 2, 0, 5}, {53, "Rotate", 3, 0, 0}},
         std::string("Rotate Extension for Loopwright GIF Animator v1.0") + kLine +
             "Loopwright Extension SDK" + kLine,
         true,
         false},
        {"blink",
         {{129, "Blink", 3, 0, 3}},
         std::string("Blink Extension for Loopwright GIF Animator v1.0") + kLine,
         false,
         true},
        {"popup",
         {{128, "Popup", 3, 0, 0}},
         std::string("Popup Extension for Loopwright GIF Animator v1.0") + kLine,
         false,
         false},
        {"marquee",
         {{201, "Marquee", 3, 0, 0}},
         std::string("Marquee Extension for Loopwright GIF Animator v1.0") + kLine,
         true,
         true},
    };
}

class LibraryCatalogue : public ::testing::TestWithParam<Library> {};

TEST_P(LibraryCatalogue, ListsItsIdsInOrderAndAnswersEachOneAsRegistered)
{
    const Library& expected = GetParam();
    const lw::ExtensionModule& module = lwtest::libraryModule(expected.name);

    const auto getExtensions = module.library.function<LWXGetExtensionsProc>("LWXGetExtensions");
    ASSERT_NE(getExtensions, nullptr);
    std::vector<std::int32_t> ids;
    for (const std::int32_t* id = getExtensions(); *id != 0 && ids.size() < 100; ++id)
        ids.push_back(*id);
    std::vector<std::int32_t> expectedIds;
    for (const Effect& e : expected.effects)
        expectedIds.push_back(e.id);
    EXPECT_EQ(ids, expectedIds);

    // The host registers in list order, so its run for the module is the table reversed.
    std::vector<const lw::ExtensionEffect*> registered;
    module.forEachEffect([&](const lw::ExtensionEffect& e) { registered.push_back(&e); });
    ASSERT_EQ(registered.size(), expected.effects.size());
    for (std::size_t i = 0; i < registered.size(); ++i) {
        const Effect& want = expected.effects[expected.effects.size() - 1 - i];
        const lw::ExtensionEffect& got = *registered[i];
        SCOPED_TRACE(want.name);
        EXPECT_EQ(got.id, want.id);
        EXPECT_EQ(got.name, want.name);
        EXPECT_EQ(got.kind, want.kind);
        EXPECT_EQ(got.minSpeed, want.minSpeed);
        EXPECT_EQ(got.maxSpeed, want.maxSpeed);
        EXPECT_NE(got.prepare, nullptr);
        EXPECT_EQ(got.doRender != nullptr, expected.doRender);
        EXPECT_EQ(got.advanced != nullptr, expected.advanced);
    }
}

TEST_P(LibraryCatalogue, RefusesIdsThatAreNotItsOwn)
{
    const Library& expected = GetParam();
    const lw::ExtensionModule& module = lwtest::libraryModule(expected.name);
    const auto getInfo = module.library.function<LWXGetInfoProc>("LWXGetInfo");
    ASSERT_NE(getInfo, nullptr);
    for (std::int32_t id : {0, -1, 5, 15, 39, 50, 54, 127, 130, 163, 168, 200, 202, 100000}) {
        LWXEffectInfo info{7, 7, 7, nullptr};
        EXPECT_EQ(getInfo(id, &info), 0) << "id " << id;
    }
    EXPECT_EQ(getInfo(expected.effects.front().id, nullptr), 0) << "a missing record is refused";
}

TEST_P(LibraryCatalogue, VendorTextStartsWithItsTitleAndGoesOnWithNoticeLines)
{
    const Library& expected = GetParam();
    const lw::ExtensionModule& module = lwtest::libraryModule(expected.name);
    const std::optional<std::string> text = module.vendorText();
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(text->substr(0, expected.vendorStart.size()), expected.vendorStart);
    EXPECT_GT(text->size(), expected.vendorStart.size()) << "notice and address lines follow";
}

TEST_P(LibraryCatalogue, ExportsExactlyItsEntryPoints)
{
    const Library& expected = GetParam();
    const lw::ExtensionModule& module = lwtest::libraryModule(expected.name);
    EXPECT_NE(module.library.symbol("LWXVendorInfo"), nullptr);
    EXPECT_NE(module.library.symbol("LWXGetExtensions"), nullptr);
    EXPECT_NE(module.library.symbol("LWXGetInfo"), nullptr);
    EXPECT_NE(module.library.symbol("LWXPrepare"), nullptr);
    EXPECT_EQ(module.library.symbol("LWXDoRender") != nullptr, expected.doRender);
    EXPECT_EQ(module.library.symbol("LWXAdvanced") != nullptr, expected.advanced);
}

INSTANTIATE_TEST_SUITE_P(EffectLibraries, LibraryCatalogue, ::testing::ValuesIn(libraries()),
                         [](const ::testing::TestParamInfo<Library>& info) { return info.param.name; });

// The application loads the whole extensions/ folder: every library is there with its effects,
// and the later-loaded rotate.lwx answers id 51 (glintsweep.lwx lists it too).
TEST(ExtensionsFolder, HoldsEveryLibraryWithItsEffects)
{
    lw::ExtensionHost host;
    host.load(lwtest::buildDir() + "/extensions");
    for (const Library& library : libraries()) {
        const lw::ExtensionModule* found = nullptr;
        for (const lw::ExtensionModule* m = host.modules(); m; m = m->next.get())
            if (m->fileName == library.name + ".lwx")
                found = m;
        ASSERT_NE(found, nullptr) << library.name;
        std::size_t count = 0;
        found->forEachEffect([&](const lw::ExtensionEffect&) { ++count; });
        EXPECT_EQ(count, library.effects.size()) << library.name;
    }
    const lw::ExtensionEffect* rotateIn = host.findEffect(51);
    ASSERT_NE(rotateIn, nullptr);
    EXPECT_EQ(rotateIn->name, "Rotate In");
}

// fly and stretch export an LWXDoRender that leaves the target alone.
TEST(DoNothingRender, FlyAndStretchLeaveTheTargetUntouched)
{
    for (const char* name : {"fly", "stretch"}) {
        const lw::ExtensionModule& module = lwtest::libraryModule(name);
        const auto render = module.library.function<LWXDoRenderProc>("LWXDoRender");
        ASSERT_NE(render, nullptr);
        const LWXRect rect{10, 10, 14, 12};
        std::vector<std::uint32_t> source(8, 0x00123456u);
        lwtest::GuardedTarget target(4, 2);
        LWXEffectContext ctx = lwtest::objectContext({0, 0, 100, 100}, rect, -2);
        ctx.source = source.data();
        ctx.target = target.pixels();
        EXPECT_EQ(render(module.firstEffect->id, &ctx, -1), 0) << name;
        EXPECT_EQ(target.image(), std::vector<std::uint32_t>(8, 0u)) << name;
        EXPECT_TRUE(target.guardsIntact()) << name;
    }
}

// Without a widgets application (this program runs Qt GUI only, as lwtool and the fuzz
// targets do), every library that has settings returns 0 and leaves param alone instead of
// letting Qt abort the process on its first widget.
TEST(AdvancedSettings, EveryLibraryChecksForAWidgetsApplication)
{
    const lw::ExtensionHost& host =
        lwtest::hostWithLibraries({"glide", "marquee", "blink", "flash", "blow", "laser"});
    struct Case {
        std::int32_t id;
        const char* library;
    };
    for (const Case c : {Case{164, "glide"}, Case{166, "glide"}, Case{201, "marquee"}, Case{129, "blink"},
                         Case{174, "flash"}, Case{270, "blow"}, Case{310, "laser"}}) {
        SCOPED_TRACE(c.library);
        ASSERT_TRUE(host.hasAdvanced(c.id));
        std::int32_t param = 0x1234;
        EXPECT_EQ(host.advanced(c.id, &param, nullptr), 0);
        EXPECT_EQ(param, 0x1234);
        EXPECT_EQ(host.advanced(c.id, nullptr, nullptr), 0);
    }
}

} // namespace
