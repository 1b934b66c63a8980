// Packed DIB conversions of CRaster: loading every depth the clipboard and BMP files use, and
// the clipboard's automatic-depth output.
#include "imaging/raster.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <unordered_map>

namespace lw {
namespace {

std::uint32_t tableColour(const std::uint8_t* entry)
{
    // Entries are B, G, R, reserved; the reserved byte is ignored and the pixel is opaque.
    return static_cast<std::uint32_t>(entry[0]) | static_cast<std::uint32_t>(entry[1]) << 8 |
           static_cast<std::uint32_t>(entry[2]) << 16;
}

std::uint32_t scaleChannel(std::uint32_t value, std::uint32_t maximum)
{
    // A zero mask gives no bits for the channel: black, not a division by zero.
    return maximum == 0 ? 0 : std::min<std::uint32_t>(value * 255 / maximum, 255);
}

} // namespace

int CRaster::LoadPackedDib(std::span<const std::uint8_t> block)
{
    if (block.size() < BitmapInfoHeader::kSize)
        return 0;
    const BitmapInfoHeader h = BitmapInfoHeader::fromBytes(block);
    const int w = h.biWidth;
    const int ht = h.biHeight;
    // Top-down DIBs and negative widths are not read; the raster stays as it was. Neither is a
    // zero side: zero-wide rows take no bytes, so a huge height would pass every size check
    // and loop for nothing.
    if (w <= 0 || ht <= 0)
        return 0;
    const std::int64_t count = static_cast<std::int64_t>(w) * ht;
    if (count > kMaxRasterPixels)
        return 0;
    const int bits = h.biBitCount;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        return 0;
    if (h.biCompression != BitmapInfoHeader::kRgb && h.biCompression != BitmapInfoHeader::kBitFields)
        return 0;

    std::size_t offset = BitmapInfoHeader::kSize;
    std::size_t tableEntries = 0;
    if (bits == 1)
        tableEntries = 2;
    else if (bits == 4)
        tableEntries = h.biClrUsed ? h.biClrUsed : 16;
    else if (bits == 8)
        tableEntries = h.biClrUsed ? h.biClrUsed : 256;
    if (tableEntries > (block.size() - offset) / 4)
        return 0;
    const std::uint8_t* table = block.data() + offset;
    offset += tableEntries * 4;
    const std::size_t usableEntries = std::min<std::size_t>(tableEntries, 256);

    const bool masks = h.biCompression == BitmapInfoHeader::kBitFields && (bits == 16 || bits == 32);
    std::uint32_t redMask = 0, greenMask = 0, blueMask = 0;
    if (masks) {
        if (block.size() - offset < 12)
            return 0;
        redMask = readLe32(block.data() + offset);
        greenMask = readLe32(block.data() + offset + 4);
        blueMask = readLe32(block.data() + offset + 8);
        offset += 12;
    }

    const std::size_t stride = ((static_cast<std::size_t>(w) * static_cast<std::size_t>(bits) + 31) / 32) * 4;
    if (ht > 0 && stride > (block.size() - offset) / static_cast<std::size_t>(ht))
        return 0;
    const std::uint8_t* data = block.data() + offset;

    CRaster loaded;
    try {
        loaded.Create(w, ht);
    } catch (...) {
        return 0;
    }
    std::uint32_t* out = loaded.memory_.data();
    // Rows keep their bottom-up order on both sides.
    for (int row = 0; row < ht; ++row) {
        const std::uint8_t* src = data + static_cast<std::size_t>(row) * stride;
        std::uint32_t* dst = out + static_cast<std::size_t>(row) * static_cast<std::size_t>(w);
        for (int x = 0; x < w; ++x) {
            std::size_t index = 0;
            switch (bits) {
            case 1:
                index = (src[x / 8] >> (7 - x % 8)) & 1;
                break;
            case 4:
                index = x % 2 == 0 ? src[x / 2] >> 4 : src[x / 2] & 0x0F;
                break;
            case 8:
                index = src[x];
                break;
            case 16: {
                const std::uint32_t p = readLe16(src + 2 * x);
                std::uint32_t r, g, b;
                if (masks) {
                    r = scaleChannel((p >> 11) & (redMask >> 11), redMask >> 11);
                    g = scaleChannel((p >> 5) & (greenMask >> 5), greenMask >> 5);
                    b = scaleChannel(p & blueMask, blueMask);
                } else {
                    r = ((p >> 10) & 31) * 255 / 31;
                    g = ((p >> 5) & 31) * 255 / 31;
                    b = (p & 31) * 255 / 31;
                }
                dst[x] = r << 16 | g << 8 | b;
                continue;
            }
            case 24:
                dst[x] = tableColour(src + 3 * x);
                continue;
            case 32:
                dst[x] = readLe32(src + 4 * x);
                continue;
            }
            if (index >= usableEntries)
                return 0; // a colour the table does not have: refuse the whole picture
            dst[x] = tableColour(table + index * 4);
        }
    }
    lockedBits_ = nullptr;
    memory_ = std::move(loaded.memory_);
    header_ = loaded.header_;
    return 1;
}

PackedDib CRaster::ToPackedDibAuto() const
{
    if (memory_.empty())
        return {};
    const bool allTransparent =
        std::all_of(memory_.begin(), memory_.end(), [](std::uint32_t p) { return (p >> 24) == 255; });
    if (!allTransparent)
        return ToPackedDib32();

    std::vector<std::uint32_t> colours;
    std::unordered_map<std::uint32_t, std::uint8_t> indexOfColour;
    for (std::uint32_t p : memory_) {
        const std::uint32_t rgb = p & 0x00FFFFFF;
        if (indexOfColour.count(rgb))
            continue;
        if (colours.size() == 256) {
            colours.push_back(rgb);
            break;
        }
        indexOfColour.emplace(rgb, static_cast<std::uint8_t>(colours.size()));
        colours.push_back(rgb);
    }
    const int w = width();
    const int h = height();
    const int bits = colours.size() <= 2 ? 1 : colours.size() <= 16 ? 4 : colours.size() <= 256 ? 8 : 24;
    const std::size_t stride = ((static_cast<std::size_t>(w) * static_cast<std::size_t>(bits) + 31) / 32) * 4;
    const std::size_t tableEntries = bits == 24 ? 0 : (std::size_t{1} << bits);
    BitmapInfoHeader header = header_;
    header.biBitCount = static_cast<std::uint16_t>(bits);
    header.biSizeImage = static_cast<std::uint32_t>(stride * static_cast<std::size_t>(h));
    header.biClrUsed = 0;
    PackedDib block;
    try {
        block.assign(BitmapInfoHeader::kSize + tableEntries * 4 + stride * static_cast<std::size_t>(h), 0);
    } catch (const std::bad_alloc&) {
        return {};
    }
    const auto headerBytes = header.toBytes();
    std::memcpy(block.data(), headerBytes.data(), headerBytes.size());
    std::uint8_t* table = block.data() + BitmapInfoHeader::kSize;
    for (std::size_t i = 0; i < colours.size() && i < tableEntries; ++i) {
        table[i * 4] = static_cast<std::uint8_t>(colours[i]);
        table[i * 4 + 1] = static_cast<std::uint8_t>(colours[i] >> 8);
        table[i * 4 + 2] = static_cast<std::uint8_t>(colours[i] >> 16);
    }
    std::uint8_t* bitsOut = table + tableEntries * 4;
    for (int row = 0; row < h; ++row) {
        const std::uint32_t* src = memory_.data() + static_cast<std::size_t>(row) * static_cast<std::size_t>(w);
        std::uint8_t* dst = bitsOut + static_cast<std::size_t>(row) * stride;
        for (int x = 0; x < w; ++x) {
            const std::uint32_t p = src[x];
            if (bits == 24) {
                // Mixed towards white by the transparency, as a viewer without alpha would show it.
                const int t = static_cast<int>(p >> 24);
                for (int c = 0; c < 3; ++c) {
                    const int v = static_cast<int>((p >> (8 * c)) & 0xFF);
                    dst[3 * x + c] = static_cast<std::uint8_t>(255 + t * (v - 255) / 255);
                }
                continue;
            }
            const std::uint8_t index = indexOfColour.at(p & 0x00FFFFFF);
            if (bits == 8)
                dst[x] = index;
            else if (bits == 4)
                dst[x / 2] = static_cast<std::uint8_t>(dst[x / 2] | (x % 2 == 0 ? index << 4 : index));
            else
                dst[x / 8] = static_cast<std::uint8_t>(dst[x / 8] | (index << (7 - x % 8)));
        }
    }
    return block;
}

} // namespace lw
