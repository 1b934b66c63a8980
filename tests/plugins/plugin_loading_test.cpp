// Rendering, inspecting and exporting frames never load the plug-in modules nor their libraries;
// the first piece of work that needs one loads it and its libraries.
#include "support/picture_builders.h"
#include "support/test_paths.h"

#include "imaging/metafile_plugin.h"
#include "imaging/metafile_svg.h"
#include "output/avi_export.h"
#include "platform/plugin_module.h"
#include "tools/lwtool/command_line.h"
#include "tools/lwtool/commands.h"
#include "tools/lwtool/console_ui_port.h"

#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <link.h>
#include <string>
#include <vector>

namespace {

// Whether an object whose file name contains part is loaded in this process.
bool loaded(const std::string& part)
{
    struct Search {
        const std::string* part;
        bool found;
    } search{&part, false};
    dl_iterate_phdr(
        [](dl_phdr_info* info, std::size_t, void* data) {
            auto* s = static_cast<Search*>(data);
            if (info->dlpi_name && std::string(info->dlpi_name).find(*s->part) != std::string::npos)
                s->found = true;
            return 0;
        },
        &search);
    return search.found;
}

struct Plugin {
    const char* module;
    const char* library; // one library only the module links
    std::function<void()> use;
};

TEST(PluginLoading, OnlyTheWorkThatNeedsAModuleLoadsIt)
{
    const std::vector<Plugin> plugins = {
        {lw::kAviWriterModule, "libavcodec", [] { ASSERT_FALSE(lw::aviCodecs().empty()); }},
        {lw::kMetafileConverterModule, "libemf2svg",
         [] {
             lw::Metafile metafile;
             metafile.bytes = lwtest::enhancedMetafile(40, 40, 0, 0, 20, 20, 0x0000FF);
             ASSERT_TRUE(lw::MetafileToSvg(metafile).has_value());
         }},
    };
    QTemporaryDir out;
    const std::string example = lwtest::buildDir() + "/examples/fashion.lwd";
    const std::vector<std::vector<std::string>> commands = {
        {"render", example, "-o", out.filePath("a.gif").toStdString(), "-q"},
        {"render", example, "-o", out.filePath("b.gif").toStdString(), "--no-optimise", "-q"},
        {"frame", example, "-o", out.filePath("c.bmp").toStdString(), "-q"},
        {"info", example, "-q"},
        {"html", example, "--gif", out.filePath("d.gif").toStdString(), "-q"},
    };
    for (const auto& args : commands) {
        lwtool::ConsoleUiPort ui(true);
        ASSERT_EQ(lwtool::runCommand(lwtool::parseCommandLine(args), ui), lwtool::kExitOk) << args[0];
        for (const Plugin& plugin : plugins)
            for (const char* part : {plugin.module, plugin.library})
                EXPECT_FALSE(loaded(part)) << args[0] << " " << part;
    }
    for (const Plugin& plugin : plugins) {
        plugin.use();
        for (const char* part : {plugin.module, plugin.library})
            EXPECT_TRUE(loaded(part)) << part;
    }
}

TEST(PluginLoading, AMissingModuleOrEntryPointIsNamedNotFatal)
{
    struct Case {
        const char* module;
        const char* entry;
        const char* problemMentions; // nullptr: the entry point is found
    };
    const Case cases[] = {
        {lw::kAviWriterModule, lw::kAviWriterEntry, nullptr},
        {"no_such_module", lw::kAviWriterEntry, "no_such_module.so"},
        {lw::kAviWriterModule, "NoSuchEntryPoint", "has no entry point NoSuchEntryPoint"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.module) + " " + c.entry);
        const lw::PluginEntry entry = lw::openPluginEntry(c.module, c.entry);
        if (!c.problemMentions) {
            EXPECT_NE(entry.function, nullptr);
            EXPECT_TRUE(entry.problem.empty()) << entry.problem;
        } else {
            EXPECT_EQ(entry.function, nullptr);
            EXPECT_NE(entry.problem.find(c.problemMentions), std::string::npos) << entry.problem;
        }
    }
}

} // namespace
