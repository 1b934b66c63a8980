#pragma once
// Renders a metafile into a layer picture at a size the user confirms ("Metafile Raster"):
// once on white and once on black; pixels that differ between the two become transparent.
#include "imaging/imported_picture.h"
#include "imaging/metafile_loader.h"
#include "imaging/metafile_svg.h"
#include "imaging/picture_questions.h"

#include <optional>

namespace lw {

inline constexpr const char* kMetafileRasterFailed = "Сбой растеризации WMF file";
// Shown instead when a Windows metafile cannot be played because the converter's fonts are not
// installed; %s is the font folder.
inline constexpr const char* kMetafileFontsMissing =
    "Сбой растеризации WMF file: the Windows metafile fonts are missing from %s "
    "(install the package fonts-urw-base35).";
// Shown instead when the metafile converters' module cannot be loaded; %s is the loader's reason.
inline constexpr const char* kMetafileConverterMissing =
    "Сбой растеризации WMF file: the metafile converters cannot be loaded (%s).";

// frameRect: the target frame's canvas rectangle, whose right and bottom / 10 are proposed when
// the metafile's bounds are negative. Nothing when the user cancels or the rendering fails (then
// after the failure message). A Windows metafile needs the converter's fonts in fontFolder; when
// they are missing the picture is refused before the size is asked.
std::optional<ImportedPicture> RasteriseMetafile(const Metafile& metafile, PictureUiPort& ui,
                                                 const RasterRect& frameRect,
                                                 const std::string& fontFolder = kWindowsMetafileFontFolder);

// The size proposed in the dialog.
MetafileRasterQuestion ProposedMetafileSize(const Metafile& metafile, const RasterRect& frameRect);

} // namespace lw
