#pragma once
// Writing the .lwd document file ("LWDF1.3").
#include "model/document.h"
#include "platform/archive.h"

#include <cstdint>
#include <vector>

namespace lw {

// The identity a frame is written under: its position counted from 1, so that 0 stays "none"
// and writing the same document twice gives the same bytes.
std::uint32_t FrameFileId(const CAnimation& animation, const CFrame& frame);

// The frame section: "XFRM", identities, the frame's fields in the version-6 order, then each
// object's record (length first) from the bottom up and a 0 length.
void WriteFrameSection(ArchiveWriter& out, const CAnimation& animation, const CFrame& frame);

// The whole file: magic, text font, canvas size, loop count, frame sections, the link section and
// the 4 zero end bytes. Clone references must have been prepared.
std::vector<std::uint8_t> WriteLwdDocument(const CLWDoc& doc);

} // namespace lw
