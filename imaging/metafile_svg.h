#pragma once
// Converts a loaded metafile to SVG: libemf2svg for enhanced metafiles, libwmf's SVG device for
// Windows metafiles.
#include "imaging/metafile_loader.h"

#include <optional>
#include <string>
#include <vector>

namespace lw {

// The folder the Windows metafile converter loads its fonts from. libwmf maps every metafile
// font, the default one included, to one of the thirteen standard PostScript fonts found there;
// without them it plays nothing at all, not even a metafile without text.
inline constexpr const char* kWindowsMetafileFontFolder = "/usr/share/fonts/type1/urw-base35";

// The font files of the thirteen standard fonts that a folder lacks; empty when all are there.
std::vector<std::string> MissingWindowsMetafileFonts(const std::string& folder);

// Nothing when the converter cannot play the metafile. fontFolder is searched before the
// converter's own folders.
std::optional<std::string> MetafileToSvg(const Metafile& metafile,
                                         const std::string& fontFolder = kWindowsMetafileFontFolder);

} // namespace lw
