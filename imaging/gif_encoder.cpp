// The writing side of GifAnimation: LZW compression of every frame and the GIF89a stream.
#include "imaging/gif_animation.h"
#include "imaging/gif_frame_list.h"
#include "imaging/lzw_codec.h"
#include "platform/errors.h"
#include "platform/file_io.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace lw {

namespace {

// How many times a table size halves until it is at most 2 (256 → 7, 2 → 0).
int tableSizeCode(int size)
{
    int code = 0;
    while (size > 2) {
        size >>= 1;
        ++code;
    }
    return code;
}

// The bits set in any index: some index needs more than b bits exactly when this value does.
// Eight bytes at a time, as it runs over every pixel of every frame.
unsigned bitsOfAll(const std::vector<std::uint8_t>& indices)
{
    std::uint64_t bits = 0;
    std::size_t i = 0;
    for (; i + 8 <= indices.size(); i += 8) {
        std::uint64_t word;
        std::memcpy(&word, indices.data() + i, 8);
        bits |= word;
    }
    for (; i < indices.size(); ++i)
        bits |= indices[i];
    bits |= bits >> 32;
    bits |= bits >> 16;
    bits |= bits >> 8;
    return static_cast<unsigned>(bits & 0xFF);
}

class ByteSink {
public:
    explicit ByteSink(std::vector<std::uint8_t>& out) : out_(out) {}
    void byte(int v) { out_.push_back(static_cast<std::uint8_t>(v)); }
    void le16(int v)
    {
        byte(v & 0xFF);
        byte((v >> 8) & 0xFF);
    }
    void bytes(const void* data, std::size_t n)
    {
        const auto* p = static_cast<const std::uint8_t*>(data);
        out_.insert(out_.end(), p, p + n);
    }
    // A colour table written with 2 << code triples; entries past the table's end are zero.
    void table(const GifColourTable& t, int code)
    {
        const std::size_t entries = std::size_t{2} << code;
        bytes(t.data(), std::min<std::size_t>(entries * 3, t.size()));
        for (std::size_t i = t.size(); i < entries * 3; ++i)
            byte(0);
    }

private:
    std::vector<std::uint8_t>& out_;
};

} // namespace

void GifAnimation::EncodeFrames()
{
    codedFrames = 0;
    // Frames are coded independently, so they are shared out among threads, each with its own
    // tables and a scratch block of the worst-case size from which a frame keeps only its bytes.
    struct Worker {
        std::unique_ptr<LzwCodec> codec;
        std::vector<std::uint8_t> scratch;
    };
    auto encode = [](GifFrame& f, Worker& w) {
        const std::size_t n = f.pixelCount();
        if (!w.codec)
            w.codec = std::make_unique<LzwCodec>();
        if (f.indices.size() != n)
            f.indices.resize(n, 0);
        // The code size must cover every index, or the roots would be wrong.
        int codeSize = std::clamp<int>(f.codeSize, 2, 8);
        if (codeSize < 8 && bitsOfAll(f.indices) >> codeSize != 0)
            codeSize = codeSizeFor(*std::max_element(f.indices.begin(), f.indices.end()) + 1);
        f.codeSize = static_cast<std::uint8_t>(codeSize);
        if (w.scratch.size() < LzwCodec::maxEncodedSize(n))
            w.scratch.resize(LzwCodec::maxEncodedSize(n));
        const std::size_t length = w.codec->Encode(f.indices, f.codeSize, w.scratch.data());
        f.compressed.assign(w.scratch.begin(), w.scratch.begin() + static_cast<std::ptrdiff_t>(length));
        f.compressedLength = static_cast<int>(length);
    };
    try {
        const GifFrameList list = gifFrameList(frames.get());
        std::vector<Worker> workers(static_cast<std::size_t>(list.threads));
        parallelFor(list.frames.size(), list.threads, [&](std::size_t index, int worker) {
            encode(*list.frames[index], workers[static_cast<std::size_t>(worker)]);
        });
        codedFrames = static_cast<int>(list.frames.size());
    } catch (const std::bad_alloc&) {
        throw MemoryError();
    }
}

std::int64_t GifAnimation::EstimateSize() const
{
    std::int64_t size = 13 + 3 * std::int64_t{globalPaletteSize};
    if (animated)
        size += (loopCount != 1 ? 19 : 0) + 44;
    for (const GifFrame* f = frames.get(); f; f = f->next.get()) {
        const std::int64_t l = f->compressedLength;
        size += (animated ? 8 : 0) + 11 + 3 * std::int64_t{f->localPaletteSize} + l + l / 255 +
                (l % 255 != 0 ? 2 : 1);
    }
    return size + 1;
}

std::vector<std::uint8_t> GifAnimation::Write() const
{
    std::vector<std::uint8_t> out;
    out.reserve(static_cast<std::size_t>(std::max<std::int64_t>(EstimateSize(), 0)) + 64);
    ByteSink sink(out);
    sink.bytes("GIF89a", 6);
    sink.le16(screenWidth);
    sink.le16(screenHeight);
    const int globalCode = tableSizeCode(globalPaletteSize);
    sink.byte((globalPalette ? 0x80 | globalCode : 0) | (colourResolution & 7) << 4 | (sorted ? 0x08 : 0));
    sink.byte(backgroundIndex);
    sink.byte(0);
    if (globalPalette)
        sink.table(*globalPalette, globalCode);

    if (animated) {
        if (loopCount != 1) {
            sink.bytes("\x21\xFF\x0B"
                       "NETSCAPE2.0"
                       "\x03\x01",
                       16);
            sink.le16(loopCount);
            sink.byte(0);
        }
        sink.bytes("\x21\xFE\x28", 3);
        sink.bytes(kGifComment, 40);
        sink.byte(0);
    }

    for (const GifFrame* f = frames.get(); f; f = f->next.get()) {
        if (f->transparent || animated) {
            sink.bytes("\x21\xF9\x04", 3);
            sink.byte((f->disposal & 7) << 2 | (f->transparent ? 1 : 0));
            sink.le16(f->delay);
            sink.byte(f->transparentIndex & 0xFF);
            sink.byte(0);
        }
        sink.byte(0x2C);
        sink.le16(f->left);
        sink.le16(f->top);
        sink.le16(f->width);
        sink.le16(f->height);
        const int localCode = tableSizeCode(f->localPaletteSize);
        sink.byte((f->localPalette ? 0x80 | localCode : 0) | (f->interlaced ? 0x40 : 0) |
                  (f->localSorted ? 0x20 : 0));
        if (f->localPalette)
            sink.table(*f->localPalette, localCode);
        sink.byte(f->codeSize);
        // Sub-blocks of 255 bytes, then the rest; a zero count ends the data.
        const std::uint8_t* data = f->compressed.data();
        std::size_t remaining = std::min<std::size_t>(
            static_cast<std::size_t>(std::max(f->compressedLength, 0)), f->compressed.size());
        while (remaining >= 255) {
            sink.byte(0xFF);
            sink.bytes(data, 255);
            data += 255;
            remaining -= 255;
        }
        sink.byte(static_cast<int>(remaining));
        if (remaining != 0) {
            sink.bytes(data, remaining);
            sink.byte(0);
        }
    }
    sink.byte(0x3B);
    return out;
}

void GifAnimation::SaveToFile(const std::string& path) const
{
    const std::vector<std::uint8_t> bytes = Write();
    writeFileAtomically(path, bytes);
}

} // namespace lw
