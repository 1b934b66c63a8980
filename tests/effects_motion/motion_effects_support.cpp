#include "motion_effects_support.h"

#include "support/test_paths.h"

#include <QTemporaryDir>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <stdexcept>

namespace lwtest {

namespace {

// The copy's folder must outlive the host that loaded from it.
struct LoadedLibrary {
    QTemporaryDir folder;
    lw::ExtensionHost host;
};

} // namespace

const lw::ExtensionHost& hostWithLibraries(const std::vector<std::string>& names)
{
    static std::map<std::vector<std::string>, std::unique_ptr<LoadedLibrary>> loaded;
    auto& entry = loaded[names];
    if (!entry) {
        entry = std::make_unique<LoadedLibrary>();
        const std::filesystem::path folder = entry->folder.path().toStdString();
        for (const std::string& name : names) {
            const std::filesystem::path built =
                std::filesystem::path(buildDir()) / "extensions" / (name + ".lwx");
            std::error_code error;
            std::filesystem::copy_file(built, folder / (name + ".lwx"), error);
            EXPECT_FALSE(error) << "cannot copy " << built << ": " << error.message();
        }
        entry->host.load(folder.string());
    }
    return entry->host;
}

const lw::ExtensionHost& hostWithLibrary(const std::string& name)
{
    return hostWithLibraries({name});
}

const lw::ExtensionModule& libraryModule(const std::string& name)
{
    const lw::ExtensionModule* module = hostWithLibrary(name).modules();
    if (!module || module->fileName != name + ".lwx") {
        ADD_FAILURE() << name << ".lwx was not loaded";
        throw std::runtime_error(name + ".lwx was not loaded");
    }
    return *module;
}

LWXEffectContext objectContext(const LWXRect& canvas, const LWXRect& home, std::int32_t frameCount,
                               std::int32_t speed, std::int32_t param)
{
    LWXEffectContext ctx{};
    ctx.canvas = canvas;
    ctx.home = home;
    ctx.current = home;
    ctx.objectType = 2;
    ctx.frameCount = frameCount;
    ctx.speed = speed;
    ctx.param = param;
    return ctx;
}

} // namespace lwtest
