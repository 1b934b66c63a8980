// The metafile converters module: libemf2svg for enhanced metafiles, libwmf's SVG device for
// Windows metafiles, behind the plug-in interface of imaging/metafile_plugin.h. Only this module
// links them.
#include "imaging/metafile_plugin.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <vector>

#include <emf2svg.h>
#include <libwmf/api.h>
#include <libwmf/svg.h>

namespace lw {
namespace {

std::optional<std::string> enhancedToSvg(std::span<const std::uint8_t> bytes)
{
    // The converter takes a mutable buffer; it gets its own copy.
    std::vector<char> contents(bytes.begin(), bytes.end());
    generatorOptions options{};
    char nameSpace[] = "";
    options.nameSpace = nameSpace;
    options.verbose = false;
    options.emfplus = true;
    options.svgDelimiter = true;
    char* out = nullptr;
    std::size_t length = 0;
    const int ok = emf2svg(contents.data(), contents.size(), &out, &length, &options);
    std::optional<std::string> svg;
    if (ok && out && length > 0)
        svg.emplace(out, length);
    std::free(out);
    return svg;
}

// Owns a libwmf API object.
struct WmfApi {
    wmfAPI* api = nullptr;
    ~WmfApi()
    {
        if (api)
            wmf_api_destroy(api);
    }
};

std::optional<std::string> windowsToSvg(std::span<const std::uint8_t> bytes,
                                        const std::optional<MetafileWindow>& window,
                                        const std::string& fontFolder)
{
    wmfAPI_Options options{};
    options.function = wmf_svg_function;
    std::string folder = fontFolder;
    std::array<char*, 2> fontDirs{folder.data(), nullptr};
    options.fontdirs = fontDirs.data();
    WmfApi holder;
    const unsigned long flags =
        WMF_OPT_FUNCTION | WMF_OPT_FONTDIRS | WMF_OPT_IGNORE_NONFATAL | WMF_OPT_NO_ERROR | WMF_OPT_NO_DEBUG;
    if (wmf_api_create(&holder.api, flags, &options) != wmf_E_None)
        return std::nullopt;
    std::vector<unsigned char> contents(bytes.begin(), bytes.end());
    if (wmf_mem_open(holder.api, contents.data(), static_cast<long>(contents.size())) != wmf_E_None)
        return std::nullopt;
    wmfD_Rect bbox{};
    if (wmf_scan(holder.api, 0, &bbox) != wmf_E_None) {
        wmf_mem_close(holder.api);
        return std::nullopt;
    }
    // The picture is the metafile's window, not only the part that is drawn on.
    if (window && window->right != window->left && window->bottom != window->top) {
        bbox.TL.x = static_cast<float>(std::min(window->left, window->right));
        bbox.TL.y = static_cast<float>(std::min(window->top, window->bottom));
        bbox.BR.x = static_cast<float>(std::max(window->left, window->right));
        bbox.BR.y = static_cast<float>(std::max(window->top, window->bottom));
    }
    wmf_svg_t* device = WMF_SVG_GetData(holder.api);
    device->out = wmf_stream_create(holder.api, nullptr);
    if (!device->out) {
        wmf_mem_close(holder.api);
        return std::nullopt;
    }
    char description[] = "Loopwright metafile";
    device->Description = description;
    device->bbox = bbox;
    unsigned int width = 0;
    unsigned int height = 0;
    wmf_display_size(holder.api, &width, &height, 96, 96);
    device->width = width ? width : 1;
    device->height = height ? height : 1;
    const wmf_error_t played = wmf_play(holder.api, 0, &bbox);
    char* buffer = nullptr;
    unsigned long length = 0;
    wmf_stream_destroy(holder.api, device->out, &buffer, &length);
    device->out = nullptr;
    device->Description = nullptr;
    wmf_mem_close(holder.api);
    if (played != wmf_E_None || !buffer || length == 0)
        return std::nullopt;
    return std::string(buffer, length);
}

constexpr MetafileConverterPlugin kPlugin{enhancedToSvg, windowsToSvg};

} // namespace
} // namespace lw

extern "C" __attribute__((visibility("default"))) const lw::MetafileConverterPlugin*
lwMetafileConverterPlugin()
{
    return &lw::kPlugin;
}
