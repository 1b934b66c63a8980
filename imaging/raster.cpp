#include "imaging/raster.h"

#include "platform/errors.h"

#include <QImage>
#include <QPainter>
#include <QRect>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <new>

namespace lw {

namespace {

std::shared_ptr<std::vector<std::uint32_t>> copyOfBlock(const std::vector<std::uint32_t>& pixels)
{
    try {
        return std::make_shared<std::vector<std::uint32_t>>(pixels);
    } catch (const std::bad_alloc&) {
        throw MemoryError();
    }
}

} // namespace

const CRaster::Block& CRaster::block() const
{
    static const Block none;
    return block_ ? *block_ : none;
}

CRaster::Block& CRaster::writableBlock()
{
    if (!block_)
        block_ = std::make_shared<Block>();
    else if (block_.use_count() > 1)
        block_ = copyOfBlock(*block_);
    return *block_;
}

void CRaster::setBlock(Block&& pixels)
{
    block_ = pixels.empty() ? nullptr : std::make_shared<Block>(std::move(pixels));
}

CRaster::CRaster(const CRaster& other) : header_(other.header_)
{
    if (other.hasBlock())
        block_ = copyOfBlock(*other.block_);
}

CRaster& CRaster::operator=(const CRaster& other)
{
    if (this != &other) {
        block_ = other.hasBlock() ? copyOfBlock(*other.block_) : nullptr;
        header_ = other.header_;
        lockedBits_ = nullptr;
    }
    return *this;
}

CRaster::CRaster(CRaster&& other) noexcept : block_(std::move(other.block_)), header_(other.header_)
{
    other.header_ = BitmapInfoHeader{};
    other.header_.biSizeImage = 0;
    other.lockedBits_ = nullptr;
}

CRaster& CRaster::operator=(CRaster&& other) noexcept
{
    if (this != &other) {
        block_ = std::move(other.block_);
        header_ = other.header_;
        lockedBits_ = nullptr;
        other.block_.reset();
        other.header_ = BitmapInfoHeader{};
        other.lockedBits_ = nullptr;
    }
    return *this;
}

void CRaster::ShareFrom(const CRaster& other)
{
    if (&other == this)
        return;
    if (other.lockedBits_) {
        *this = other;
        return;
    }
    block_ = other.block_;
    header_ = other.header_;
    lockedBits_ = nullptr;
}

void CRaster::Create(int width, int height)
{
    if (width < 0 || height < 0)
        return;
    if (width == this->width() && height == this->height())
        return;
    const std::int64_t count = static_cast<std::int64_t>(width) * height;
    lockedBits_ = nullptr;
    block_.reset();
    header_.biWidth = 0;
    header_.biHeight = 0;
    header_.biSizeImage = 0;
    if (count > kMaxRasterPixels)
        throw MemoryError();
    if (count > 0) {
        try {
            block_ = std::make_shared<Block>(static_cast<std::size_t>(count), 0u);
        } catch (const std::bad_alloc&) {
            throw MemoryError();
        }
    }
    header_.biWidth = width;
    header_.biHeight = height;
    header_.biSizeImage = static_cast<std::uint32_t>(count * 4);
}

void CRaster::Fill(int byteValue)
{
    if (hasBlock()) {
        // Filling replaces every pixel: a shared block is left to its other raster, not copied.
        if (block_.use_count() > 1)
            block_ = std::make_shared<Block>(block_->size());
        std::memset(block_->data(), byteValue & 0xFF, block_->size() * 4);
    }
}

void CRaster::FillRect(std::uint32_t value, const RasterRect* rect)
{
    if (!hasBlock())
        return;
    if (!rect) {
        if (block_.use_count() > 1)
            block_ = std::make_shared<Block>(block_->size());
        std::fill(block_->begin(), block_->end(), value);
        return;
    }
    const int left = std::max(rect->left, 0);
    const int top = std::max(rect->top, 0);
    const int right = std::min(rect->right, width());
    const int bottom = std::min(rect->bottom, height());
    if (left >= right || top >= bottom)
        return;
    for (int y = top; y < bottom; ++y) {
        std::uint32_t* row = bits() + indexOf(0, y);
        std::fill(row + left, row + right, value);
    }
}

void CRaster::CopyFrom(const CRaster* other)
{
    if (!other || other == this)
        return;
    Create(other->width(), other->height());
    CopyPixels(*other);
}

void CRaster::CopyPixels(const CRaster& other)
{
    if (&other == this || !hasBlock() || pixelCount() != other.pixelCount() || SharesPixelsWith(other))
        return;
    if (block_.use_count() > 1)
        block_ = std::make_shared<Block>(pixelCount());
    std::memcpy(block_->data(), other.block_->data(), pixelCount() * 4);
}

bool CRaster::AdoptPixels(int width, int height, std::vector<std::uint32_t>&& pixels)
{
    if (width <= 0 || height <= 0 ||
        pixels.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height) ||
        static_cast<std::int64_t>(pixels.size()) > kMaxRasterPixels)
        return false;
    setBlock(std::move(pixels));
    lockedBits_ = nullptr;
    header_.biWidth = width;
    header_.biHeight = height;
    header_.biSizeImage = static_cast<std::uint32_t>(pixelCount() * 4);
    return true;
}

