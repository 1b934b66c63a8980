#include "app/editor/colour_dialog_model.h"

#include "app/editor/colour_wheel.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace lw {

namespace {

int& channelRef(Rgb& rgb, ColourChannel channel)
{
    switch (channel) {
    case ColourChannel::Red:
        return rgb.red;
    case ColourChannel::Green:
        return rgb.green;
    case ColourChannel::Blue:
        break;
    }
    return rgb.blue;
}

} // namespace

ColourDialogModel::ColourDialogModel(std::uint32_t start, std::string caption, bool allowTransparency)
    : caption_(std::move(caption)), allowTransparency_(allowTransparency), start_(start)
{
    setWholeColour(start);
}

void ColourDialogModel::setWholeColour(std::uint32_t colour)
{
    rgb_ = rgbOf(colour);
    transparency_ = transparencyOf(colour);
    opacity_ = opacityPercent(transparency_);
    hsv_ = rgbToHsv(rgb_);
}

void ColourDialogModel::fromHsv()
{
    rgb_ = hsvToRgb(hsv_);
}

int ColourDialogModel::component(ColourChannel channel) const
{
    Rgb copy = rgb_;
    return channelRef(copy, channel);
}

std::span<const NamedColour> ColourDialogModel::namedColours() const
{
    return lw::namedColours(allowTransparency_);
}

std::string ColourDialogModel::hexDigits() const
{
    char text[8];
    std::snprintf(text, sizeof text, "%02X%02X%02X", rgb_.red, rgb_.green, rgb_.blue);
    return text;
}

void ColourDialogModel::typeComponent(ColourChannel channel, std::string_view text)
{
    setComponent(channel, componentFromText(text));
}

void ColourDialogModel::setComponent(ColourChannel channel, int value)
{
    channelRef(rgb_, channel) = value & 0xFF;
    hsv_ = rgbToHsv(rgb_);
}

void ColourDialogModel::stepComponent(ColourChannel channel, int delta)
{
    setComponent(channel, std::clamp(component(channel) + delta, 0, 255));
}

void ColourDialogModel::typeOpacity(std::string_view text)
{
    setOpacity(opacityFromText(text));
}

void ColourDialogModel::setOpacity(int percent)
{
    if (!allowTransparency_)
        return;
    opacity_ = std::clamp(percent, 0, 100);
    transparency_ = transparencyForOpacity(opacity_);
}

void ColourDialogModel::stepOpacity(int delta)
{
    setOpacity(opacity_ + delta);
}

void ColourDialogModel::pickOnDisk(int x, int y)
{
    const HueSaturation picked = diskPick(x, y);
    hsv_.hue = picked.hue;
    hsv_.saturation = picked.saturation;
    fromHsv();
}

void ColourDialogModel::pickOnStrip(int y)
{
    hsv_.value = stripPick(y);
    fromHsv();
}

void ColourDialogModel::chooseNamed(std::size_t index)
{
    const auto list = namedColours();
    if (index < list.size())
        setWholeColour(list[index].value);
}

std::optional<std::uint32_t> ColourDialogModel::parseHex(std::string_view digits)
{
    if (digits.empty() || digits.size() > 8)
        return std::nullopt;
    std::uint32_t value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
    if (error != std::errc{} || end != digits.data() + digits.size())
        return std::nullopt;
    return value;
}

bool ColourDialogModel::enterHex(std::string_view digits)
{
    const auto value = parseHex(digits);
    if (!value)
        return false;
    // Without transparency on offer a typed transparency byte would be a choice the dialog hides.
    setWholeColour(allowTransparency_ ? *value : *value & 0x00FFFFFF);
    return true;
}

} // namespace lw
