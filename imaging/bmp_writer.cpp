#include "imaging/bmp_writer.h"

#include "platform/errors.h"
#include "platform/file_io.h"

#include <cstring>

namespace lw {

PackedDib ToPackedDib24(const CRaster& raster)
{
    if (!raster.hasBlock())
        return {};
    const int w = raster.width();
    const int h = raster.height();
    const std::size_t stride = (3 * static_cast<std::size_t>(w) + 3) / 4 * 4;
    const std::size_t imageSize = stride * static_cast<std::size_t>(h);
    BitmapInfoHeader header;
    header.biWidth = w;
    header.biHeight = h;
    header.biBitCount = 24;
    header.biCompression = BitmapInfoHeader::kRgb;
    header.biSizeImage = static_cast<std::uint32_t>(imageSize);
    PackedDib block(BitmapInfoHeader::kSize + imageSize, 0);
    const auto headerBytes = header.toBytes();
    std::memcpy(block.data(), headerBytes.data(), headerBytes.size());
    // The raster is bottom-up like the DIB, so stored rows map one to one.
    const std::uint32_t* pixels = raster.bits();
    for (int row = 0; row < h; ++row) {
        std::uint8_t* dst = block.data() + BitmapInfoHeader::kSize + static_cast<std::size_t>(row) * stride;
        const std::uint32_t* src = pixels + static_cast<std::size_t>(row) * static_cast<std::size_t>(w);
        for (int x = 0; x < w; ++x) {
            dst[3 * x] = static_cast<std::uint8_t>(src[x]);
            dst[3 * x + 1] = static_cast<std::uint8_t>(src[x] >> 8);
            dst[3 * x + 2] = static_cast<std::uint8_t>(src[x] >> 16);
        }
    }
    return block;
}

std::vector<std::uint8_t> BmpFileBytes(const CRaster& raster)
{
    const PackedDib dib = ToPackedDib24(raster);
    if (dib.empty())
        return {};
    std::vector<std::uint8_t> file(14 + dib.size(), 0);
    file[0] = 'B';
    file[1] = 'M';
    writeLe32(file.data() + 2, static_cast<std::uint32_t>(file.size()));
    writeLe32(file.data() + 10, 54);
    std::memcpy(file.data() + 14, dib.data(), dib.size());
    return file;
}

void WriteBmpFile(const std::string& path, const CRaster& raster)
{
    const auto bytes = BmpFileBytes(raster);
    if (bytes.empty())
        throw FileError(path, "the picture is empty");
    writeFileAtomically(path, bytes);
}

} // namespace lw
