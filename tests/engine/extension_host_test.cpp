#include "engine/extension_host.h"
#include "engine_test_support.h"

#include <dlfcn.h>
#include <filesystem>
#include <gtest/gtest.h>

using lw::ExtensionEffect;
using lw::ExtensionHost;
using lw::ExtensionModule;
using lwtest::moduleNamed;
using lwtest::testHost;

namespace {

std::vector<std::string> moduleNames(const ExtensionHost& host)
{
    std::vector<std::string> names;
    for (const ExtensionModule* m = host.modules(); m; m = m->next.get())
        names.push_back(m->fileName);
    return names;
}

std::vector<std::int32_t> effectIds(const ExtensionHost& host)
{
    std::vector<std::int32_t> ids;
    for (const ExtensionEffect* e = host.effects(); e; e = e->next.get())
        ids.push_back(e->id);
    return ids;
}

std::vector<std::string> runNames(const ExtensionModule& module)
{
    std::vector<std::string> names;
    module.forEachEffect([&](const ExtensionEffect& e) { names.push_back(e.name); });
    return names;
}

// A private folder holding copies of some of the test extensions.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::vector<std::string>& files)
    {
        path_ = std::filesystem::temp_directory_path() /
                ("lw_engine_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
        for (const std::string& f : files)
            std::filesystem::copy_file(std::filesystem::path(lwtest::testExtensionsDir()) / f, path_ / f);
    }
    ~ScratchFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    std::string path() const { return path_.string(); }

private:
    std::filesystem::path path_;
};

} // namespace

TEST(ExtensionHostLoad, ModulesAreHeadInsertedAndNonExtensionsSkipped)
{
    // e_not_extension lacks LWXGetExtensions; z_junk.lwx is no library; readme.txt is not *.lwx.
    EXPECT_EQ(moduleNames(testHost()),
              (std::vector<std::string>{"i_context_keeper.lwx", "h_no_render.lwx", "g_no_prepare.lwx",
                                        "f_no_info.lwx", "d_empty.lwx", "c_dup_second.lwx", "b_dup_first.lwx",
                                        "a_probe.lwx"}));
    const ExtensionModule* probe = moduleNamed(testHost(), "a_probe.lwx");
    ASSERT_NE(probe, nullptr);
    EXPECT_EQ(probe->path, (std::filesystem::path(lwtest::testExtensionsDir()) / "a_probe.lwx").string());
}

TEST(ExtensionHostLoad, EffectsAreHeadInsertedAndRefusedIdsSkipped)
{
    // The probe lists 101..107: 104 is refused by LWXGetInfo, 105 has an unknown kind, 106 no name.
    EXPECT_EQ(effectIds(testHost()),
              (std::vector<std::int32_t>{601, 501, 401, 202, 201, 201, 107, 103, 102, 101}));
    const ExtensionModule* probe = moduleNamed(testHost(), "a_probe.lwx");
    ASSERT_NE(probe, nullptr);
    EXPECT_EQ(runNames(*probe),
              (std::vector<std::string>{"Wild Speeds", "Probe Animation", "Probe Out", "Probe In"}));
    const ExtensionEffect* in = testHost().findEffect(PROBE_INTRO);
    ASSERT_NE(in, nullptr);
    EXPECT_EQ(in->kind, LWX_KIND_INTRO);
    EXPECT_EQ(in->library, probe->handle());
    EXPECT_EQ(in->module, probe);
    EXPECT_NE(in->prepare, nullptr);
    EXPECT_NE(in->doRender, nullptr);
    EXPECT_NE(in->advanced, nullptr);
    EXPECT_EQ(testHost().findModule(probe->handle()), probe);
    EXPECT_EQ(testHost().findModule(nullptr), nullptr);
}

TEST(ExtensionHostLoad, EmptyListAndMissingGetInfoGiveModulesWithoutEffects)
{
    const ExtensionModule* empty = moduleNamed(testHost(), "d_empty.lwx");
    const ExtensionModule* noInfo = moduleNamed(testHost(), "f_no_info.lwx");
    ASSERT_NE(empty, nullptr);
    ASSERT_NE(noInfo, nullptr);
    EXPECT_EQ(empty->firstEffect, nullptr);
    EXPECT_EQ(noInfo->firstEffect, nullptr);
    EXPECT_EQ(testHost().findEffect(301), nullptr);
    EXPECT_EQ(empty->vendorText(), std::optional<std::string>("Empty Extension"));
    EXPECT_EQ(noInfo->vendorText(), std::nullopt);
}

TEST(ExtensionHostLoad, LaterLoadedDuplicateWinsEveryLookup)
{
    const ExtensionEffect* e = testHost().findEffect(201);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->name, "Dup Second");
    EXPECT_EQ(e->module->fileName, "c_dup_second.lwx");
    EXPECT_EQ(testHost().minSpeed(201), 1);
    EXPECT_EQ(testHost().maxSpeed(201), 2);
    EXPECT_EQ(testHost().effectName(201), std::optional<std::string>("Dup Second"));
    LWXEffectContext context{};
    EXPECT_EQ(testHost().prepare(201, context, -1), LWX_DRAW_MOVED);
    // Both stay listed under their own modules.
    EXPECT_EQ(runNames(*moduleNamed(testHost(), "b_dup_first.lwx")), std::vector<std::string>{"Dup First"});
    EXPECT_EQ(runNames(*moduleNamed(testHost(), "c_dup_second.lwx")),
              (std::vector<std::string>{"Second Only", "Dup Second"}));
}

