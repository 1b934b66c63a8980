#pragma once
// The AVI writer's plug-in interface. FFmpeg and the hundred libraries it pulls in are loaded
// only by a program that writes or lists video: the writer is a module (plugins/avi_ffmpeg)
// opened on first use. This header is all the module and output/avi_export share, so it holds
// plain types only.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace lw {

struct AviCodec {
    std::string name;        // FFmpeg encoder name, e.g. "rawvideo", "mjpeg", "mpeg4"
    std::string description; // its long name
};

class AviError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The user stopped the export; nothing was written.
class AviCancelled : public AviError {
public:
    AviCancelled() : AviError("the export was cancelled") {}
};

// Told how many of the total samples are written; returning false stops the export.
using AviProgress = std::function<bool(std::size_t written, std::size_t total)>;

// The default codec: uncompressed 32-bit bottom-up DIB samples.
inline constexpr const char* kDefaultAviCodec = "rawvideo";

// One image of the video: width × height pixels of 32 bits (bytes B, G, R, T), rows bottom-up,
// shown for delay hundredths of a second.
struct AviImage {
    const std::uint8_t* bits = nullptr;
    int delay = 0;
};

struct AviVideo {
    int width = 0;
    int height = 0;
    std::vector<AviImage> images; // at least one
};

// The module's entry points. They report failures as AviError, a stop asked for by progress as
// AviCancelled.
struct AviWriterPlugin {
    // The video encoders the AVI container accepts, the default first.
    std::vector<AviCodec> (*codecs)();
    // Whether the AVI container accepts the named encoder.
    bool (*accepts)(const std::string& codec);
    // Writes the video to path with the named encoder (one the container accepts).
    void (*write)(const AviVideo& video, const std::string& path, const std::string& codec,
                  const AviProgress& progress);
};

// The module exports one function of this name, without arguments, returning its interface.
inline constexpr const char* kAviWriterEntry = "lwAviWriterPlugin";
inline constexpr const char* kAviWriterModule = "avi_ffmpeg";

} // namespace lw
