#include "imaging/ico_reader.h"

#include "platform/errors.h"
#include "platform/file_io.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>

#include <cstdlib>
#include <cstring>
#include <vector>

namespace lw {
namespace {

constexpr std::size_t kDirectorySize = 6;
constexpr std::size_t kEntrySize = 16;
constexpr int kMaxIconSide = 1024;

struct Entry {
    int width = 0;
    int height = 0;
    int bitCount = 0;
    std::uint32_t size = 0;
    std::uint32_t offset = 0;
};

// An icon image at its own size: colour (0x00RRGGBB), straight alpha and the AND mask, top row
// first. Alpha is used only when the image carries it.
struct IconImage {
    int width = 0;
    int height = 0;
    bool hasAlpha = false;
    std::vector<std::uint32_t> colour;
    std::vector<std::uint8_t> alpha;
    std::vector<std::uint8_t> mask; // 1 = background shows through
};

// The entry the system would pick for a 32 × 32 icon: nearest size, then the most colours.
std::optional<Entry> chooseEntry(std::span<const std::uint8_t> file)
{
    if (file.size() < kDirectorySize || readLe16(file.data()) != 0 || readLe16(file.data() + 2) != 1)
        return std::nullopt;
    const std::size_t count = readLe16(file.data() + 4);
    if (count == 0 || count > (file.size() - kDirectorySize) / kEntrySize)
        return std::nullopt;
    std::optional<Entry> best;
    int bestDistance = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t* e = file.data() + kDirectorySize + i * kEntrySize;
        Entry entry;
        entry.width = e[0] ? e[0] : 256;
        entry.height = e[1] ? e[1] : 256;
        entry.bitCount = readLe16(e + 6);
        entry.size = readLe32(e + 8);
        entry.offset = readLe32(e + 12);
        if (entry.offset >= file.size() || entry.size > file.size() - entry.offset)
            continue;
        const int distance = std::abs(entry.width - kIconSize) + std::abs(entry.height - kIconSize);
        if (!best || distance < bestDistance ||
            (distance == bestDistance && entry.bitCount > best->bitCount)) {
            best = entry;
            bestDistance = distance;
        }
    }
    return best;
}

std::optional<IconImage> decodePng(std::span<const std::uint8_t> data)
{
    // The size is checked before anything is decoded.
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data.data()),
                                               static_cast<qsizetype>(data.size()));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "PNG");
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > kMaxIconSide || size.height() > kMaxIconSide)
        return std::nullopt;
    QImage image;
    if (!reader.read(&image))
        return std::nullopt;
    if (image.width() < 1 || image.height() < 1 || image.width() > kMaxIconSide ||
        image.height() > kMaxIconSide)
        return std::nullopt;
    image = image.convertToFormat(QImage::Format_ARGB32);
    IconImage icon;
    icon.width = image.width();
    icon.height = image.height();
    icon.hasAlpha = true;
    const std::size_t n = static_cast<std::size_t>(icon.width) * static_cast<std::size_t>(icon.height);
    icon.colour.resize(n);
    icon.alpha.resize(n);
    icon.mask.assign(n, 0);
    for (int y = 0; y < icon.height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < icon.width; ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * static_cast<std::size_t>(icon.width) + x;
            icon.colour[i] = line[x] & 0x00FFFFFF;
            icon.alpha[i] = static_cast<std::uint8_t>(qAlpha(line[x]));
        }
    }
    return icon;
}

