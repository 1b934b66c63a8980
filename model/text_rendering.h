#pragma once
// Rasterising text labels: one line (optionally outlined) or a paragraph, plain or antialiased by
// drawing at four times the size and averaging 4 × 4 blocks, with the metrics the label keeps.
#include "imaging/raster.h"
#include "platform/log_font.h"
#include "platform/ui_port.h"

#include <cstdint>
#include <optional>
#include <string>

namespace lw {

struct TextStyle {
    std::string text; // UTF-8; a line feed makes a paragraph
    LogFont font;
    double widthScale = 1.0;
    double letterSpacing = 0.0;
    bool antialiased = false;
    int outlineWidth = 0; // single-line text only
    std::uint32_t textColour = 0;
    int alignment = 0; // paragraphs: 0 left, 1 centred, 2 right; other values count as 0
};

struct TextMetrics {
    int ascent = 0;
    int descent = 0;
    int naturalWidth = 0; // width without letter spacing
    int width = 0;        // output size
    int height = 0;
    bool operator==(const TextMetrics&) const = default;
};

struct RenderedText {
    CRaster image; // metrics.width × metrics.height
    TextMetrics metrics;
};

// Either the rendered text or the message box to show instead (the label keeps its old pixels).
struct TextRenderResult {
    std::optional<RenderedText> text;
    std::optional<Message> error;
};

// The largest drawing surface a label may ask for; bigger ones fail as the platform would.
inline constexpr std::int64_t kMaxTextSurfacePixels = 5000LL * 5000LL;

TextRenderResult renderText(const TextStyle& style);

// Number of characters (code points) of UTF-8 text.
int characterCount(const std::string& utf8);

} // namespace lw
