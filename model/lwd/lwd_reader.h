#pragma once
// Reading .lwd document files, "LWDF1.0" to "LWDF1.3", into a freshly constructed document.
#include "model/document.h"
#include "model/document_limits.h"
#include "model/effect_catalog.h"
#include "platform/archive.h"
#include "platform/ui_port.h"

#include <cstdint>
#include <span>

namespace lw {

// What one file may make the reader allocate: canvas-sized frame images plus the objects' two
// images each, counted in pixels as DocumentPixels does. A file beyond it is refused before the
// allocation.
struct LwdReadLimits {
    std::int64_t maxPixels = kMaxDocumentPixels;
};

// Shown once after a load that left out damaged layer records; the list of what was dropped
// (one line each) follows it.
inline constexpr const char* kDamagedLayersText =
    "Some layers of this document are damaged and were left out; the rest of the document is "
    "complete:\n";

// Clears an assignment whose effect no installed extension offers; true when it did. Assignments
// without an effect or with a known one are left alone.
bool ClearIfUnknown(EffectAssignment& assignment, const EffectCatalog& catalog);
// The same for a frame's intro and outro (the animation effect is not checked).
bool ClearUnknownInFrame(CFrame& frame, const EffectCatalog& catalog);

// Reads the file into `doc`, which must be fresh (one empty frame). Throws ArchiveError for every
// format failure (after the newer-version message for an unknown "LWDF" magic) and for a
// truncated file; a layer record that is damaged but framed by its length is left out alone and
// reported once (kDamagedLayersText); shows the unknown-extensions warning once when effects were cleared. On
// success savedAsDocument is 1 and clone sources are resolved.
void ReadLwdDocument(CLWDoc& doc, std::span<const std::uint8_t> bytes, const EffectCatalog& catalog,
                     UiPort& ui, const LwdReadLimits& limits = {});
// The same from a reader, such as one streaming the file.
void ReadLwdDocument(CLWDoc& doc, ArchiveReader& in, const EffectCatalog& catalog, UiPort& ui,
                     const LwdReadLimits& limits = {});

} // namespace lw
