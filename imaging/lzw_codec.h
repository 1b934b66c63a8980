#pragma once
// GIF's variable-width LZW coder: one is made per frame. The encoder finds strings through an
// open-addressed table keyed by (prefix code, byte), so no string is ever copied; the decoder
// copies each string from where it last appeared in the output, and keeps a prefix/suffix table
// to spell strings backwards where the output cannot serve.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace lw {

class LzwCodec {
public:
    static constexpr int kMaxCodes = 4096;

    // Upper bound of the bytes Encode writes for n input bytes.
    static std::size_t maxEncodedSize(std::size_t n);

    // Compresses the indices with the given minimum code size (2 … 8) into out, which must hold
    // maxEncodedSize(input.size()) bytes. Returns the bytes written; nothing for empty input.
    std::size_t Encode(std::span<const std::uint8_t> input, int minCodeSize, std::uint8_t* out);

    // Decompresses into out (the frame's zero-filled indices) and returns the bytes written.
    // Malformed codes are ignored; a string that does not fit in the rest of out is dropped.
    std::size_t Decode(std::span<const std::uint8_t> data, int minCodeSize, std::span<std::uint8_t> out);

    // The rows of a coded image, and the part of it that is kept: the left keptWidth columns of
    // the rows that lie in the top keptHeight rows of the picture (rows in file order, as the
    // data stores them, interlaced or not).
    struct Window {
        int codedWidth = 0;
        int codedHeight = 0;
        bool interlaced = false;
        int keptWidth = 0;
        int keptHeight = 0;
    };
    // Decompresses an image but stores only the window's pixels, in the order an image of
    // keptWidth x keptHeight stores them, into out (keptWidth x keptHeight zero-filled bytes).
    // The rest of the image costs no memory; decoding stops after the last kept pixel.
    void DecodeWindow(std::span<const std::uint8_t> data, int minCodeSize, const Window& window,
                      std::span<std::uint8_t> out);

private:
    // Where decoding stands: the next code's first bit and the table's state.
    struct DecodeState {
        std::size_t bit = 0;
        int clear = 0;
        int freeCode = 0;
        int width = 0;
        int previous = -1;
    };
    DecodeState startDecoding(int minCodeSize);
    void addEntry(DecodeState& st, int prefix, std::uint8_t byte);
    template <class Sink>
    std::size_t decodeInto(std::span<const std::uint8_t> data, DecodeState& st, Sink& sink);

    // Encoder: an open-addressed table at most a sixteenth full whose slots hold codes (0 when
    // empty: no string is ever given code 0), and per code its prefix << 8 | byte to check a
    // slot against. A found string's code is the slot itself, so the next lookup need not wait
    // for the check.
    static constexpr int kHashSize = 65536;
    std::array<std::uint16_t, kHashSize> hashCodes_;
    std::array<std::uint32_t, kMaxCodes> hashKeys_;

    // Decoder: per code its last byte, first byte, length and prefix code, and where in the
    // output its string can be copied from.
    std::array<std::uint8_t, kMaxCodes> suffix_;
    std::array<std::uint8_t, kMaxCodes> first_;
    std::array<std::uint16_t, kMaxCodes> length_;
    std::array<std::int16_t, kMaxCodes> prefix_;
    std::array<const std::uint8_t*, kMaxCodes> source_;
};

} // namespace lw
