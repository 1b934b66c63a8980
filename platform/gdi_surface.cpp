#include "platform/gdi_surface.h"

#include <algorithm>

namespace lw {

CGdiSurface::CGdiSurface(int width, int height)
    : width_(std::max(0, width)), height_(std::max(0, height)), stride_((3 * width_ + 3) & ~3),
      image_(std::max(1, width_), std::max(1, height_), QImage::Format_RGB32)
{
    image_.fill(Qt::black);
}

CGdiSurface::~CGdiSurface()
{
    endPainting();
}

void CGdiSurface::endPainting()
{
    if (painter_) {
        painter_->end();
        painter_.reset();
    }
}

void CGdiSurface::Clear(bool white)
{
    endPainting();
    image_.fill(white ? Qt::white : Qt::black);
}

QPainter& CGdiSurface::painter()
{
    if (!painter_) {
        painter_ = std::make_unique<QPainter>(&image_);
        painter_->setRenderHints(QPainter::RenderHints());
    }
    return *painter_;
}

void CGdiSurface::Capture(int slot)
{
    endPainting();
    auto& out = captures_[static_cast<std::size_t>(slot & 1)];
    out.assign(static_cast<std::size_t>(stride_) * static_cast<std::size_t>(height_), 0);
    for (int y = 0; y < height_; ++y) {
        const auto* src = reinterpret_cast<const QRgb*>(image_.constScanLine(y));
        std::uint8_t* dst = out.data() + static_cast<std::size_t>(height_ - 1 - y) * static_cast<std::size_t>(stride_);
        for (int x = 0; x < width_; ++x) {
            dst[3 * x] = static_cast<std::uint8_t>(qBlue(src[x]));
            dst[3 * x + 1] = static_cast<std::uint8_t>(qGreen(src[x]));
            dst[3 * x + 2] = static_cast<std::uint8_t>(qRed(src[x]));
        }
    }
}

std::uint32_t CGdiSurface::Compare(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_ || captures_[0].empty() || captures_[1].empty())
        return 0;
    const std::size_t at = static_cast<std::size_t>(height_ - 1 - y) * static_cast<std::size_t>(stride_) +
                           static_cast<std::size_t>(3 * x);
    const std::uint8_t* a = &captures_[0][at];
    const std::uint8_t* b = &captures_[1][at];
    const std::uint32_t colour = static_cast<std::uint32_t>(a[2]) | static_cast<std::uint32_t>(a[1]) << 8 |
                                 static_cast<std::uint32_t>(a[0]) << 16;
    const bool differs = a[0] != b[0] || a[1] != b[1] || a[2] != b[2];
    return colour | (differs ? 0xFF000000u : 0u);
}

} // namespace lw
