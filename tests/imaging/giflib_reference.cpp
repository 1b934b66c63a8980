#include "giflib_reference.h"
#include "support/picture_builders.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <gif_lib.h>
#include <iterator>
#include <random>
#include <unistd.h>

namespace lwtest {

namespace {

struct MemoryInput {
    const std::vector<std::uint8_t>* bytes;
    std::size_t pos = 0;
};

int readFromMemory(GifFileType* gif, GifByteType* out, int n)
{
    auto* in = static_cast<MemoryInput*>(gif->UserData);
    const std::size_t left = in->bytes->size() - in->pos;
    const std::size_t take = std::min<std::size_t>(left, static_cast<std::size_t>(n));
    std::memcpy(out, in->bytes->data() + in->pos, take);
    in->pos += take;
    return static_cast<int>(take);
}

int writeToMemory(GifFileType* gif, const GifByteType* data, int n)
{
    auto* out = static_cast<std::vector<std::uint8_t>*>(gif->UserData);
    out->insert(out->end(), data, data + n);
    return n;
}

} // namespace

ReferenceGif giflibDecode(const std::vector<std::uint8_t>& bytes)
{
    ReferenceGif result;
    MemoryInput input{&bytes, 0};
    int error = 0;
    GifFileType* gif = DGifOpen(&input, readFromMemory, &error);
    if (!gif) {
        result.error = GifErrorString(error);
        return result;
    }
    if (DGifSlurp(gif) != GIF_OK) {
        result.error = GifErrorString(gif->Error);
        DGifCloseFile(gif, &error);
        return result;
    }
    result.ok = true;
    result.screenWidth = gif->SWidth;
    result.screenHeight = gif->SHeight;
    for (int i = 0; i < gif->ImageCount; ++i) {
        const SavedImage& image = gif->SavedImages[i];
        ReferenceFrame frame;
        frame.left = image.ImageDesc.Left;
        frame.top = image.ImageDesc.Top;
        frame.width = image.ImageDesc.Width;
        frame.height = image.ImageDesc.Height;
        frame.interlaced = image.ImageDesc.Interlace;
        GraphicsControlBlock gcb;
        if (DGifSavedExtensionToGCB(gif, i, &gcb) == GIF_OK) {
            frame.delay = gcb.DelayTime;
            frame.disposal = gcb.DisposalMode;
            frame.transparentIndex = gcb.TransparentColor;
        }
        for (int e = 0; e < image.ExtensionBlockCount; ++e) {
            const ExtensionBlock& block = image.ExtensionBlocks[e];
            if (block.Function == APPLICATION_EXT_FUNC_CODE && block.ByteCount == 11 &&
                std::memcmp(block.Bytes, "NETSCAPE2.0", 11) == 0 && e + 1 < image.ExtensionBlockCount &&
                image.ExtensionBlocks[e + 1].ByteCount == 3)
                result.loopCount =
                    image.ExtensionBlocks[e + 1].Bytes[1] | image.ExtensionBlocks[e + 1].Bytes[2] << 8;
        }
        const ColorMapObject* map = image.ImageDesc.ColorMap ? image.ImageDesc.ColorMap : gif->SColorMap;
        const std::size_t n = static_cast<std::size_t>(frame.width) * static_cast<std::size_t>(frame.height);
        frame.indices.assign(image.RasterBits, image.RasterBits + n);
        for (std::uint8_t index : frame.indices) {
            std::uint32_t colour = 0;
            if (map && index < map->ColorCount) {
                const GifColorType& c = map->Colors[index];
                colour = std::uint32_t{c.Red} << 16 | std::uint32_t{c.Green} << 8 | c.Blue;
            }
            if (index == frame.transparentIndex)
                colour |= 0xFF000000u;
            frame.pixels.push_back(colour);
        }
        result.frames.push_back(std::move(frame));
    }
    DGifCloseFile(gif, &error);
    return result;
}

std::vector<std::uint8_t> giflibEncode(int screenWidth, int screenHeight,
                                       const std::vector<std::uint32_t>& colours,
                                       const std::vector<ReferenceImage>& images)
{
    std::vector<std::uint8_t> out;
    int error = 0;
    GifFileType* gif = EGifOpen(&out, writeToMemory, &error);
    if (!gif)
        return {};
    int size = 2;
    while (size < static_cast<int>(colours.size()))
        size *= 2;
    std::vector<GifColorType> table(static_cast<std::size_t>(size));
    for (std::size_t i = 0; i < colours.size(); ++i)
        table[i] =
            GifColorType{static_cast<GifByteType>(colours[i] >> 16),
                         static_cast<GifByteType>(colours[i] >> 8), static_cast<GifByteType>(colours[i])};
    ColorMapObject* map = GifMakeMapObject(size, table.data());
    EGifSetGifVersion(gif, true);
    EGifPutScreenDesc(gif, screenWidth, screenHeight, 8, 0, map);
    for (const ReferenceImage& image : images) {
        GraphicsControlBlock gcb{};
        gcb.DelayTime = image.delay;
        gcb.TransparentColor = image.transparentIndex;
        gcb.DisposalMode = image.disposal;
        GifByteType ext[4];
        const std::size_t length = EGifGCBToExtension(&gcb, ext);
        EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), ext);
        EGifPutImageDesc(gif, image.left, image.top, image.width, image.height, image.interlaced, nullptr);
        std::vector<GifByteType> row(static_cast<std::size_t>(image.width));
        // Interlaced images are written in pass order.
        std::vector<int> order;
        if (image.interlaced) {
            for (int pass = 0; pass < 4; ++pass) {
                static const int start[4] = {0, 4, 2, 1}, step[4] = {8, 8, 4, 2};
                for (int y = start[pass]; y < image.height; y += step[pass])
                    order.push_back(y);
            }
        } else {
            for (int y = 0; y < image.height; ++y)
                order.push_back(y);
        }
        for (int y : order) {
            std::memcpy(row.data(), image.indices.data() + static_cast<std::size_t>(y) * row.size(),
                        row.size());
            EGifPutLine(gif, row.data(), image.width);
        }
    }
    GifFreeMapObject(map);
    EGifCloseFile(gif, &error);
    return out;
}

