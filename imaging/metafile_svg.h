#pragma once
// Converts a loaded metafile to SVG: libemf2svg for enhanced metafiles, libwmf's SVG device for
// Windows metafiles. The converters live in a plug-in module (see metafile_plugin.h) opened on
// the first conversion.
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

// Why the converters cannot be used (their module is missing or broken); nothing when they can.
std::optional<std::string> MetafileConverterProblem();

// Nothing when the converter cannot play the metafile (or cannot be loaded). fontFolder is searched before
// the converter's own folders.
std::optional<std::string> MetafileToSvg(const Metafile& metafile,
                                         const std::string& fontFolder = kWindowsMetafileFontFolder);

} // namespace lw
