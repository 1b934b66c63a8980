#include "imaging/lzw_codec.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

namespace lw {
namespace {

// The whole image into a buffer of its size; a string that does not fit is dropped whole.
class SpanSink {
public:
    explicit SpanSink(std::span<std::uint8_t> out) : out_(out) {}
    std::uint8_t* reserve(std::size_t len)
    {
        return len <= out_.size() - pos_ ? out_.data() + pos_ : nullptr;
    }
    void commit(std::size_t len) { pos_ += len; }
    bool done() const { return false; }
    std::size_t written() const { return pos_; }

private:
    std::span<std::uint8_t> out_;
    std::size_t pos_ = 0;
};

// The picture row a stored row shows: interlaced data stores every 8th row from 0, every 8th
// from 4, every 4th from 2, then the odd rows.
int pictureRow(int stored, int height, bool interlaced)
{
    if (!interlaced)
        return stored;
    const int pass1 = (height + 7) / 8;
    const int pass2 = pass1 + (height + 3) / 8;
    const int pass3 = pass2 + (height + 1) / 4;
    if (stored < pass1)
        return 8 * stored;
    if (stored < pass2)
        return 8 * (stored - pass1) + 4;
    if (stored < pass3)
        return 4 * (stored - pass2) + 2;
    return 2 * (stored - pass3) + 1;
}

// Only the window of the image: strings go to a scratch buffer and the kept part of them on to
// the output. The kept rows, taken in stored order, are exactly how an image of the window's
// height stores its rows (interlaced or not), so they are written one after another.
class WindowSink {
public:
    WindowSink(const LzwCodec::Window& w, std::span<std::uint8_t> out)
        : out_(out), codedWidth_(static_cast<std::size_t>(w.codedWidth)),
          keptWidth_(static_cast<std::size_t>(w.keptWidth)),
          total_(codedWidth_ * static_cast<std::size_t>(w.codedHeight)),
          outRow_(static_cast<std::size_t>(w.codedHeight), -1)
    {
        int next = 0;
        for (int stored = 0; stored < w.codedHeight; ++stored)
            if (pictureRow(stored, w.codedHeight, w.interlaced) < w.keptHeight) {
                outRow_[static_cast<std::size_t>(stored)] = next++;
                end_ = static_cast<std::size_t>(stored) * codedWidth_ + keptWidth_;
            }
    }
    std::uint8_t* reserve(std::size_t len) { return len <= total_ - pos_ ? scratch_.data() : nullptr; }
    void commit(std::size_t len)
    {
        for (std::size_t from = 0; from < len;) {
            const std::size_t column = pos_ % codedWidth_;
            const std::size_t run = std::min(len - from, codedWidth_ - column);
            const int row = outRow_[pos_ / codedWidth_];
            if (row >= 0 && column < keptWidth_)
                std::memcpy(out_.data() + static_cast<std::size_t>(row) * keptWidth_ + column,
                            scratch_.data() + from, std::min(run, keptWidth_ - column));
            from += run;
            pos_ += run;
        }
    }
    bool done() const { return pos_ >= end_; }
    std::size_t written() const { return pos_; }

private:
    std::array<std::uint8_t, LzwCodec::kMaxCodes> scratch_;
    std::span<std::uint8_t> out_;
    std::size_t codedWidth_;
    std::size_t keptWidth_;
    std::size_t total_;
    std::vector<int> outRow_; // per stored row, its row in the output or -1
    std::size_t end_ = 0;     // just past the last kept pixel
    std::size_t pos_ = 0;
};

} // namespace

std::size_t LzwCodec::Decode(std::span<const std::uint8_t> data, int minCodeSize, std::span<std::uint8_t> out)
{
    SpanSink sink(out);
    return decodeInto(data, minCodeSize, sink);
}

void LzwCodec::DecodeWindow(std::span<const std::uint8_t> data, int minCodeSize, const Window& window,
                            std::span<std::uint8_t> out)
{
    if (window.codedWidth < 1 || window.codedHeight < 1 || window.keptWidth < 1 || window.keptHeight < 1 ||
        window.keptWidth > window.codedWidth || window.keptHeight > window.codedHeight ||
        out.size() < static_cast<std::size_t>(window.keptWidth) * static_cast<std::size_t>(window.keptHeight))
        return;
    WindowSink sink(window, out);
    decodeInto(data, minCodeSize, sink);
}

template <class Sink>
std::size_t LzwCodec::decodeInto(std::span<const std::uint8_t> data, int minCodeSize, Sink& sink)
{
    // Index bytes hold at most 8 bits, so larger root alphabets cannot be stored.
    if (minCodeSize < 1 || minCodeSize > 8)
        return 0;
    const int s = minCodeSize;
    const int clear = 1 << s;
    const int end = clear + 1;
    for (int c = 0; c < clear; ++c) {
        suffix_[c] = first_[c] = static_cast<std::uint8_t>(c);
        length_[c] = 1;
        prefix_[c] = -1;
    }
    int freeCode = clear + 2;
    int width = s + 1;
    int threshold = 1 << width;
    int previous = -1;

    auto writeString = [&](int code) {
        const std::size_t len = length_[code];
        std::uint8_t* const start = sink.reserve(len);
        if (!start)
            return; // does not fit: dropped whole
        std::uint8_t* p = start + len;
        while (code >= 0) {
            *--p = suffix_[code];
            code = prefix_[code];
        }
        sink.commit(len);
    };
    auto addEntry = [&](int prefix, std::uint8_t byte) {
        if (freeCode >= kMaxCodes)
            return;
        suffix_[freeCode] = byte;
        first_[freeCode] = first_[prefix];
        length_[freeCode] = static_cast<std::uint16_t>(length_[prefix] + 1);
        prefix_[freeCode] = static_cast<std::int16_t>(prefix);
        ++freeCode;
        if (freeCode == threshold && width < 12) {
            ++width;
            threshold <<= 1;
        }
    };

    std::uint32_t acc = 0;
    int bits = 0;
    for (const std::uint8_t byte : data) {
        acc |= static_cast<std::uint32_t>(byte) << bits;
        bits += 8;
        // A code is taken only while more bits than its width are held.
        while (bits > width) {
            const int code = static_cast<int>(acc & ((1u << width) - 1));
            acc >>= width;
            bits -= width;
            if (code == clear) {
                freeCode = clear + 2;
                width = s + 1;
                threshold = 1 << width;
                previous = -1;
            } else if (code == end) {
                return sink.written();
            } else if (code < freeCode) {
                writeString(code);
                if (previous >= 0)
                    addEntry(previous, first_[code]);
                previous = code;
            } else if (code == freeCode && previous >= 0) {
                // The string just being defined: previous + its own first byte.
                const std::uint8_t head = first_[previous];
                writeString(previous);
                if (std::uint8_t* p = sink.reserve(1)) {
                    *p = head;
                    sink.commit(1);
                }
                addEntry(previous, head);
                previous = code;
            }
            if (sink.done())
                return sink.written();
        }
    }
    return sink.written();
}

} // namespace lw
