#pragma once
// AVI export of a compiled animation: one video stream whose time unit is 1/100 s, every image
// a key frame at its start time, and the last image written once more at the end so that it
// keeps its full delay. FFmpeg stands in for the platform's AVI library; it is reached through
// the AVI writer module (see avi_plugin.h), and a missing module is reported as an AviError.
#include "imaging/frame_sequence.h"
#include "output/avi_plugin.h"

#include <string>
#include <vector>

namespace lw {

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
