// The reading side of GifAnimation: parsing a GIF stream, LZW decompression, rasters and the
// composed animation. Sizes stated in the file are checked before anything is allocated, and
// data is only ever kept as far as it was actually read.
#include "imaging/gif_animation.h"
#include "imaging/gif_frame_list.h"
#include "imaging/gif_screen.h"
#include "imaging/lzw_codec.h"
#include "platform/application_names.h"
#include "platform/errors.h"
#include "platform/ui_port.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <new>

namespace lw {

namespace {

// Decoding costs less per pixel than coding, so it shares frames out only from four times as many.
constexpr std::size_t kParallelPixels = 4 * kGifParallelPixels;

constexpr const char* kOverBudgetText = "The GIF file holds more image data than can be opened.";

// A cursor over the file's bytes; every read reports whether the bytes were there.
class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> data) : data_(data) {}
    bool atEnd() const { return pos_ >= data_.size(); }
    bool byte(int& v)
    {
        if (pos_ >= data_.size())
            return false;
        v = data_[pos_++];
        return true;
    }
    bool le16(int& v)
    {
        if (data_.size() - pos_ < 2)
            return false;
        v = data_[pos_] | data_[pos_ + 1] << 8;
        pos_ += 2;
        return true;
    }
    bool bytes(std::uint8_t* out, std::size_t n)
    {
        if (data_.size() - pos_ < n)
            return false;
        std::memcpy(out, data_.data() + pos_, n);
        pos_ += n;
        return true;
    }
    // A span of n bytes in place.
    bool take(std::size_t n, const std::uint8_t*& out)
    {
        if (data_.size() - pos_ < n)
            return false;
        out = data_.data() + pos_;
        pos_ += n;
        return true;
    }
    // The total length of the sub-blocks from here up to the zero length; false when the data
    // ends first. Reads nothing.
    bool subBlocksLength(std::size_t& total) const
    {
        total = 0;
        for (std::size_t at = pos_; at < data_.size();) {
            const std::size_t length = data_[at];
            if (length == 0)
                return true;
            total += length;
            at += 1 + length;
        }
        return false;
    }
    // Skips sub-blocks, starting with an already read length, until a zero length.
    bool skipSubBlocks(int length)
    {
        while (length != 0) {
            if (data_.size() - pos_ < static_cast<std::size_t>(length))
                return false;
            pos_ += static_cast<std::size_t>(length);
            if (!byte(length))
                return false;
        }
        return true;
    }

private:
    std::span<const std::uint8_t> data_;
    std::size_t pos_ = 0;
};

enum class ImageResult { Complete, Truncated, TooLarge, OverBudget };

void tell(UiPort& ui, const std::string& text)
{
    ui.messageBox(Message{text, kApplicationTitle, MsgIcon::Warning, MsgButtons::Ok});
}

} // namespace

