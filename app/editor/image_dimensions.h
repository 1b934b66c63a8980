#pragma once
// "Из изображения...": the canvas size read from a GIF's logical screen or a BMP's info header.
#include "platform/ui_port.h"

#include <optional>
#include <string>

namespace lw {

struct ImageDimensions {
    int width = 0;
    int height = 0;
};

// The size of a .gif or .bmp file (judged by its extension, any case), each side the low 16 bits
// of the stored value. A file of another kind, or one too short to hold its header, gives nothing
// silently; a wrong signature or header size is reported through `ui` and gives nothing.
std::optional<ImageDimensions> readImageDimensions(const std::string& path, UiPort& ui);

} // namespace lw