std::vector<std::vector<std::uint32_t>> composeReference(const ReferenceGif& gif)
{
    std::vector<std::vector<std::uint32_t>> result;
    std::vector<std::uint32_t> screen(
        static_cast<std::size_t>(gif.screenWidth) * static_cast<std::size_t>(gif.screenHeight), 0);
    for (const ReferenceFrame& f : gif.frames) {
        for (int y = 0; y < f.height; ++y)
            for (int x = 0; x < f.width; ++x) {
                const int sx = f.left + x, sy = f.top + y;
                if (sx >= gif.screenWidth || sy >= gif.screenHeight)
                    continue;
                const std::uint32_t p =
                    f.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(f.width) +
                             static_cast<std::size_t>(x)];
                if ((p >> 24) == 0)
                    screen[static_cast<std::size_t>(sy) * static_cast<std::size_t>(gif.screenWidth) +
                           static_cast<std::size_t>(sx)] = p;
            }
        result.push_back(screen);
    }
    return result;
}

void BitPacker::put(int code, int width)
{
    acc_ |= static_cast<std::uint64_t>(code) << bits_;
    bits_ += width;
    while (bits_ >= 8) {
        bytes_.push_back(static_cast<std::uint8_t>(acc_));
        acc_ >>= 8;
        bits_ -= 8;
    }
}

std::vector<std::uint8_t> BitPacker::finish()
{
    if (bits_ > 0)
        bytes_.push_back(static_cast<std::uint8_t>(acc_));
    acc_ = 0;
    bits_ = 0;
    return std::move(bytes_);
}

std::vector<std::uint8_t> gifAroundData(int width, int height, int codeSize,
                                        const std::vector<std::uint8_t>& lzw, bool interlaced)
{
    std::vector<std::uint8_t> g = {'G',
                                   'I',
                                   'F',
                                   '8',
                                   '9',
                                   'a',
                                   static_cast<std::uint8_t>(width),
                                   static_cast<std::uint8_t>(width >> 8),
                                   static_cast<std::uint8_t>(height),
                                   static_cast<std::uint8_t>(height >> 8),
                                   0x81,
                                   0,
                                   0,
                                   0,
                                   0,
                                   0,
                                   0xFF,
                                   0,
                                   0,
                                   0,
                                   0xFF,
                                   0,
                                   0,
                                   0,
                                   0xFF,
                                   0x2C,
                                   0,
                                   0,
                                   0,
                                   0,
                                   static_cast<std::uint8_t>(width),
                                   static_cast<std::uint8_t>(width >> 8),
                                   static_cast<std::uint8_t>(height),
                                   static_cast<std::uint8_t>(height >> 8),
                                   static_cast<std::uint8_t>(interlaced ? 0x40 : 0),
                                   static_cast<std::uint8_t>(codeSize)};
    for (std::size_t i = 0; i < lzw.size(); i += 255) {
        const std::size_t n = std::min<std::size_t>(255, lzw.size() - i);
        g.push_back(static_cast<std::uint8_t>(n));
        g.insert(g.end(), lzw.begin() + static_cast<long>(i), lzw.begin() + static_cast<long>(i + n));
    }
    g.push_back(0);
    g.push_back(0x3B);
    return g;
}

std::string makeTempFolder(const std::string& tag)
{
    return testTempFolder(tag);
}

bool runCommand(const std::string& command)
{
    return std::system((command + " >/dev/null 2>&1").c_str()) == 0;
}

bool haveTool(const std::string& name)
{
    return runCommand("command -v " + name);
}

std::vector<std::vector<std::uint32_t>> imageMagickCoalesce(const std::string& gifPath, int width, int height)
{
    const std::string out = gifPath + ".rgba";
    if (!runCommand("convert '" + gifPath + "' -coalesce -depth 8 rgba:'" + out + "'"))
        return {};
    std::ifstream in(out, std::ios::binary);
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::filesystem::remove(out);
    const std::size_t frameBytes = static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4;
    std::vector<std::vector<std::uint32_t>> frames;
    for (std::size_t at = 0; frameBytes > 0 && at + frameBytes <= bytes.size(); at += frameBytes) {
        std::vector<std::uint32_t> frame;
        for (std::size_t i = at; i < at + frameBytes; i += 4) {
            const std::uint32_t rgb =
                std::uint32_t{bytes[i]} << 16 | std::uint32_t{bytes[i + 1]} << 8 | bytes[i + 2];
            frame.push_back(bytes[i + 3] == 0 ? 0u : (0xFF000000u | rgb));
        }
        frames.push_back(std::move(frame));
    }
    return frames;
}

std::vector<std::uint32_t> topDownRgb(const lw::CRaster& raster)
{
    std::vector<std::uint32_t> out;
    for (int y = 0; y < raster.height(); ++y)
        for (int x = 0; x < raster.width(); ++x)
            out.push_back(raster.bits()[raster.indexOf(x, y)]);
    return out;
}

} // namespace lwtest