int GifAnimation::Read(std::span<const std::uint8_t> data, UiPort& ui)
{
    clearFrames();
    loopCount = 1;
    animated = 0;
    codedFrames = 0;
    globalPalette.reset();
    globalPaletteSize = 0;
    colourResolution = 0;
    sorted = 0;
    backgroundIndex = 0;
    screenWidth = screenHeight = 0;

    ByteReader in(data);
    std::uint8_t signature[3];
    if (!in.bytes(signature, 3) || std::memcmp(signature, "GIF", 3) != 0) {
        tell(ui, "No GIF Format");
        return 0;
    }
    auto reject = [&](const std::string& text) {
        clearFrames();
        globalPalette.reset();
        globalPaletteSize = 0;
        loopCount = 1;
        animated = 0;
        tell(ui, text);
        return 0;
    };

    std::uint8_t versionBytes[3] = {0, 0, 0};
    int width = 0, height = 0, packed = 0, background = 0, aspect = 0;
    if (!in.bytes(versionBytes, 3) || !in.le16(width) || !in.le16(height) || !in.byte(packed) ||
        !in.byte(background) || !in.byte(aspect))
        return reject("The GIF file contains no image.");
    std::memcpy(version, versionBytes, 3);
    version[3] = '\0';
    screenWidth = static_cast<std::uint16_t>(width);
    screenHeight = static_cast<std::uint16_t>(height);
    backgroundIndex = static_cast<std::uint8_t>(background);
    sorted = (packed & 0x08) ? 1 : 0;
    colourResolution = static_cast<std::uint8_t>((packed >> 4) & 7);
    globalPaletteSize = static_cast<std::uint16_t>(2 << (packed & 7));
    if (packed & 0x80) {
        globalPalette = std::make_unique<GifColourTable>();
        globalPalette->fill(0);
        if (!in.bytes(globalPalette->data(), std::size_t{globalPaletteSize} * 3))
            return reject("The GIF file contains no image.");
    }

    // Every frame record costs as much as a small image, so a file of nothing but frame headers
    // cannot make an unbounded list either.
    constexpr std::int64_t kFrameCost = 1024;
    std::int64_t totalPixels = 0;
    int images = 0;
    GifFrame* pending = nullptr;
    auto newFrame = [&]() -> GifFrame* {
        totalPixels += kFrameCost;
        if (totalPixels > maxTotalPixels)
            return nullptr;
        return &appendEmptyFrame();
    };
    // Drops the frame that was being read when the data ran out.
    auto dropLast = [&] {
        if (!frames)
            return;
        if (!frames->next) {
            frames.reset();
            return;
        }
        GifFrame* f = frames.get();
        while (f->next->next)
            f = f->next.get();
        f->next.reset();
    };

    auto readImage = [&](GifFrame& frame) -> ImageResult {
        int left = 0, top = 0, w = 0, h = 0, flags = 0;
        if (!in.le16(left) || !in.le16(top) || !in.le16(w) || !in.le16(h) || !in.byte(flags))
            return ImageResult::Truncated;
        const std::int64_t pixels = std::int64_t{w} * h;
        if (pixels > maxFramePixels) {
            frame.width = static_cast<std::uint16_t>(w);
            frame.height = static_cast<std::uint16_t>(h);
            return ImageResult::TooLarge;
        }
        totalPixels += pixels;
        if (totalPixels > maxTotalPixels)
            return ImageResult::OverBudget;
        frame.left = static_cast<std::uint16_t>(left);
        frame.top = static_cast<std::uint16_t>(top);
        frame.codedWidth = static_cast<std::uint16_t>(w);
        frame.codedHeight = static_cast<std::uint16_t>(h);
        // Nothing outside the screen is shown, so none of it is kept; a GIF without a screen
        // size keeps its frames whole.
        frame.width = static_cast<std::uint16_t>(screenWidth ? std::clamp(screenWidth - left, 0, w) : w);
        frame.height = static_cast<std::uint16_t>(screenHeight ? std::clamp(screenHeight - top, 0, h) : h);
        frame.interlaced = (flags & 0x40) ? 1 : 0;
        frame.localSorted = (flags & 0x20) ? 1 : 0;
        if (flags & 0x80) {
            frame.localPaletteSize = static_cast<std::uint16_t>(2 << (flags & 7));
            frame.localPalette = std::make_unique<GifColourTable>();
            frame.localPalette->fill(0);
            if (!in.bytes(frame.localPalette->data(), std::size_t{frame.localPaletteSize} * 3))
                return ImageResult::Truncated;
        }
        int codeSize = 0;
        if (!in.byte(codeSize))
            return ImageResult::Truncated;
        frame.codeSize = static_cast<std::uint8_t>(codeSize);
        // The data takes only what is actually there, whatever the image size claims, and is
        // measured first so that it is copied once.
        std::vector<std::uint8_t>& out = frame.compressed;
        out.clear();
        std::size_t total = 0;
        if (!in.subBlocksLength(total))
            return ImageResult::Truncated;
        try {
            out.reserve(total);
        } catch (const std::bad_alloc&) {
            throw MemoryError();
        }
        int length = 0;
        for (;;) {
            if (!in.byte(length))
                return ImageResult::Truncated;
            if (length == 0)
                break;
            const std::uint8_t* block = nullptr;
            if (!in.take(static_cast<std::size_t>(length), block))
                return ImageResult::Truncated;
            out.insert(out.end(), block, block + length); // within the reserved size
        }
        frame.compressedLength = static_cast<int>(std::min<std::size_t>(out.size(), 0x7FFFFFFF));
        return ImageResult::Complete;
    };

    bool ended = false;
    while (!ended) {
        int block = 0;
        if (!in.byte(block))
            break; // no trailer: keep what is complete
        if (block == 0x3B)
            break;
        if (block == 0x2C) {
            GifFrame* target = pending ? pending : newFrame();
            if (!target)
                return reject(kOverBudgetText);
            GifFrame& frame = *target;
            pending = nullptr;
            switch (readImage(frame)) {
            case ImageResult::Complete:
                ++images;
                break;
            case ImageResult::Truncated:
                dropLast();
                ended = true;
                break;
            case ImageResult::TooLarge: {
                char text[160];
                std::snprintf(text, sizeof text, "The GIF image is too large (%d × %d pixels).", frame.width,
                              frame.height);
                return reject(text);
            }
            case ImageResult::OverBudget:
                return reject(kOverBudgetText);
            }
            continue;
        }
        if (block != 0x21)
            continue; // anything else is skipped
        int label = 0;
        if (!in.byte(label))
            break;
        if (label == 0xF9) {
            const bool hadPending = pending != nullptr;
            if (!pending) {
                pending = newFrame();
                if (!pending)
                    return reject(kOverBudgetText);
            }
            int size = 0, flags = 0, delay = 0, index = 0, terminator = 0;
            if (!in.byte(size) || !in.byte(flags) || !in.le16(delay) || !in.byte(index) ||
                !in.byte(terminator)) {
                if (!hadPending)
                    dropLast();
                break;
            }
            pending->transparent = flags & 1;
            pending->disposal = static_cast<std::uint16_t>((flags >> 2) & 7);
            pending->delay = static_cast<std::uint16_t>(delay);
            pending->transparentIndex = index;
            continue;
        }
        int size = 0;
        if (!in.byte(size))
            break;
        if (label == 0xFF && size == 11) {
            std::uint8_t id[11];
            int length = 0;
            if (!in.bytes(id, 11) || !in.byte(length))
                break;
            if (length == 3 && std::memcmp(id, "NET", 3) == 0) {
                int sub = 0, count = 0;
                if (!in.byte(sub) || !in.le16(count) || !in.byte(length))
                    break;
                loopCount = count;
            }
            if (!in.skipSubBlocks(length))
                break;
            continue;
        }
        if (!in.skipSubBlocks(size))
            break;
    }

    if (images == 0)
        return reject("The GIF file contains no image.");
    animated = frames && frames->next ? 1 : 0;
    return 1;
}

