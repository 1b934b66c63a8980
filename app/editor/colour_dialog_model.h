#pragma once
// The state behind the colour dialog: one 0xTTRRGGBB colour seen as red, green, blue, opacity and
// hue/saturation/value. Every control reports its change here; the widget then reads everything
// back. The colour is only recomposed from what changed, so OK without a change returns the start
// colour as it was.
#include "app/editor/colour_math.h"
#include "filters/named_colours.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace lw {

enum class ColourChannel { Red, Green, Blue };

class ColourDialogModel {
public:
    ColourDialogModel(std::uint32_t start, std::string caption, bool allowTransparency);

    const std::string& caption() const { return caption_; }
    bool allowsTransparency() const { return allowTransparency_; }
    std::uint32_t startColour() const { return start_; }
    std::uint32_t colour() const { return composeColour(transparency_, rgb_); }

    int component(ColourChannel channel) const;
    int opacity() const { return opacity_; }
    const Hsv& hsv() const { return hsv_; }
    // The list "Конкретный цвет:", without "Transparent" when transparency is not offered.
    std::span<const NamedColour> namedColours() const;
    // The hexadecimal button's caption "#RRGGBB" and the six digits dialog 232 starts with.
    std::string hexCaption() const { return "#" + hexDigits(); }
    std::string hexDigits() const;

    void typeComponent(ColourChannel channel, std::string_view text);
    void setComponent(ColourChannel channel, int value);
    void stepComponent(ColourChannel channel, int delta);

    // Opacity changes leave hue, saturation and value alone; they do nothing without transparency.
    void typeOpacity(std::string_view text);
    void setOpacity(int percent);
    void stepOpacity(int delta);

    // Disk and strip positions in their own pixels; the transparency is kept.
    void pickOnDisk(int x, int y);
    void pickOnStrip(int y);

    void chooseNamed(std::size_t index);
    // Dialog 232: hexadecimal digits for the whole colour (six give an opaque one). False, and no
    // change, when the text is empty, too long or not hexadecimal.
    bool enterHex(std::string_view digits);
    static std::optional<std::uint32_t> parseHex(std::string_view digits);

private:
    void setWholeColour(std::uint32_t colour);
    void fromHsv();

    std::string caption_;
    bool allowTransparency_ = true;
    std::uint32_t start_ = 0;
    Rgb rgb_;
    int transparency_ = 0;
    int opacity_ = 100;
    Hsv hsv_;
};

} // namespace lw
