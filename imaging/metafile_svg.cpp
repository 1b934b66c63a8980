#include "imaging/metafile_svg.h"

#include "imaging/metafile_plugin.h"
#include "platform/plugin_module.h"

#include <array>
#include <filesystem>
#include <utility>

namespace lw {
namespace {

// The files libwmf's built-in map gives the thirteen standard PostScript fonts.
constexpr std::array<const char*, 13> kStandardFontFiles{
    "NimbusMonoPS-Regular.t1", "NimbusMonoPS-Italic.t1", "NimbusMonoPS-Bold.t1", "NimbusMonoPS-BoldItalic.t1",
    "NimbusSans-Regular.t1",   "NimbusSans-Italic.t1",   "NimbusSans-Bold.t1",   "NimbusSans-BoldItalic.t1",
    "NimbusRoman-Regular.t1",  "NimbusRoman-Italic.t1",  "NimbusRoman-Bold.t1",  "NimbusRoman-BoldItalic.t1",
    "StandardSymbolsPS.t1"};

// Opened on the first conversion.
const Plugin<MetafileConverterPlugin>& converter()
{
    static const Plugin<MetafileConverterPlugin> loaded =
        openPlugin<MetafileConverterPlugin>(kMetafileConverterModule, kMetafileConverterEntry);
    return loaded;
}

} // namespace

std::vector<std::string> MissingWindowsMetafileFonts(const std::string& folder)
{
    std::vector<std::string> missing;
    for (const char* file : kStandardFontFiles) {
        std::error_code error;
        if (!std::filesystem::is_regular_file(std::filesystem::path(folder) / file, error))
            missing.emplace_back(file);
    }
    return missing;
}

std::optional<std::string> MetafileConverterProblem()
{
    const std::string& problem = converter().problem;
    return problem.empty() ? std::nullopt : std::optional(problem);
}

std::optional<std::string> MetafileToSvg(const Metafile& metafile, const std::string& fontFolder)
{
    const MetafileConverterPlugin* plugin = converter().api;
    if (metafile.bytes.empty() || !plugin)
        return std::nullopt;
    if (metafile.kind == MetafileKind::Enhanced)
        return plugin->enhancedToSvg(metafile.bytes);
    std::optional<MetafileWindow> window;
    if (const auto rect = WindowRect(metafile.bytes))
        window = MetafileWindow{rect->left, rect->top, rect->right, rect->bottom};
    return plugin->windowsToSvg(metafile.bytes, window, fontFolder);
}

} // namespace lw