namespace {

// The part of a w × h source placed at (x, y) that lands inside a W × H destination.
struct Overlap {
    int srcX, srcY, dstX, dstY, width, height;
    bool empty() const { return width <= 0 || height <= 0; }
};

Overlap overlap(int srcW, int srcH, int dstW, int dstH, int x, int y)
{
    Overlap o{};
    o.srcX = std::max(0, -x);
    o.srcY = std::max(0, -y);
    o.dstX = std::max(0, x);
    o.dstY = std::max(0, y);
    o.width = std::min(srcW - o.srcX, dstW - o.dstX);
    o.height = std::min(srcH - o.srcY, dstH - o.dstY);
    return o;
}

// Rows are worked in blocks of a fixed size so that the compiler vectorises the inner loops
// without run-time checks; the rest of a row goes pixel by pixel.
constexpr int kPixelBlock = 8;

// The over rule onto an opaque pixel reduces to (s × (255 − Ts) + d × Ts) / 255 per colour with
// an opaque result, for every Ts from 0 to 255. Red and blue go through one 32-bit product,
// green through another, and the division by 255 is (x + 1 + (x >> 8)) >> 8, exact for x up to
// 255 × 255.
inline std::uint32_t composeOverOpaque(std::uint32_t s, std::uint32_t d)
{
    const std::uint32_t ts = s >> 24;
    const std::uint32_t as = 255 - ts;
    const std::uint32_t rb = (s & 0x00FF00FFu) * as + (d & 0x00FF00FFu) * ts;
    const std::uint32_t g = ((s >> 8) & 0xFFu) * as + ((d >> 8) & 0xFFu) * ts;
    const std::uint32_t rbQuotient = ((rb + 0x00010001u + ((rb >> 8) & 0x00FF00FFu)) >> 8) & 0x00FF00FFu;
    const std::uint32_t gQuotient = (g + 1 + (g >> 8)) >> 8;
    return rbQuotient | gQuotient << 8;
}

// Where the processor has AVX2, a second copy of the row loop works eight pixels per step with
// native 32-bit products; the program picks the copy once, at load time. Not under the thread
// sanitizer, which is not yet running when that choice is made.
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__)) && !defined(__SANITIZE_THREAD__)
__attribute__((target_clones("avx2", "default")))
#endif
void composeOverOpaqueRow(const std::uint32_t* __restrict src, std::uint32_t* __restrict dst, int count)
{
    int i = 0;
    for (; i + kPixelBlock <= count; i += kPixelBlock)
        for (int j = 0; j < kPixelBlock; ++j)
            dst[i + j] = composeOverOpaque(src[i + j], dst[i + j]);
    for (; i < count; ++i)
        dst[i] = composeOverOpaque(src[i], dst[i]);
}

} // namespace

void CRaster::PasteInto(CRaster& destination, int x, int y) const
{
    if (!hasBlock() || !destination.hasBlock() || &destination == this)
        return;
    const Overlap o = overlap(width(), height(), destination.width(), destination.height(), x, y);
    if (o.empty())
        return;
    const std::uint32_t* source = bits();
    std::uint32_t* target = destination.bits();
    for (int row = 0; row < o.height; ++row) {
        const std::uint32_t* src = source + indexOf(o.srcX, o.srcY + row);
        std::uint32_t* dst = target + destination.indexOf(o.dstX, o.dstY + row);
        std::memcpy(dst, src, static_cast<std::size_t>(o.width) * 4);
    }
}

