#include "app/editor/image_dimensions.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>
#include <cstdint>
#include <fstream>

namespace lw {
namespace {

std::string lowerExtension(const std::string& path)
{
    const auto dot = path.find_last_of('.');
    if (dot == std::string::npos || path.find_first_of("/\\", dot) != std::string::npos)
        return {};
    std::string ext = path.substr(dot);
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    return ext;
}

template <std::size_t N> bool readBytes(std::ifstream& in, std::array<std::uint8_t, N>& bytes)
{
    return static_cast<bool>(in.read(reinterpret_cast<char*>(bytes.data()), N));
}

std::uint32_t le32(const std::uint8_t* p)
{
    return p[0] | p[1] << 8 | p[2] << 16 | std::uint32_t{p[3]} << 24;
}

std::string tr(const char* text)
{
    return QCoreApplication::translate("ImageDimensions", text).toStdString();
}

std::optional<ImageDimensions> refuse(UiPort& ui, const char* text, const char* caption, MsgIcon icon)
{
    ui.messageBox(Message{tr(text), caption ? tr(caption) : std::string(), icon, MsgButtons::Ok});
    return std::nullopt;
}

} // namespace

std::optional<ImageDimensions> readImageDimensions(const std::string& path, UiPort& ui)
{
    const std::string ext = lowerExtension(path);
    if (ext != ".gif" && ext != ".bmp")
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    if (ext == ".gif") {
        std::array<std::uint8_t, 10> header{};
        if (!readBytes(in, header))
            return std::nullopt;
        if (header[0] != 'G' || header[1] != 'I' || header[2] != 'F')
            return refuse(ui, "No GIF Format", nullptr, MsgIcon::None);
        return ImageDimensions{header[6] | header[7] << 8, header[8] | header[9] << 8};
    }
    constexpr const char* kBmpCaption = "Error loading BMP file";
    std::array<std::uint8_t, 14> fileHeader{};
    if (!readBytes(in, fileHeader))
        return std::nullopt;
    if (fileHeader[0] != 'B' || fileHeader[1] != 'M')
        return refuse(ui, "File is NOT Bitmap file", kBmpCaption, MsgIcon::Error);
    std::array<std::uint8_t, 40> info{};
    // A 12-byte core header with a small palette may end before 40 bytes: judged by its size field.
    const bool complete = readBytes(in, info);
    if (le32(info.data()) != 40)
        return refuse(ui, "File is not Windows Bitmap. Save BMP file in Windows bitmap format and try again.",
                      kBmpCaption, MsgIcon::Error);
    if (!complete)
        return std::nullopt;
    // A top-down bitmap stores its height negated; the canvas wants the rows it has.
    const auto width = static_cast<std::int32_t>(le32(info.data() + 4));
    const auto height = static_cast<std::int32_t>(le32(info.data() + 8));
    auto side = [](std::int32_t v) {
        return static_cast<int>((v < 0 ? 0u - static_cast<std::uint32_t>(v) : static_cast<std::uint32_t>(v)) &
                                0xFFFFu);
    };
    return ImageDimensions{side(width), side(height)};
}

} // namespace lw
