#pragma once
// AVI export of a compiled animation: one video stream whose time unit is 1/100 s, every image
// a key frame at its start time, and the last image written once more at the end so that it
// keeps its full delay. FFmpeg stands in for the platform's AVI library.
#include "imaging/frame_sequence.h"

#include <cstddef>
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

// The video encoders the AVI container accepts, the default first.
std::vector<AviCodec> aviCodecs();

// The name the export proposes: the GIF path, else the document's path, else its title, with
// ".avi" appended in every case.
std::string defaultAviName(const std::string& gifPath, const std::string& documentPath,
                           const std::string& title);
// A chosen name without an extension gets ".avi".
std::string withAviExtension(const std::string& path);

// Writes the sequence to path with the named encoder. Throws AviError on any failure and
// AviCancelled when progress says stop; the target is replaced only when the whole file was
// written.
void exportAvi(const FrameSequence& sequence, const std::string& path,
               const std::string& codec = kDefaultAviCodec, const AviProgress& progress = {});

} // namespace lw
