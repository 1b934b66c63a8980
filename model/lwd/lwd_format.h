#pragma once
// Names and numbers of the .lwd document file: the magic strings with the versions they select,
// the section tags, and the texts the reader shows.
#include <cstdint>
#include <optional>
#include <string_view>

namespace lw {

inline constexpr std::string_view kLwdMagic = "LWDF1.3";
inline constexpr std::string_view kLwdMagicPrefix = "LWDF";
inline constexpr std::string_view kFrameSectionTag = "XFRM";
inline constexpr std::string_view kLinkSectionTag = "HREF";

// "LWDF1.0" = 3 … "LWDF1.3" = 6. Version 4 added intro and outro assignments, 5 the frame border,
// the objects' animation effect and the label alignment, 6 the frame's animation effect and the
// reserved kind fields.
inline constexpr int kLwdVersion10 = 3;
inline constexpr int kLwdVersion11 = 4;
inline constexpr int kLwdVersion12 = 5;
inline constexpr int kLwdVersion13 = 6;

inline std::optional<int> LwdVersionOfMagic(std::string_view magic)
{
    if (magic == "LWDF1.0")
        return kLwdVersion10;
    if (magic == "LWDF1.1")
        return kLwdVersion11;
    if (magic == "LWDF1.2")
        return kLwdVersion12;
    if (magic == "LWDF1.3")
        return kLwdVersion13;
    return std::nullopt;
}

inline constexpr const char* kNewerVersionText =
    "Этот файл создан более новой версией программы Loopwright GIF Animator. Посетите сайт "
    "www.quarvex.com и обновите программу, чтобы открыть его.";
inline constexpr const char* kUnknownExtensionsCaption = "Unknown Extensions - Loopwright GIF Animator";
inline constexpr const char* kUnknownExtensionsText =
    "This document contains animation effects that are not available in your installation of Loopwright GIF "
    "Animator. Some of the data will be lost if this document will be saved. Please verify with document "
    "author "
    "or check Quarvex web site for latest Loopwright extensions. ";

} // namespace lw
