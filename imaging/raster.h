#pragma once
// CRaster: the one pixel container. 32-bit pixels 0xTTRRGGBB (bytes B, G, R, T in memory),
// T = transparency with 0 opaque and 255 fully transparent, colours not premultiplied, rows
// stored bottom-up without padding: pixel (x, y) with y = 0 the top row is at index
// x + (height - 1 - y) * width.
#include "imaging/bitmap_info_header.h"

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

class QImage;
class QPainter;
class QRect;

namespace lw {

// Largest pixel count a raster may hold; bigger requests are refused, never allocated.
inline constexpr std::int64_t kMaxRasterPixels = 16384LL * 16384LL;

using PackedDib = std::vector<std::uint8_t>;

struct RasterRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

class CRaster {
public:
    CRaster() = default;
    CRaster(int width, int height) { Create(width, height); }
    CRaster(const CRaster& other);
    CRaster& operator=(const CRaster& other);
    CRaster(CRaster&& other) noexcept;
    CRaster& operator=(CRaster&& other) noexcept;
    ~CRaster() = default;

    int width() const { return header_.biWidth; }
    int height() const { return header_.biHeight; }
    bool hasBlock() const { return !block().empty(); }
    std::size_t pixelCount() const { return block().size(); }
    const BitmapInfoHeader& header() const { return header_; }

    // Direct access to the pixel block (bottom-up), for the pixel algorithms built on the raster.
    // The writable forms first copy a block this raster shares (see ShareFrom).
    std::uint32_t* bits() { return writableBlock().data(); }
    const std::uint32_t* bits() const { return block().data(); }
    std::span<std::uint32_t> pixels() { return writableBlock(); }
    std::span<const std::uint32_t> pixels() const { return block(); }
    std::size_t indexOf(int x, int y) const
    {
        return static_cast<std::size_t>(x) +
               static_cast<std::size_t>(height() - 1 - y) * static_cast<std::size_t>(width());
    }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width() && y < height(); }

    // Sizes the raster (zero-filled). Negative or unchanged sizes are ignored; zero pixels leave
    // no block. Throws MemoryError beyond kMaxRasterPixels or when memory runs out.
    void Create(int width, int height);
    void Fill(int byteValue);
    void FillRect(std::uint32_t value, const RasterRect* rect = nullptr);
    void FillRect(std::uint32_t value, const RasterRect& rect) { FillRect(value, &rect); }
    void CopyFrom(const CRaster* other);
    void CopyFrom(const CRaster& other) { CopyFrom(&other); }
    void CopyPixels(const CRaster& other);
    // Takes other's size and reads the very same pixel block instead of a copy: a second raster
    // of the same picture costs nothing. Whichever of them is written first copies the block
    // then, so neither ever sees the other's changes. A locked raster is copied at once, since
    // its pixels may still be written through the locked pointer.
    void ShareFrom(const CRaster& other);
    bool SharesPixelsWith(const CRaster& other) const { return block_ && block_ == other.block_; }
    // Becomes a width × height raster that takes over the block (bottom-up) without copying it.
    // A block of another size is refused: returns false and nothing changes.
    bool AdoptPixels(int width, int height, std::vector<std::uint32_t>&& pixels);
    void PasteInto(CRaster& destination, int x, int y) const;
    void CompositeOnto(CRaster& destination, int x, int y) const;
    std::uint32_t GetPixel(int x, int y) const;

    void Lock();
    void Unlock();
    std::uint32_t* lockedBits() const { return lockedBits_; }
    std::uint32_t PixelAt(int x, int y) const;
    void SetPixel(int x, int y, std::uint32_t value);
    void BlendPixel(int x, int y, std::uint32_t value);

    void Resample(int newWidth, int newHeight);

