#pragma once
// Converts a loaded metafile to SVG: libemf2svg for enhanced metafiles, libwmf's SVG device for
// Windows metafiles.
#include "imaging/metafile_loader.h"

#include <optional>
#include <string>

namespace lw {

// Nothing when the converter cannot play the metafile.
std::optional<std::string> MetafileToSvg(const Metafile& metafile);

} // namespace lw
