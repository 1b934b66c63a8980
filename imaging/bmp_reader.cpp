#include "imaging/bmp_reader.h"

#include "platform/errors.h"
#include "platform/file_io.h"

#include <algorithm>
#include <cstdlib>

namespace lw {
namespace {

constexpr std::size_t kFileHeaderSize = 14;

void showError(UiPort& ui, const char* text, const char* title)
{
    ui.messageBox(Message{text, title, MsgIcon::Error, MsgButtons::Ok});
}

// Bytes a packed DIB with this header needs to be read completely, or 0 when it is not a
// picture LoadPackedDib reads anyway.
std::size_t dibBytesNeeded(const BitmapInfoHeader& h, std::size_t headerSize)
{
    const std::int64_t rows = std::abs(static_cast<std::int64_t>(h.biHeight));
    if (h.biWidth < 0 || static_cast<std::int64_t>(h.biWidth) * rows > kMaxImportPixels)
        return 0;
    const std::size_t bits = h.biBitCount;
    std::size_t table = 0;
    if (bits == 1)
        table = 2;
    else if (bits == 4)
        table = h.biClrUsed ? h.biClrUsed : 16;
    else if (bits == 8)
        table = h.biClrUsed ? h.biClrUsed : 256;
    if (table > 256)
        return 0;
    // Masks follow a 40-byte header; larger headers hold them.
    const std::size_t masks =
        h.biCompression == BitmapInfoHeader::kBitFields && headerSize == BitmapInfoHeader::kSize ? 12 : 0;
    const std::size_t stride = ((static_cast<std::size_t>(h.biWidth) * bits + 31) / 32) * 4;
    return headerSize + table * 4 + masks + stride * static_cast<std::size_t>(rows);
}

} // namespace

std::optional<PackedDib> ReadBmpBytes(std::span<const std::uint8_t> file, UiPort& ui)
{
    if (file.size() < kFileHeaderSize || readLe16(file.data()) != 0x4D42) {
        showError(ui, kBmpNotBitmap, kBmpErrorTitle);
        return std::nullopt;
    }
    const std::uint32_t totalSize = readLe32(file.data() + 2);
    if (totalSize > kMaxInputFileSize) {
        showError(ui, kBmpOutOfMemory, kBmpErrorTitle);
        return std::nullopt;
    }
    // The block has the size the file header states, zero-filled; the rest of the file is read
    // into it. Only as much of a block larger than the file is made as the picture can use.
    const auto rest = file.subspan(kFileHeaderSize);
    const std::size_t copied = std::min<std::size_t>(totalSize, rest.size());
    PackedDib block(rest.begin(), rest.begin() + static_cast<std::ptrdiff_t>(copied));
    if (block.size() < BitmapInfoHeader::kSize)
        block.resize(std::min<std::size_t>(totalSize, BitmapInfoHeader::kSize), 0);
    BitmapInfoHeader header;
    header.biSize = 0;
    if (block.size() >= BitmapInfoHeader::kSize)
        header = BitmapInfoHeader::fromBytes(block);
    // Windows bitmap headers: the 40-byte one and the V4 and V5 ones that extend it.
    if (header.biSize != 40 && header.biSize != 108 && header.biSize != 124) {
        showError(ui, kBmpNotWindowsBitmap, kBmpErrorTitle);
        return std::nullopt;
    }
    if (header.biCompression == BitmapInfoHeader::kRle8 || header.biCompression == BitmapInfoHeader::kRle4) {
        showError(ui, kBmpRleText, kBmpRleTitle);
        return std::nullopt;
    }
    const std::size_t needed = std::min<std::size_t>(dibBytesNeeded(header, header.biSize), totalSize);
    if (block.size() < needed)
        block.resize(needed, 0);
    return block;
}

std::optional<ImportedPicture> ImportBmp(const std::string& path, UiPort& ui)
{
    std::vector<std::uint8_t> file;
    try {
        file = readFile(path);
    } catch (const FileError&) {
        return std::nullopt;
    }
    auto dib = ReadBmpBytes(file, ui);
    if (!dib)
        return std::nullopt;
    ImportedPicture picture;
    const BitmapInfoHeader header = BitmapInfoHeader::fromBytes(*dib);
    if (static_cast<std::int64_t>(header.biWidth) * std::abs(static_cast<std::int64_t>(header.biHeight)) >
            kMaxImportPixels ||
        !picture.raster.LoadPackedDib(*dib, CRaster::DibSource::File) || !picture.raster.hasBlock()) {
        showError(ui, kBmpDamaged, kBmpErrorTitle);
        return std::nullopt;
    }
    picture.width = picture.raster.width();
    picture.height = picture.raster.height();
    const auto pixels = picture.raster.pixels();
    picture.hasTransparency =
        std::any_of(pixels.begin(), pixels.end(), [](std::uint32_t p) { return (p >> 24) != 0; });
    return picture;
}

} // namespace lw