void CRaster::CompositeOnto(CRaster& destination, int x, int y) const
{
    if (!hasBlock() || !destination.hasBlock() || &destination == this)
        return;
    const Overlap o = overlap(width(), height(), destination.width(), destination.height(), x, y);
    if (o.empty())
        return;
    const std::uint32_t* source = bits();
    std::uint32_t* target = destination.bits();
    for (int row = 0; row < o.height; ++row) {
        const std::uint32_t* src = source + indexOf(o.srcX, o.srcY + row);
        std::uint32_t* dst = target + destination.indexOf(o.dstX, o.dstY + row);
        if (allOpaque({dst, static_cast<std::size_t>(o.width)})) {
            composeOverOpaqueRow(src, dst, o.width);
            continue;
        }
        for (int i = 0; i < o.width; ++i) {
            const std::uint32_t s = src[i];
            const std::uint32_t ts = s >> 24;
            if (ts == 0)
                dst[i] = s;
            else if (ts != 255)
                dst[i] = composeOver(s, dst[i]);
        }
    }
}

std::uint32_t CRaster::GetPixel(int x, int y) const
{
    if (!hasBlock() || !contains(x, y))
        return 0x00FFFFFF;
    return bits()[indexOf(x, y)];
}

void CRaster::Lock()
{
    lockedBits_ = hasBlock() ? bits() : nullptr;
}

void CRaster::Unlock()
{
    lockedBits_ = nullptr;
}

std::uint32_t CRaster::PixelAt(int x, int y) const
{
    if (!lockedBits_ || !contains(x, y))
        return 0xFF000000;
    return lockedBits_[indexOf(x, y)];
}

void CRaster::SetPixel(int x, int y, std::uint32_t value)
{
    if (!lockedBits_ || !contains(x, y))
        return;
    lockedBits_[indexOf(x, y)] = value;
}

void CRaster::BlendPixel(int x, int y, std::uint32_t value)
{
    if (!lockedBits_ || !contains(x, y))
        return;
    std::uint32_t& d = lockedBits_[indexOf(x, y)];
    d = composeOver(value, d);
}

namespace {

// One axis of the area-averaging footprint: the source cells a target cell covers and the
// overlap of each with the footprint.
struct Footprint {
    int first = 0;
    int count = 0;
    std::size_t weightOffset = 0;
};

std::vector<Footprint> footprints(int source, int target, std::vector<double>& weights)
{
    std::vector<Footprint> out(static_cast<std::size_t>(target));
    const double scale = static_cast<double>(source) / target;
    for (int j = 0; j < target; ++j) {
        const double a0 = scale * j;
        const double a1 = scale * (j + 1);
        const int first = std::max(0, static_cast<int>(std::floor(a0)));
        const int end = std::min(static_cast<int>(std::ceil(a1)), source);
        Footprint& f = out[static_cast<std::size_t>(j)];
        f.first = first;
        f.count = std::max(0, end - first);
        f.weightOffset = weights.size();
        for (int l = first; l < end; ++l)
            weights.push_back(std::min(a1, l + 1.0) - std::max(a0, static_cast<double>(l)));
    }
    return out;
}

} // namespace

