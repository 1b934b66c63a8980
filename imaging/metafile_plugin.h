#pragma once
// The metafile converters' plug-in interface. libemf2svg and libwmf are loaded only by a program
// that imports a metafile: the converters are a module (plugins/metafile_svg) opened on first
// use. This header is all the module and imaging/metafile_svg share, so it holds plain types only.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace lw {

// The window a Windows metafile's records set, in its logical units.
struct MetafileWindow {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// The module's entry points: the picture as SVG, or nothing when the converter cannot play it.
struct MetafileConverterPlugin {
    std::optional<std::string> (*enhancedToSvg)(std::span<const std::uint8_t> bytes);
    // window, when given, is the picture's extent instead of the part that is drawn on; fonts are
    // looked up in fontFolder before the converter's own folders.
    std::optional<std::string> (*windowsToSvg)(std::span<const std::uint8_t> bytes,
                                               const std::optional<MetafileWindow>& window,
                                               const std::string& fontFolder);
};

// The module exports one function of this name, without arguments, returning its interface.
inline constexpr const char* kMetafileConverterEntry = "lwMetafileConverterPlugin";
inline constexpr const char* kMetafileConverterModule = "metafile_svg";

} // namespace lw
