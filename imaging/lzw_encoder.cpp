#include "imaging/lzw_codec.h"

#include <algorithm>
#include <cstring>

namespace lw {

namespace {

// Bits go out least significant first; whole bytes leave the accumulator as soon as they fill.
class BitWriter {
public:
    explicit BitWriter(std::uint8_t* out) : out_(out), start_(out) {}
    void put(std::uint32_t code, int width)
    {
        acc_ |= static_cast<std::uint64_t>(code) << bits_;
        bits_ += width;
        while (bits_ >= 8) {
            *out_++ = static_cast<std::uint8_t>(acc_);
            acc_ >>= 8;
            bits_ -= 8;
        }
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

// Cheap on purpose: every lookup waits for the previous one, so the hash sits on the critical
// path. The multiply spreads the prefix codes over the table: with prefix ^ byte << 5 alone,
// the pairs of one-byte strings pile up on the same slots and linear probing runs long.
inline std::uint32_t slotOf(std::uint32_t prefix, std::uint32_t c)
{
    return (prefix * 0x9E37u ^ c << 5) & 0x1FFF;
}

} // namespace

std::size_t LzwCodec::maxEncodedSize(std::size_t n)
{
    // Every code takes at most 12 bits: one per input byte, the leading clear code, a clear code
    // for every 4090-odd codes and the end code.
    const std::size_t codes = n + 3 + n / 4000;
    return (codes * 12 + 7) / 8 + 1;
}

std::size_t LzwCodec::Encode(std::span<const std::uint8_t> input, int minCodeSize, std::uint8_t* out)
{
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
    constexpr std::uint32_t kEmpty = 0xFFFFFFFF;
    hashSlots_.fill(kEmpty);

    BitWriter writer(out);
    writer.put(clear, width);
    const std::uint8_t* data = input.data();
    std::uint32_t prefix = data[0];
    for (std::size_t p = 1; p < n; ++p) {
        const std::uint8_t c = data[p];
        const std::uint32_t key = (prefix << 8 | c) << 12;
        std::uint32_t slot = slotOf(prefix, c);
        std::uint32_t entry;
        while (((entry = hashSlots_[slot]) & 0xFFFFF000u) != key) {
            if (entry == kEmpty)
                break;
            slot = (slot + 1) & (kHashSize - 1);
        }
        if (entry != kEmpty) {
            prefix = entry & 0xFFF;
            continue;
        }
        if (freeCode < static_cast<std::uint32_t>(kMaxCodes))
            hashSlots_[slot] = key | freeCode++;
        writer.put(prefix, width);
        if (++last == threshold) {
            ++width;
            threshold <<= 1;
        }
        if (last == static_cast<std::uint32_t>(kMaxCodes - 1)) {
            writer.put(clear, width);
            hashSlots_.fill(kEmpty);
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