void GifAnimation::DecodeFrames()
{
    codedFrames = 0;
    // Frames decode independently: they are shared out among threads with a decoder each.
    auto decode = [](GifFrame& f, std::unique_ptr<LzwCodec>& codec) {
        if (!codec)
            codec = std::make_unique<LzwCodec>();
        f.indices.assign(f.pixelCount(), 0);
        const std::size_t length = std::min<std::size_t>(
            static_cast<std::size_t>(std::max(f.compressedLength, 0)), f.compressed.size());
        const std::span<const std::uint8_t> data(f.compressed.data(), length);
        if (f.codedWidth > f.width || f.codedHeight > f.height)
            codec->DecodeWindow(
                data, f.codeSize,
                LzwCodec::Window{f.codedWidth, f.codedHeight, f.interlaced != 0, f.width, f.height},
                f.indices);
        else
            codec->Decode(data, f.codeSize, f.indices);
    };
    try {
        const GifFrameList list = gifFrameList(frames.get(), kParallelPixels);
        std::vector<std::unique_ptr<LzwCodec>> codecs(static_cast<std::size_t>(list.threads));
        parallelFor(list.frames.size(), list.threads, [&](std::size_t index, int worker) {
            decode(*list.frames[index], codecs[static_cast<std::size_t>(worker)]);
        });
        codedFrames = static_cast<int>(list.frames.size());
    } catch (const std::bad_alloc&) {
        throw MemoryError();
    }
}

void GifAnimation::FramesToRasters()
{
    static const GifColourTable kNoColours{};
    for (GifFrame* f = frames.get(); f; f = f->next.get()) {
        const int w = f->width;
        const int h = f->height;
        CRaster raster(w, h);
        if (f->indices.size() != f->pixelCount()) {
            try {
                f->indices.assign(f->pixelCount(), 0);
            } catch (const std::bad_alloc&) {
                throw MemoryError();
            }
        }
        const GifColourTable& table =
            f->localPalette ? *f->localPalette : (globalPalette ? *globalPalette : kNoColours);
        std::uint32_t colours[256];
        for (int i = 0; i < 256; ++i)
            colours[i] = std::uint32_t{table[static_cast<std::size_t>(i) * 3]} << 16 |
                         std::uint32_t{table[static_cast<std::size_t>(i) * 3 + 1]} << 8 |
                         table[static_cast<std::size_t>(i) * 3 + 2];
        if (f->transparent && f->transparentIndex >= 0 && f->transparentIndex < 256)
            colours[f->transparentIndex] |= 0xFF000000u;
        const int pass1 = (h + 7) / 8, pass2 = (h + 3) / 4, pass3 = (h + 1) / 2;
        for (int y = 0; y < h; ++y) {
            int source = y;
            if (f->interlaced) {
                switch (y % 8) {
                case 0:
                    source = y / 8;
                    break;
                case 4:
                    source = y / 8 + pass1;
                    break;
                case 2:
                case 6:
                    source = y / 4 + pass2;
                    break;
                default:
                    source = y / 2 + pass3;
                    break;
                }
            }
            const std::uint8_t* in =
                f->indices.data() + static_cast<std::size_t>(source) * static_cast<std::size_t>(w);
            std::uint32_t* out = raster.bits() + raster.indexOf(0, y);
            for (int x = 0; x < w; ++x)
                out[x] = colours[in[x]];
        }
        f->raster = std::move(raster);
    }
}

std::unique_ptr<FrameSequence> GifAnimation::ToAnimation()
{
    const std::int64_t screenPixels = std::int64_t{screenWidth} * screenHeight;
    if (screenPixels * frameCount() > maxTotalPixels)
        throw MemoryError("The animation is too large to show");
    auto sequence = std::make_unique<FrameSequence>(screenWidth, screenHeight, loopCount, std::string());
    GifScreen screen(screenWidth, screenHeight);
    for (GifFrame* f = frames.get(); f; f = f->next.get()) {
        screen.Draw(*f);
        f->raster.CopyFrom(screen.picture());
        sequence->append(&f->raster, f->delay);
    }
    return sequence;
}

} // namespace lw
