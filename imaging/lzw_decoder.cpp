#include "imaging/lzw_codec.h"

namespace lw {

std::size_t LzwCodec::Decode(std::span<const std::uint8_t> data, int minCodeSize, std::span<std::uint8_t> out)
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

    std::uint8_t* const output = out.data();
    const std::size_t capacity = out.size();
    std::size_t pos = 0;
    auto writeString = [&](int code) {
        const std::size_t len = length_[code];
        if (len > capacity - pos)
            return; // does not fit: dropped whole
        std::uint8_t* p = output + pos + len;
        while (code >= 0) {
            *--p = suffix_[code];
            code = prefix_[code];
        }
        pos += len;
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
                return pos;
            } else if (code < freeCode) {
                writeString(code);
                if (previous >= 0)
                    addEntry(previous, first_[code]);
                previous = code;
            } else if (code == freeCode && previous >= 0) {
                // The string just being defined: previous + its own first byte.
                const std::uint8_t head = first_[previous];
                writeString(previous);
                if (pos < capacity)
                    output[pos++] = head;
                addEntry(previous, head);
                previous = code;
            }
        }
    }
    return pos;
}

} // namespace lw