TEST(ExtensionHostLookup, UnknownIdsAndDefaults)
{
    const ExtensionHost& host = testHost();
    EXPECT_EQ(host.findEffect(999), nullptr);
    EXPECT_EQ(host.findEffect(0), nullptr);
    EXPECT_EQ(host.minSpeed(999), 0);
    EXPECT_EQ(host.maxSpeed(999), 5);
    EXPECT_EQ(host.effectName(0), std::nullopt);
    EXPECT_EQ(host.effectName(999), std::optional<std::string>("Unknown"));
    EXPECT_EQ(host.effectName(PROBE_OUTRO), std::optional<std::string>("Probe Out"));
    EXPECT_EQ(host.minSpeed(PROBE_OUTRO), 1);
    EXPECT_EQ(host.maxSpeed(PROBE_OUTRO), 4);
    // Out-of-range speeds from a library are clamped to 0..5 and put in order.
    EXPECT_EQ(host.minSpeed(PROBE_WILD_SPEEDS), 0);
    EXPECT_EQ(host.maxSpeed(PROBE_WILD_SPEEDS), 5);
    LWXEffectContext context{};
    EXPECT_EQ(host.prepare(999, context, 0), 0);
    EXPECT_EQ(host.doRender(999, context, 0), 0);
    EXPECT_FALSE(host.hasAdvanced(999));
    std::int32_t param = 5;
    EXPECT_EQ(host.advanced(999, &param, nullptr), 0);
    EXPECT_EQ(param, 5);
}

TEST(ExtensionHostLookup, MissingEntryPointsAnswerZero)
{
    LWXEffectContext context{};
    EXPECT_EQ(testHost().prepare(401, context, -1), 0);  // no LWXPrepare
    EXPECT_EQ(testHost().doRender(501, context, -1), 0); // no LWXDoRender
    EXPECT_FALSE(testHost().hasAdvanced(201));
}

TEST(ExtensionHostLookup, ForwardsCallsWithTheSameArguments)
{
    lwtest::ProbeLog log;
    log.reset();
    LWXEffectContext context{};
    context.param = PROBE_RESULT(2) | PROBE_CURRENT(PROBE_MOVE);
    context.current = {10, 20, 30, 40};
    EXPECT_EQ(testHost().prepare(PROBE_OUTRO, context, 3), LWX_DRAW_MOVED);
    EXPECT_EQ(context.current.left, 13);
    EXPECT_EQ(context.current.top, 22);
    const auto calls = log.calls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].entry, 1);
    EXPECT_EQ(calls[0].id, PROBE_OUTRO);
    EXPECT_EQ(calls[0].frameIndex, 3);

    std::int32_t param = 0;
    EXPECT_TRUE(testHost().hasAdvanced(PROBE_INTRO));
    EXPECT_EQ(testHost().advanced(PROBE_INTRO, &param, nullptr), 1);
    EXPECT_EQ(param, 42);
}

TEST(ExtensionHostLoad, MissingOrEmptyFolderLoadsNothing)
{
    ExtensionHost host;
    EXPECT_EQ(host.load("/nonexistent/folder/for/lw"), 0);
    EXPECT_EQ(host.modules(), nullptr);
    EXPECT_EQ(host.effects(), nullptr);
    ScratchFolder empty({});
    EXPECT_EQ(host.load(empty.path()), 0);
    EXPECT_EQ(host.modules(), nullptr);
}

TEST(ExtensionHostLoad, LibrariesOpenOnlyWhenAskedAbout)
{
    ScratchFolder folder({"b_dup_first.lwx"});
    const std::string path = folder.path() + "/b_dup_first.lwx";
    auto isOpen = [&path] {
        void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_NOLOAD);
        if (handle)
            dlclose(handle);
        return handle != nullptr;
    };
    ExtensionHost host;
    host.load(folder.path());
    lw::EffectAssignment none;
    EXPECT_EQ(host.clearIfUnknown(none), 0);
    EXPECT_FALSE(isOpen());
    ASSERT_NE(host.findEffect(201), nullptr);
    EXPECT_TRUE(isOpen());
    host.unload();
    EXPECT_FALSE(isOpen());
}

TEST(ExtensionHostLoad, LibraryWithoutGetExtensionsIsNotAnExtension)
{
    ScratchFolder folder({"e_not_extension.lwx"});
    ExtensionHost host;
    host.load(folder.path());
    EXPECT_EQ(host.modules(), nullptr);
    EXPECT_EQ(host.findEffect(601), nullptr);
}

TEST(ExtensionHostLoad, UnloadEmptiesBothListsAndAllowsReload)
{
    ScratchFolder folder({"b_dup_first.lwx", "c_dup_second.lwx"});
    ExtensionHost host;
    host.load(folder.path());
    EXPECT_EQ(effectIds(host), (std::vector<std::int32_t>{202, 201, 201}));
    host.unload();
    EXPECT_EQ(host.modules(), nullptr);
    EXPECT_EQ(host.effects(), nullptr);
    EXPECT_EQ(host.findEffect(201), nullptr);
    EXPECT_EQ(host.effectName(201), std::optional<std::string>("Unknown"));
    host.load(folder.path());
    ASSERT_NE(host.findEffect(201), nullptr);
    EXPECT_EQ(host.findEffect(201)->name, "Dup Second");
}