void CRaster::Resample(int newWidth, int newHeight)
{
    if (newWidth < 0 || newHeight < 0 || !hasBlock())
        return;
    if (newWidth == width() && newHeight == height())
        return;
    const std::int64_t count = static_cast<std::int64_t>(newWidth) * newHeight;
    if (count == 0) {
        Create(newWidth, newHeight);
        return;
    }
    if (count > kMaxRasterPixels)
        return;
    std::vector<std::uint32_t> target;
    try {
        target.assign(static_cast<std::size_t>(count), 0u);
    } catch (const std::bad_alloc&) {
        return; // keep the old pixels
    }
    std::vector<double> xWeights, yWeights;
    const auto columns = footprints(width(), newWidth, xWeights);
    const auto rows = footprints(height(), newHeight, yWeights);
    const int srcW = width();
    const int srcH = height();
    std::vector<double> rowSums(static_cast<std::size_t>(srcW) * 4);
    for (int i = 0; i < newHeight; ++i) {
        const Footprint& fy = rows[static_cast<std::size_t>(i)];
        // First collapse the footprint's rows into one weighted row, then each column range.
        std::fill(rowSums.begin(), rowSums.end(), 0.0);
        double weightY = 0;
        for (int m = 0; m < fy.count; ++m) {
            const double wy = yWeights[fy.weightOffset + static_cast<std::size_t>(m)];
            weightY += wy;
            const auto* src = reinterpret_cast<const std::uint8_t*>(
                block().data() +
                static_cast<std::size_t>(srcH - 1 - (fy.first + m)) * static_cast<std::size_t>(srcW));
            for (int k = 0; k < srcW * 4; ++k)
                rowSums[static_cast<std::size_t>(k)] += wy * src[k];
        }
        auto* dst = reinterpret_cast<std::uint8_t*>(
            target.data() + static_cast<std::size_t>(newHeight - 1 - i) * static_cast<std::size_t>(newWidth));
        for (int j = 0; j < newWidth; ++j) {
            const Footprint& fx = columns[static_cast<std::size_t>(j)];
            double sum[4] = {0, 0, 0, 0};
            double weightX = 0;
            for (int l = 0; l < fx.count; ++l) {
                const double wx = xWeights[fx.weightOffset + static_cast<std::size_t>(l)];
                weightX += wx;
                const double* s = &rowSums[static_cast<std::size_t>(fx.first + l) * 4];
                sum[0] += wx * s[0];
                sum[1] += wx * s[1];
                sum[2] += wx * s[2];
                sum[3] += wx * s[3];
            }
            const double total = weightX * weightY;
            for (int c = 0; c < 4; ++c) {
                const double v = total > 0 ? sum[c] / total + 0.49 : 0.0;
                dst[j * 4 + c] = static_cast<std::uint8_t>(std::clamp(v, 0.0, 255.0));
            }
        }
    }
    lockedBits_ = nullptr;
    setBlock(std::move(target));
    header_.biWidth = newWidth;
    header_.biHeight = newHeight;
    header_.biSizeImage = static_cast<std::uint32_t>(count * 4);
}

void CRaster::LoadFromBitmap(const QImage& image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    Create(argb.width(), argb.height());
    for (int y = 0; y < argb.height(); ++y) {
        const auto* src = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        std::uint32_t* dst = bits() + indexOf(0, y);
        for (int x = 0; x < argb.width(); ++x)
            dst[x] = (src[x] & 0x00FFFFFFu) | static_cast<std::uint32_t>(255 - qAlpha(src[x])) << 24;
    }
}

PackedDib CRaster::ToPackedDib32() const
{
    if (!hasBlock())
        return {};
    PackedDib block;
    try {
        block.resize(BitmapInfoHeader::kSize + pixelCount() * 4);
    } catch (const std::bad_alloc&) {
        return {};
    }
    const auto header = header_.toBytes();
    std::memcpy(block.data(), header.data(), header.size());
    std::memcpy(block.data() + BitmapInfoHeader::kSize, bits(), pixelCount() * 4);
    return block;
}

namespace {

// A top-down Qt image of the raster, each pixel mapped from 0xTTRRGGBB to a QRgb.
template <typename Map> QImage qimageOf(const CRaster& raster, QImage::Format format, Map map)
{
    if (!raster.hasBlock())
        return {};
    QImage image(raster.width(), raster.height(), format);
    for (int y = 0; y < raster.height(); ++y) {
        const std::uint32_t* src = raster.bits() + raster.indexOf(0, y);
        auto* dst = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < raster.width(); ++x)
            dst[x] = map(src[x]);
    }
    return image;
}

} // namespace

QImage CRaster::toQImage() const
{
    return qimageOf(*this, QImage::Format_RGB32, [](std::uint32_t p) { return p | 0xFF000000u; });
}

QImage CRaster::toQImageWithAlpha() const
{
    return qimageOf(*this, QImage::Format_ARGB32,
                    [](std::uint32_t p) { return (p & 0x00FFFFFFu) | (255u - (p >> 24)) << 24; });
}

void CRaster::Draw(QPainter& painter, const QRect& destination) const
{
    if (!hasBlock())
        return;
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(destination.normalized(), toQImage());
    painter.restore();
}

void CRaster::DrawZoomed(QPainter& painter, int zoom, int x, int y) const
{
    if (!hasBlock())
        return;
    const QImage image = toQImage();
    if (zoom <= 1) {
        painter.drawImage(QPoint(x, y), image);
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QRect(zoom * x, zoom * y, zoom * width(), zoom * height()), image);
    painter.restore();
}

} // namespace lw
