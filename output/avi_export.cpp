#include "output/avi_export.h"

#include "platform/plugin_module.h"

#include <cstdio>
#include <filesystem>
#include <unistd.h>

namespace lw {
namespace {

// Opened on first use; a failed attempt is retried next time.
const AviWriterPlugin& aviWriter()
{
    static const AviWriterPlugin* const plugin = [] {
        const Plugin<AviWriterPlugin> writer = openPlugin<AviWriterPlugin>(kAviWriterModule, kAviWriterEntry);
        if (!writer.api)
            throw AviError("the AVI writer cannot be loaded: " + writer.problem);
        return writer.api;
    }();
    return *plugin;
}

} // namespace

std::vector<AviCodec> aviCodecs()
{
    return aviWriter().codecs();
}

std::string defaultAviName(const std::string& gifPath, const std::string& documentPath,
                           const std::string& title)
{
    return (!gifPath.empty() ? gifPath : !documentPath.empty() ? documentPath : title) + ".avi";
}

std::string withAviExtension(const std::string& path)
{
    const std::filesystem::path p(path);
    return p.has_extension() ? path : path + ".avi";
}

void exportAvi(const FrameSequence& sequence, const std::string& path, const std::string& codecName,
               const AviProgress& progress)
{
    if (sequence.empty())
        throw AviError("the animation has no images");
    if (sequence.width <= 0 || sequence.height <= 0)
        throw AviError("the canvas has no size");
    const AviWriterPlugin& writer = aviWriter();
    if (!writer.accepts(codecName))
        throw AviError("unknown AVI codec \"" + codecName + "\" (see the codec list)");
    AviVideo video{sequence.width, sequence.height, {}};
    for (const SequenceFrame* entry = sequence.first(); entry; entry = entry->next.get()) {
        if (!entry->image)
            throw AviError("a sequence entry has no image");
        const CRaster& image = *entry->image;
        if (image.width() != video.width || image.height() != video.height || !image.hasBlock())
            throw AviError("an image does not match the canvas size");
        video.images.push_back({reinterpret_cast<const std::uint8_t*>(image.bits()), entry->delay});
    }

    // Written beside the target and renamed over it only when complete.
    const std::filesystem::path target(path);
    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
    std::string temp = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        throw AviError("cannot create a file in " + folder.string());
    ::close(fd);
    try {
        writer.write(video, temp, codecName, progress);
    } catch (...) {
        std::remove(temp.c_str());
        throw;
    }
    std::error_code ec;
    std::filesystem::permissions(temp,
                                 std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                                     std::filesystem::perms::group_read | std::filesystem::perms::others_read,
                                 ec);
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        std::remove(temp.c_str());
        throw AviError("cannot write " + path);
    }
}

} // namespace lw
