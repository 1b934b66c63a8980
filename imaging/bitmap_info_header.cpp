#include "imaging/bitmap_info_header.h"

namespace lw {

std::array<std::uint8_t, BitmapInfoHeader::kSize> BitmapInfoHeader::toBytes() const
{
    std::array<std::uint8_t, kSize> b{};
    writeLe32(&b[0], biSize);
    writeLe32(&b[4], static_cast<std::uint32_t>(biWidth));
    writeLe32(&b[8], static_cast<std::uint32_t>(biHeight));
    writeLe16(&b[12], biPlanes);
    writeLe16(&b[14], biBitCount);
    writeLe32(&b[16], biCompression);
    writeLe32(&b[20], biSizeImage);
    writeLe32(&b[24], static_cast<std::uint32_t>(biXPelsPerMeter));
    writeLe32(&b[28], static_cast<std::uint32_t>(biYPelsPerMeter));
    writeLe32(&b[32], biClrUsed);
    writeLe32(&b[36], biClrImportant);
    return b;
}

BitmapInfoHeader BitmapInfoHeader::fromBytes(std::span<const std::uint8_t> bytes)
{
    const std::uint8_t* p = bytes.data();
    BitmapInfoHeader h;
    h.biSize = readLe32(p);
    h.biWidth = static_cast<std::int32_t>(readLe32(p + 4));
    h.biHeight = static_cast<std::int32_t>(readLe32(p + 8));
    h.biPlanes = readLe16(p + 12);
    h.biBitCount = readLe16(p + 14);
    h.biCompression = readLe32(p + 16);
    h.biSizeImage = readLe32(p + 20);
    h.biXPelsPerMeter = static_cast<std::int32_t>(readLe32(p + 24));
    h.biYPelsPerMeter = static_cast<std::int32_t>(readLe32(p + 28));
    h.biClrUsed = readLe32(p + 32);
    h.biClrImportant = readLe32(p + 36);
    return h;
}

} // namespace lw
