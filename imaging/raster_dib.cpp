// Packed DIB conversions of CRaster: loading every depth the clipboard and BMP files use, and
// the clipboard's automatic-depth output.
#include "imaging/raster.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <limits>
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

// One channel of a bit-field pixel: the masked bits moved down and scaled to 0 … 255, whatever
// their position and width (5-5-5 and 5-6-5 alike).
struct ChannelMask {
    std::uint32_t mask = 0;
    int shift = 0;
    explicit ChannelMask(std::uint32_t m) : mask(m), shift(m ? std::countr_zero(m) : 0) {}
    std::uint32_t operator()(std::uint32_t pixel) const
    {
        return scaleChannel((pixel & mask) >> shift, mask >> shift);
    }
};

// Header sizes of the BMP file versions whose bit-field masks sit inside the header.
constexpr std::uint32_t kV4HeaderSize = 108;
constexpr std::uint32_t kV5HeaderSize = 124;

} // namespace

std::size_t PackedDibHeaderSize(std::span<const std::uint8_t> block, CRaster::DibSource source)
{
    if (source == CRaster::DibSource::File && block.size() >= 4) {
        const std::uint32_t size = readLe32(block.data());
        if (size == kV4HeaderSize || size == kV5HeaderSize)
            return size;
    }
    return BitmapInfoHeader::kSize;
}

int CRaster::LoadPackedDib(std::span<const std::uint8_t> block, DibSource source)
{
    if (block.size() < BitmapInfoHeader::kSize)
        return 0;
    const BitmapInfoHeader h = BitmapInfoHeader::fromBytes(block);
    const std::size_t headerSize = PackedDibHeaderSize(block, source);
    if (block.size() < headerSize)
        return 0;
    const int w = h.biWidth;
    // A negative height stores the rows top-down. A zero side is refused: zero-wide rows take no
    // bytes, so a huge height would pass every size check and loop for nothing.
    const bool topDown = h.biHeight < 0;
    if (w <= 0 || h.biHeight == 0 || h.biHeight == std::numeric_limits<std::int32_t>::min())
        return 0;
    const int ht = topDown ? -h.biHeight : h.biHeight;
    const std::int64_t count = static_cast<std::int64_t>(w) * ht;
    if (count > kMaxRasterPixels)
        return 0;
    const int bits = h.biBitCount;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        return 0;
    if (h.biCompression != BitmapInfoHeader::kRgb && h.biCompression != BitmapInfoHeader::kBitFields)
        return 0;

    std::size_t offset = headerSize;
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
    std::uint32_t redMask = 0, greenMask = 0, blueMask = 0, alphaMask = 0;
    if (masks) {
        // A V4/V5 header holds the masks (alpha included) at offset 40; after a 40-byte header
        // the three colour masks follow it.
        const bool inHeader = headerSize > BitmapInfoHeader::kSize;
        const std::size_t at = inHeader ? BitmapInfoHeader::kSize : offset;
        if (block.size() - at < 12)
            return 0;
        redMask = readLe32(block.data() + at);
        greenMask = readLe32(block.data() + at + 4);
        blueMask = readLe32(block.data() + at + 8);
        if (inHeader)
            alphaMask = readLe32(block.data() + at + 12);
        else
            offset += 12;
    }

    const std::size_t stride = ((static_cast<std::size_t>(w) * static_cast<std::size_t>(bits) + 31) / 32) * 4;
    if (ht > 0 && stride > (block.size() - offset) / static_cast<std::size_t>(ht))
        return 0;
    const std::uint8_t* data = block.data() + offset;

    const ChannelMask red(redMask), green(greenMask), blue(blueMask), alpha(alphaMask);
    // The editor's own 32-bit blocks carry T as they are; bit fields are decoded only for files.
    const bool rawWords = bits == 32 && source == DibSource::Clipboard;
    const bool maskedWords = bits == 32 && !rawWords && masks;
    bool anyAlpha = false;

    CRaster loaded;
    try {
        loaded.Create(w, ht);
    } catch (...) {
        return 0;
    }
    std::uint32_t* out = loaded.bits();
    for (int row = 0; row < ht; ++row) {
        const std::uint8_t* src = data + static_cast<std::size_t>(row) * stride;
        // The raster is bottom-up; a top-down source fills it from the last row.
        const int target = topDown ? ht - 1 - row : row;
        std::uint32_t* dst = out + static_cast<std::size_t>(target) * static_cast<std::size_t>(w);
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
                if (masks) {
                    dst[x] = red(p) << 16 | green(p) << 8 | blue(p);
                } else {
                    dst[x] = ((p >> 10) & 31) * 255 / 31 << 16 | ((p >> 5) & 31) * 255 / 31 << 8 |
                             (p & 31) * 255 / 31;
                }
                continue;
            }
            case 24:
                dst[x] = tableColour(src + 3 * x);
                continue;
            case 32: {
                const std::uint32_t p = readLe32(src + 4 * x);
                if (rawWords) {
                    dst[x] = p;
                } else if (maskedWords) {
                    std::uint32_t t = 0;
                    if (alphaMask) {
                        const std::uint32_t a = alpha(p);
                        anyAlpha = anyAlpha || a != 0;
                        t = 255 - a;
                    }
                    dst[x] = t << 24 | red(p) << 16 | green(p) << 8 | blue(p);
                } else {
                    dst[x] = p & 0x00FFFFFF; // BI_RGB in a file: the fourth byte is unused
                }
                continue;
            }
            }
            if (index >= usableEntries)
                return 0; // a colour the table does not have: refuse the whole picture
            dst[x] = tableColour(table + index * 4);
        }
    }
    // Writers that declare an alpha mask but leave every alpha at 0 mean an opaque picture.
    if (alphaMask && !anyAlpha)
        for (std::uint32_t& p : loaded.pixels())
            p &= 0x00FFFFFF;
    lockedBits_ = nullptr;
    block_ = std::move(loaded.block_);
    header_ = loaded.header_;
    return 1;
}

PackedDib CRaster::ToPackedDibAuto() const
{
    if (!hasBlock())
        return {};
    const auto memory = pixels();
    const bool allTransparent =
        std::all_of(memory.begin(), memory.end(), [](std::uint32_t p) { return (p >> 24) == 255; });
    if (!allTransparent)
        return ToPackedDib32();

    std::vector<std::uint32_t> colours;
    std::unordered_map<std::uint32_t, std::uint8_t> indexOfColour;
    for (std::uint32_t p : memory) {
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
        const std::uint32_t* src =
            memory.data() + static_cast<std::size_t>(row) * static_cast<std::size_t>(w);
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
