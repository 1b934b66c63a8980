// Rendering, inspecting and exporting frames never load the AVI writer module nor FFmpeg; the
// first question about video loads both.
#include "support/test_paths.h"

#include "output/avi_export.h"
#include "platform/program_folders.h"
#include "tools/lwtool/command_line.h"
#include "tools/lwtool/commands.h"
#include "tools/lwtool/console_ui_port.h"

#include <QTemporaryDir>
#include <dlfcn.h>
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

bool moduleOpen()
{
    void* handle = dlopen(lw::pluginPath(lw::kAviWriterModule).c_str(), RTLD_NOW | RTLD_NOLOAD);
    if (handle)
        dlclose(handle);
    return handle != nullptr;
}

TEST(PluginLoading, OnlyVideoWorkLoadsTheAviWriter)
{
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
        EXPECT_FALSE(moduleOpen()) << args[0];
        EXPECT_FALSE(loaded("libavcodec")) << args[0];
    }
    ASSERT_FALSE(lw::aviCodecs().empty());
    EXPECT_TRUE(moduleOpen());
    EXPECT_TRUE(loaded("libavcodec"));
}

} // namespace
