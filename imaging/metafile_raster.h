#pragma once
// Renders a metafile into a layer picture at a size the user confirms ("Metafile Raster"):
// once on white and once on black; pixels that differ between the two become transparent.
#include "imaging/imported_picture.h"
#include "imaging/metafile_loader.h"
#include "platform/ui_port.h"

#include <optional>

namespace lw {

inline constexpr const char* kMetafileRasterFailed = "Сбой растеризации WMF file";

// frameRect: the target frame's canvas rectangle, whose right and bottom / 10 are proposed when
// the metafile's bounds are negative. Nothing when the user cancels or the rendering fails (then
// after the failure message).
std::optional<ImportedPicture> RasteriseMetafile(const Metafile& metafile, UiPort& ui,
                                                 const RasterRect& frameRect);

// The size proposed in the dialog.
MetafileRasterQuestion ProposedMetafileSize(const Metafile& metafile, const RasterRect& frameRect);

} // namespace lw
