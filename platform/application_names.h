#pragma once
// The program's names, defined once: window titles, message captions and the settings store take
// them from here.

namespace lw {

// The main window's title, the caption of boxes a window owns, and the settings store's name.
inline constexpr const char* kApplicationTitle = "Quarvex Loopwright GIF Animator";
// The about box and splash, and the caption of boxes raised without an owner window or by the
// document reader.
inline constexpr const char* kProductName = "Loopwright GIF Animator";

} // namespace lw
