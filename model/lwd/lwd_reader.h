#pragma once
// Reading .lwd document files, "LWDF1.0" to "LWDF1.3", into a freshly constructed document.
#include "model/document.h"
#include "model/effect_catalog.h"
#include "platform/ui_port.h"

#include <cstdint>
#include <span>

namespace lw {

// What one file may make the reader allocate: canvas-sized frame images plus the objects' two
// images each, counted in pixels. A file beyond it is refused before the allocation.
struct LwdReadLimits {
    std::int64_t maxPixels = 128LL * 1024 * 1024;
};

// Clears an assignment whose effect no installed extension offers; true when it did. Assignments
// without an effect or with a known one are left alone.
bool ClearIfUnknown(EffectAssignment& assignment, const EffectCatalog& catalog);
// The same for a frame's intro and outro (the animation effect is not checked).
bool ClearUnknownInFrame(CFrame& frame, const EffectCatalog& catalog);

// Reads the file into `doc`, which must be fresh (one empty frame). Throws ArchiveError for every
// format failure (after the newer-version message for an unknown "LWDF" magic) and for a
// truncated file; shows the unknown-extensions warning once when effects were cleared. On success
// savedAsDocument is 1 and clone sources are resolved.
void ReadLwdDocument(CLWDoc& doc, std::span<const std::uint8_t> bytes, const EffectCatalog& catalog,
                     UiPort& ui, const LwdReadLimits& limits = {});

} // namespace lw
