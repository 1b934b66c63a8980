#include "imaging/lzw_codec.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <vector>

namespace lw {
namespace {

// The whole image into a buffer of its size; a string that does not fit is dropped whole.
class SpanSink {
public:
    SpanSink(std::span<std::uint8_t> out, std::size_t pos) : out_(out), pos_(pos) {}
    std::uint8_t* reserve(std::size_t len)
    {
        return len <= out_.size() - pos_ ? out_.data() + pos_ : nullptr;
    }
    void commit(std::size_t len) { pos_ += len; }
    bool done() const { return false; }
    std::size_t written() const { return pos_; }

private:
    std::span<std::uint8_t> out_;
    std::size_t pos_;
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

// Codes are read straight from the data, eight bytes at a time, least significant bit first.
std::uint64_t load64(const std::uint8_t* p)
{
    std::uint64_t v;
    std::memcpy(&v, p, 8);
    if constexpr (std::endian::native == std::endian::big)
        v = __builtin_bswap64(v);
    return v;
}

// The code at the given bit near the data's end: one is taken only while more bits than its
// width are left.
bool readCode(std::span<const std::uint8_t> data, std::size_t bit, int width, int& code)
{
    if (bit + static_cast<std::size_t>(width) >= data.size() * 8)
        return false;
    std::uint32_t v = 0;
    const std::size_t first = bit >> 3;
    for (std::size_t i = (bit + static_cast<std::size_t>(width) - 1) >> 3; i + 1 > first; --i)
        v = v << 8 | data[i];
    code = static_cast<int>((v >> (bit & 7)) & ((1u << width) - 1));
    return true;
}

// Strings are copied in 16-byte steps, which may write up to 15 bytes past a string's end; the
// fast decoder keeps that much room before the output's end and clears it when it stops.
constexpr std::size_t kStep = 16;

void copyStep(std::uint8_t* to, const std::uint8_t* from)
{
    std::uint8_t step[kStep]; // the source may reach into the destination
    std::memcpy(step, from, kStep);
    std::memcpy(to, step, kStep);
}

// len bytes from an earlier place that ends at or before to.
void copyString(std::uint8_t* to, const std::uint8_t* from, std::size_t len)
{
    for (std::size_t i = 0; i < len; i += kStep)
        copyStep(to + i, from + i);
}

// The string of the distance bytes just before to, followed by its own first byte.
void repeatString(std::uint8_t* to, std::size_t distance)
{
    const std::uint8_t* from = to - distance;
    if (distance < kStep) {
        copyStep(to, from);
        to[distance] = from[0];
        return;
    }
    // Each step reads only bytes written before it.
    for (std::size_t i = 0; i <= distance; i += kStep)
        copyStep(to + i, from + i);
}

// Every byte value once, so that a root code's string is copied like any other.
struct RootBytes {
    std::uint8_t v[256 + kStep];
    constexpr RootBytes() : v{}
    {
        for (int i = 0; i < 256; ++i)
            v[i] = static_cast<std::uint8_t>(i);
    }
};
constexpr RootBytes kRootBytes;

} // namespace

LzwCodec::DecodeState LzwCodec::startDecoding(int minCodeSize)
{
    DecodeState st;
    st.clear = 1 << minCodeSize;
    st.freeCode = st.clear + 2;
    st.width = minCodeSize + 1;
    for (int c = 0; c < st.clear; ++c) {
        suffix_[c] = first_[c] = static_cast<std::uint8_t>(c);
        length_[c] = 1;
        prefix_[c] = -1;
        source_[c] = kRootBytes.v + c;
    }
    return st;
}

void LzwCodec::addEntry(DecodeState& st, int prefix, std::uint8_t byte)
{
    if (st.freeCode >= kMaxCodes)
        return;
    suffix_[st.freeCode] = byte;
    first_[st.freeCode] = first_[prefix];
    length_[st.freeCode] = static_cast<std::uint16_t>(length_[prefix] + 1);
    prefix_[st.freeCode] = static_cast<std::int16_t>(prefix);
    if (++st.freeCode == 1 << st.width && st.width < 12)
        ++st.width;
}

std::size_t LzwCodec::Decode(std::span<const std::uint8_t> data, int minCodeSize, std::span<std::uint8_t> out)
{
    // Index bytes hold at most 8 bits, so larger root alphabets cannot be stored.
    if (minCodeSize < 1 || minCodeSize > 8)
        return 0;
    DecodeState st = startDecoding(minCodeSize);
    const int end = st.clear + 1;
    std::uint8_t* const o = out.data();
    const std::size_t size = out.size();
    std::size_t pos = 0;
    std::size_t prevPos = 0; // where the previous code's string was written, and its length
    std::size_t prevLen = 0;
    // Each string is copied from its last appearance (or the root bytes) while eight bytes of
    // data are left to read and the string fits with room to spare; the rest goes through
    // the careful decoder below.
    const std::size_t fastBits = data.size() >= 8 ? (data.size() - 7) * 8 : 0;
    while (st.bit < fastBits) {
        const int code =
            static_cast<int>((load64(data.data() + (st.bit >> 3)) >> (st.bit & 7)) & ((1u << st.width) - 1));
        std::size_t len;
        if (code == st.clear) {
            st.bit += static_cast<std::size_t>(st.width);
            st.freeCode = st.clear + 2;
            st.width = minCodeSize + 1;
            st.previous = -1;
            continue;
        } else if (code == end) {
            std::fill(o + pos, o + std::min(size, pos + kStep), 0);
            return pos;
        } else if (code < st.freeCode) {
            len = length_[code];
            if (len + kStep > size - pos)
                break;
            copyString(o + pos, source_[code], len);
        } else if (code == st.freeCode && st.previous >= 0) {
            len = prevLen + 1;
            if (len + kStep > size - pos)
                break;
            repeatString(o + pos, prevLen);
        } else {
            st.bit += static_cast<std::size_t>(st.width);
            continue;
        }
        st.bit += static_cast<std::size_t>(st.width);
        // The new string is the previous one and this one's first byte: in place, it starts
        // where the previous one did.
        if (st.previous >= 0 && st.freeCode < kMaxCodes) {
            const int f = st.freeCode;
            source_[f] = o + prevPos;
            length_[f] = static_cast<std::uint16_t>(prevLen + 1);
            prefix_[f] = static_cast<std::int16_t>(st.previous);
            suffix_[f] = o[pos];
            first_[f] = o[prevPos];
            if (++st.freeCode == 1 << st.width && st.width < 12)
                ++st.width;
        }
        st.previous = code;
        prevPos = pos;
        prevLen = len;
        pos += len;
    }
    std::fill(o + pos, o + std::min(size, pos + kStep), 0);
    SpanSink sink(out, pos);
    return decodeInto(data, st, sink);
}

void LzwCodec::DecodeWindow(std::span<const std::uint8_t> data, int minCodeSize, const Window& window,
                            std::span<std::uint8_t> out)
{
    if (minCodeSize < 1 || minCodeSize > 8)
        return;
    if (window.codedWidth < 1 || window.codedHeight < 1 || window.keptWidth < 1 || window.keptHeight < 1 ||
        window.keptWidth > window.codedWidth || window.keptHeight > window.codedHeight ||
        out.size() < static_cast<std::size_t>(window.keptWidth) * static_cast<std::size_t>(window.keptHeight))
        return;
    WindowSink sink(window, out);
    DecodeState st = startDecoding(minCodeSize);
    decodeInto(data, st, sink);
}

// Code by code, each string spelt backwards from the prefix table.
template <class Sink>
std::size_t LzwCodec::decodeInto(std::span<const std::uint8_t> data, DecodeState& st, Sink& sink)
{
    const int end = st.clear + 1;
    const int firstWidth = std::countr_zero(static_cast<unsigned>(st.clear)) + 1;
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

    int code = 0;
    while (readCode(data, st.bit, st.width, code)) {
        st.bit += static_cast<std::size_t>(st.width);
        if (code == st.clear) {
            st.freeCode = st.clear + 2;
            st.width = firstWidth;
            st.previous = -1;
        } else if (code == end) {
            return sink.written();
        } else if (code < st.freeCode) {
            writeString(code);
            if (st.previous >= 0)
                addEntry(st, st.previous, first_[code]);
            st.previous = code;
        } else if (code == st.freeCode && st.previous >= 0) {
            // The string just being defined: previous + its own first byte.
            const std::uint8_t head = first_[st.previous];
            writeString(st.previous);
            if (std::uint8_t* p = sink.reserve(1)) {
                *p = head;
                sink.commit(1);
            }
            addEntry(st, st.previous, head);
            st.previous = code;
        }
        if (sink.done())
            return sink.written();
    }
    return sink.written();
}

} // namespace lw