// An icon image in the DIB form: header with the doubled height, colour table, XOR bits, then
// the 1-bit AND mask.
std::optional<IconImage> decodeDib(std::span<const std::uint8_t> data)
{
    if (data.size() < BitmapInfoHeader::kSize)
        return std::nullopt;
    BitmapInfoHeader header = BitmapInfoHeader::fromBytes(data);
    if (header.biSize != 40 || header.biCompression != BitmapInfoHeader::kRgb)
        return std::nullopt;
    const int w = header.biWidth;
    const int h = header.biHeight / 2;
    if (w < 1 || h < 1 || w > kMaxIconSide || h > kMaxIconSide)
        return std::nullopt;
    const int bits = header.biBitCount;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32)
        return std::nullopt;

    // The XOR part is an ordinary packed DIB of the real height.
    header.biHeight = h;
    header.biSizeImage = 0;
    std::vector<std::uint8_t> xorDib(data.begin(), data.end());
    const auto headerBytes = header.toBytes();
    std::memcpy(xorDib.data(), headerBytes.data(), headerBytes.size());
    CRaster colours;
    if (!colours.LoadPackedDib(xorDib) || !colours.hasBlock())
        return std::nullopt;

    std::size_t table = 0;
    if (bits <= 8)
        table = header.biClrUsed ? header.biClrUsed : (std::size_t{1} << bits);
    const std::size_t xorStride = ((static_cast<std::size_t>(w) * bits + 31) / 32) * 4;
    const std::size_t maskOffset =
        BitmapInfoHeader::kSize + table * 4 + xorStride * static_cast<std::size_t>(h);
    const std::size_t maskStride = ((static_cast<std::size_t>(w) + 31) / 32) * 4;
    // Icons with alpha often leave the mask out; a missing mask counts as all opaque.
    const bool hasMask = maskOffset <= data.size() && maskStride * h <= data.size() - maskOffset;

    IconImage icon;
    icon.width = w;
    icon.height = h;
    const std::size_t n = static_cast<std::size_t>(w) * static_cast<std::size_t>(h);
    icon.colour.resize(n);
    icon.alpha.assign(n, 255);
    icon.mask.assign(n, 0);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * static_cast<std::size_t>(w) + x;
            const std::uint32_t p = colours.bits()[colours.indexOf(x, y)];
            icon.colour[i] = p & 0x00FFFFFF;
            if (bits == 32)
                icon.alpha[i] = static_cast<std::uint8_t>(p >> 24);
            if (hasMask) {
                const std::size_t row = static_cast<std::size_t>(h - 1 - y);
                const std::uint8_t byte =
                    data[maskOffset + row * maskStride + static_cast<std::size_t>(x) / 8];
                icon.mask[i] = (byte >> (7 - x % 8)) & 1;
            }
        }
    }
    if (bits == 32)
        for (std::uint8_t a : icon.alpha)
            if (a != 0) {
                icon.hasAlpha = true;
                break;
            }
    return icon;
}

// What drawing the icon over a plain background shows: alpha blending for icons with alpha,
// otherwise the mask keeps the background and the colour is XORed onto it.
std::uint32_t drawnPixel(const IconImage& icon, std::size_t i, std::uint32_t background)
{
    const std::uint32_t c = icon.colour[i];
    if (icon.hasAlpha) {
        const std::uint32_t a = icon.alpha[i];
        std::uint32_t out = 0;
        for (int shift = 0; shift < 24; shift += 8) {
            const std::uint32_t s = (c >> shift) & 0xFF;
            const std::uint32_t d = (background >> shift) & 0xFF;
            out |= ((s * a + d * (255 - a)) / 255) << shift;
        }
        return out;
    }
    return ((icon.mask[i] ? background : 0) ^ c) & 0x00FFFFFF;
}

} // namespace

std::optional<IconDrawings> DrawIcon(std::span<const std::uint8_t> file)
{
    const auto entry = chooseEntry(file);
    if (!entry)
        return std::nullopt;
    const auto data = file.subspan(entry->offset, entry->size);
    static constexpr std::uint8_t kPng[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    const bool png = data.size() >= 8 && std::memcmp(data.data(), kPng, 8) == 0;
    const auto icon = png ? decodePng(data) : decodeDib(data);
    if (!icon)
        return std::nullopt;
    // Other sizes are stretched to 32 × 32 with nearest neighbours.
    IconDrawings drawings;
    for (int y = 0; y < kIconSize; ++y)
        for (int x = 0; x < kIconSize; ++x) {
            const std::size_t sx = static_cast<std::size_t>(x * icon->width / kIconSize);
            const std::size_t sy = static_cast<std::size_t>(y * icon->height / kIconSize);
            const std::size_t i = sy * static_cast<std::size_t>(icon->width) + sx;
            drawings.onWhite[static_cast<std::size_t>(y * kIconSize + x)] = drawnPixel(*icon, i, 0xFFFFFF);
            drawings.onBlack[static_cast<std::size_t>(y * kIconSize + x)] = drawnPixel(*icon, i, 0);
        }
    return drawings;
}

ImportedPicture IconPicture(const IconDrawings& drawings)
{
    ImportedPicture picture;
    picture.raster.Create(kIconSize, kIconSize);
    picture.raster.FillRect(0xFF000000);
    for (int y = 0; y < kIconSize; ++y)
        for (int x = 0; x < kIconSize; ++x) {
            const std::size_t i = static_cast<std::size_t>(y * kIconSize + x);
            const std::uint32_t white = drawings.onWhite[i];
            const bool showsBackground = white == 0xFFFFFF && drawings.onBlack[i] == 0;
            picture.raster.bits()[picture.raster.indexOf(x, y)] = showsBackground ? 0xFFFFFFFF : white;
        }
    picture.hasTransparency = true;
    picture.width = kIconSize;
    picture.height = kIconSize;
    return picture;
}

std::optional<ImportedPicture> ImportIcon(const std::string& path)
{
    std::vector<std::uint8_t> file;
    try {
        file = readFile(path);
    } catch (const FileError&) {
        return std::nullopt;
    }
    const auto drawings = DrawIcon(file);
    if (!drawings)
        return std::nullopt;
    return IconPicture(*drawings);
}

} // namespace lw