    // From a Qt image: T = 255 - alpha, so images without alpha give opaque pixels.
    void LoadFromBitmap(const QImage& image);
    // Where a packed DIB comes from decides what the fourth byte of a 32-bit pixel means.
    enum class DibSource {
        Clipboard, // the editor's own blocks: the byte is the pixel's transparency T
        File,      // BMP files: opaque unless a V4/V5 header declares an alpha mask (opacity)
    };
    // Loads a packed DIB (header, colour table, bits) of 1, 4, 8, 16, 24 or 32 bits, bottom-up or
    // top-down (negative height). Returns 0 and leaves the raster unchanged for anything it cannot
    // read completely and safely.
    int LoadPackedDib(std::span<const std::uint8_t> block, DibSource source = DibSource::Clipboard);
    // 40-byte header plus the pixels as they are; empty without pixels.
    PackedDib ToPackedDib32() const;
    // The clipboard's automatic depth: 32 bits unless every pixel is fully transparent, then the
    // smallest of 1, 4, 8 or 24 bits that holds the distinct colours.
    PackedDib ToPackedDibAuto() const;

    // Top-down Qt image of the colours, transparency ignored (what drawing shows).
    QImage toQImage() const;
    // Top-down Qt image with alpha = 255 - T.
    QImage toQImageWithAlpha() const;

    // Draws the whole raster stretched into the rectangle, nearest neighbour, transparency ignored.
    void Draw(QPainter& painter, const QRect& destination) const;
    // Draws at (zoom * x, zoom * y), each pixel a zoom × zoom square.
    void DrawZoomed(QPainter& painter, int zoom, int x, int y) const;

private:
    using Block = std::vector<std::uint32_t>;
    const Block& block() const;
    // The block to write to: this raster's own, copied first when it is shared.
    Block& writableBlock();
    void setBlock(Block&& pixels);

    std::uint32_t* lockedBits_ = nullptr;
    std::shared_ptr<Block> block_; // none: no pixels
    BitmapInfoHeader header_;
};

// Bytes of a packed DIB's header: 40, or for a BMP file with a V4 or V5 header its 108 or 124.
std::size_t PackedDibHeaderSize(std::span<const std::uint8_t> block, CRaster::DibSource source);

namespace detail {

// Exact integer division for the over rule: numerators stay below 2^17 and divisors in 1..510,
// where multiplying by ceil(2^40 / d) and shifting gives the truncated quotient exactly.
struct OverReciprocals {
    std::uint64_t m[511];
    constexpr OverReciprocals() : m{}
    {
        for (std::uint64_t d = 1; d < 511; ++d)
            m[d] = ((std::uint64_t{1} << 40) + d - 1) / d;
    }
};
inline constexpr OverReciprocals kOverReciprocals{};

inline std::uint32_t divideSmall(std::uint32_t n, std::uint32_t d)
{
    return static_cast<std::uint32_t>((n * kOverReciprocals.m[d]) >> 40);
}

} // namespace detail

// True when every pixel is opaque (transparency 0).
inline bool allOpaque(std::span<const std::uint32_t> pixels)
{
    // One accumulator per position in a block of 8, so that the loop ors whole vectors and folds
    // them once.
    constexpr std::size_t kBlock = 8;
    std::uint32_t lanes[kBlock] = {};
    std::size_t i = 0;
    for (; i + kBlock <= pixels.size(); i += kBlock)
        for (std::size_t j = 0; j < kBlock; ++j)
            lanes[j] |= pixels[i + j];
    std::uint32_t transparency = 0;
    for (const std::uint32_t lane : lanes)
        transparency |= lane;
    for (; i < pixels.size(); ++i)
        transparency |= pixels[i];
    return (transparency >> 24) == 0;
}

// The over rule: src drawn over dst. Unsigned integer arithmetic with truncating division.
inline std::uint32_t composeOver(std::uint32_t src, std::uint32_t dst)
{
    using detail::divideSmall;
    const std::uint32_t ts = src >> 24;
    if (ts == 255)
        return dst;
    if (ts == 0)
        return src;
    const std::uint32_t td = dst >> 24;
    const std::uint32_t as = 255 - ts;
    const std::uint32_t o = divideSmall((255 - td) * ts, 255);
    const std::uint32_t sum = as + o;
    const std::uint32_t b = divideSmall((src & 0xFF) * as + (dst & 0xFF) * o, sum);
    const std::uint32_t g = divideSmall(((src >> 8) & 0xFF) * as + ((dst >> 8) & 0xFF) * o, sum);
    const std::uint32_t r = divideSmall(((src >> 16) & 0xFF) * as + ((dst >> 16) & 0xFF) * o, sum);
    const std::uint32_t t = td - divideSmall(as * td, 255);
    return t << 24 | r << 16 | g << 8 | b;
}

} // namespace lw
