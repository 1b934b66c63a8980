#include "imaging/lzw_codec.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace lw {

namespace {

// Bits go out least significant first. Every code stores all eight bytes of the accumulator
// and moves on by the whole bytes in it, so there is no branch per byte; the output therefore
// needs seven bytes of room past the data (see maxEncodedSize).
class BitWriter {
public:
    explicit BitWriter(std::uint8_t* out) : out_(out), start_(out) {}
    void put(std::uint32_t code, int width)
    {
        acc_ |= static_cast<std::uint64_t>(code) << bits_;
        bits_ += width;
        std::uint64_t bytes = acc_;
        if constexpr (std::endian::native == std::endian::big)
            bytes = __builtin_bswap64(bytes);
        std::memcpy(out_, &bytes, 8);
        const int whole = bits_ >> 3;
        out_ += whole;
        acc_ >>= whole * 8;
        bits_ &= 7;
    }
    // Pads the last byte with zero bits.
    std::size_t finish()
    {
        if (bits_ > 0)
            *out_++ = static_cast<std::uint8_t>(acc_);
        acc_ = 0;
        bits_ = 0;
        return static_cast<std::size_t>(out_ - start_);
    }

private:
    std::uint8_t* out_;
    std::uint8_t* start_;
    std::uint64_t acc_ = 0;
    int bits_ = 0;
};

// A string's slot is its prefix code xor a fixed random value of its last byte. Each lookup
// waits for the previous one, and this puts a single xor between a loaded code and the next
// load; the random values keep the strings of one prefix apart and those of one byte too.
struct ByteScatter {
    std::uint32_t value[256];
    constexpr ByteScatter() : value{}
    {
        std::uint32_t x = 0x12345u; // xorshift
        for (std::uint32_t& v : value) {
            x ^= x << 13;
            x ^= x >> 17;
            x ^= x << 5;
            v = x & 0xFFFF;
        }
    }
};
constexpr ByteScatter kScatter;

} // namespace

std::size_t LzwCodec::maxEncodedSize(std::size_t n)
{
    // Every code takes at most 12 bits: one per input byte, the leading clear code, a clear code
    // for every 4090-odd codes and the end code; then the writer's seven bytes of room.
    const std::size_t codes = n + 3 + n / 4000;
    return (codes * 12 + 7) / 8 + 8;
}

std::size_t LzwCodec::Encode(std::span<const std::uint8_t> input, int minCodeSize, std::uint8_t* out)
{
    static_assert(kHashSize > 0xFFFF && (kHashSize & (kHashSize - 1)) == 0);
    const std::size_t n = input.size();
    if (n == 0)
        return 0;
    const int s = std::clamp(minCodeSize, 2, 8);
    const std::uint32_t clear = 1u << s;
    const std::uint32_t end = clear + 1;
    std::uint32_t freeCode = clear + 2;
    int width = s + 1;
    std::uint32_t threshold = 1u << width;
    std::uint32_t last = end;
    hashCodes_.fill(0);

    BitWriter writer(out);
    writer.put(clear, width);
    const std::uint8_t* data = input.data();
    std::uint32_t prefix = data[0];
    // The next byte's scatter value is read a step ahead, so that a new string's first lookup
    // does not wait for it.
    std::uint32_t scatter = kScatter.value[data[1 % n]];
    for (std::size_t p = 1; p < n; ++p) {
        const std::uint8_t c = data[p];
        const std::uint32_t key = prefix << 8 | c;
        std::uint32_t slot = prefix ^ scatter;
        scatter = kScatter.value[data[p + 1 < n ? p + 1 : p]];
        std::uint32_t code;
        while ((code = hashCodes_[slot]) != 0 && hashKeys_[code] != key)
            slot = (slot + 1) & (kHashSize - 1);
        if (code != 0) {
            prefix = code;
            continue;
        }
        // A new string. Codes run out exactly when the clear code below is due, so there is
        // always one free here.
        hashCodes_[slot] = static_cast<std::uint16_t>(freeCode);
        hashKeys_[freeCode++] = key;
        writer.put(prefix, width);
        if (++last == threshold) {
            ++width;
            threshold <<= 1;
        }
        if (last == static_cast<std::uint32_t>(kMaxCodes - 1)) {
            writer.put(clear, width);
            hashCodes_.fill(0);
            freeCode = clear + 2;
            width = s + 1;
            threshold = 1u << width;
            last = end;
        }
        prefix = c;
    }
    writer.put(prefix, width);
    writer.put(end, width);
    return writer.finish();
}

} // namespace lw
