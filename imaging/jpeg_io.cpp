#include "imaging/jpeg_io.h"

#include "platform/errors.h"
#include "platform/file_io.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <new>

#include <jpeglib.h>

namespace lw {
namespace {

// libjpeg reports fatal errors through error_exit, which must not return: it jumps back to the
// setjmp of the call that is decoding or encoding. Those functions keep every object with a
// destructor outside the jump's reach (declared before setjmp).
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    int warnings = 0;
};

constexpr int kMaxWarnings = 1000;

[[noreturn]] void errorExit(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

void emitMessage(j_common_ptr info, int level)
{
    // Corrupt data produces one warning per bad segment; too many ends the decode instead of
    // crawling through garbage.
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    if (level < 0 && ++manager->warnings > kMaxWarnings)
        std::longjmp(manager->jump, 1);
}

void silentOutput(j_common_ptr) {}

void installErrorManager(jpeg_common_struct* info, ErrorManager& manager)
{
    info->err = jpeg_std_error(&manager.base);
    manager.base.error_exit = errorExit;
    manager.base.emit_message = emitMessage;
    manager.base.output_message = silentOutput;
}

constexpr long kMaxLibraryMemory = 256L * 1024L * 1024L;

} // namespace

std::optional<PackedDib> DecodeJpeg(std::span<const std::uint8_t> bytes, std::int64_t maxPixels)
{
    if (bytes.empty())
        return std::nullopt;
    PackedDib dib;
    std::size_t stride = 0;
    jpeg_decompress_struct info;
    ErrorManager errors;
    std::memset(&info, 0, sizeof info);
    installErrorManager(reinterpret_cast<jpeg_common_struct*>(&info), errors);
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        return std::nullopt;
    }
    jpeg_create_decompress(&info);
    info.mem->max_memory_to_use = kMaxLibraryMemory;
    jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    const std::int64_t pixels = static_cast<std::int64_t>(info.image_width) * info.image_height;
    if (info.image_width == 0 || info.image_height == 0 || pixels > maxPixels) {
        jpeg_destroy_decompress(&info);
        return std::nullopt;
    }
    // Grey, YCbCr and RGB files come out as B, G, R like a DIB row; CMYK cannot and fails here.
    info.out_color_space = JCS_EXT_BGR;
    jpeg_start_decompress(&info);
    const std::size_t w = info.output_width;
    const std::size_t h = info.output_height;
    stride = (3 * w + 3) / 4 * 4;
    try {
        dib.assign(BitmapInfoHeader::kSize + stride * h, 0);
    } catch (const std::bad_alloc&) {
        jpeg_destroy_decompress(&info);
        return std::nullopt;
    }
    BitmapInfoHeader header;
    header.biWidth = static_cast<std::int32_t>(w);
    header.biHeight = static_cast<std::int32_t>(h);
    header.biBitCount = 24;
    header.biSizeImage = static_cast<std::uint32_t>(stride * h);
    const auto headerBytes = header.toBytes();
    std::memcpy(dib.data(), headerBytes.data(), headerBytes.size());
    while (info.output_scanline < info.output_height) {
        // Scan lines arrive top-down; the DIB stores the bottom row first.
        JSAMPROW row = dib.data() + BitmapInfoHeader::kSize + (h - 1 - info.output_scanline) * stride;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return dib;
}

std::optional<PackedDib> LoadJPEG(const std::string& path)
{
    try {
        return DecodeJpeg(readFile(path));
    } catch (const FileError&) {
        return std::nullopt;
    }
}

std::optional<std::vector<std::uint8_t>> EncodeJpeg(std::span<const std::uint8_t> packedDib, int quality)
{
    if (packedDib.size() < BitmapInfoHeader::kSize)
        return std::nullopt;
    const BitmapInfoHeader header = BitmapInfoHeader::fromBytes(packedDib);
    const int bits = header.biBitCount;
    if ((bits != 32 && bits != 24) || header.biCompression != BitmapInfoHeader::kRgb || header.biWidth < 1 ||
        header.biHeight < 1 || static_cast<std::int64_t>(header.biWidth) * header.biHeight > kMaxRasterPixels)
        return std::nullopt;
    const std::size_t w = static_cast<std::size_t>(header.biWidth);
    const std::size_t h = static_cast<std::size_t>(header.biHeight);
    const std::size_t bytesPerPixel = static_cast<std::size_t>(bits) / 8;
    const std::size_t stride = (w * bytesPerPixel + 3) / 4 * 4;
    if (stride * h > packedDib.size() - BitmapInfoHeader::kSize)
        return std::nullopt;

    unsigned char* buffer = nullptr;
    unsigned long length = 0;
    jpeg_compress_struct info;
    ErrorManager errors;
    std::memset(&info, 0, sizeof info);
    installErrorManager(reinterpret_cast<jpeg_common_struct*>(&info), errors);
    if (setjmp(errors.jump)) {
        jpeg_destroy_compress(&info);
        std::free(buffer);
        return std::nullopt;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, &buffer, &length);
    info.image_width = static_cast<JDIMENSION>(w);
    info.image_height = static_cast<JDIMENSION>(h);
    // The transparency byte of 32-bit pixels is skipped: B, G, R, T reads as BGRX.
    info.input_components = static_cast<int>(bytesPerPixel);
    info.in_color_space = bits == 32 ? JCS_EXT_BGRX : JCS_EXT_BGR;
    jpeg_set_defaults(&info);
    if (quality >= 0)
        jpeg_set_quality(&info, quality > 100 ? 100 : quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        const std::uint8_t* source =
            packedDib.data() + BitmapInfoHeader::kSize + (h - 1 - info.next_scanline) * stride;
        JSAMPROW row = const_cast<JSAMPROW>(source);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::vector<std::uint8_t> out;
    try {
        out.assign(buffer, buffer + length);
    } catch (const std::bad_alloc&) {
        std::free(buffer);
        return std::nullopt;
    }
    std::free(buffer);
    return out;
}

bool SaveJPEG(const std::string& path, std::span<const std::uint8_t> packedDib, int quality)
{
    const auto bytes = EncodeJpeg(packedDib, quality);
    if (!bytes)
        return false;
    try {
        writeFileAtomically(path, *bytes);
    } catch (const FileError&) {
        return false;
    }
    return true;
}

} // namespace lw
