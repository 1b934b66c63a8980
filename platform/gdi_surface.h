#pragma once
// An off-screen drawing surface with two 24-bit captures. Shapes and text are drawn on it twice,
// once on black and once on white; the pixels whose captures differ are those the drawing
// covered, and Compare reports them.
#include <QImage>
#include <QPainter>
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace lw {

class CGdiSurface {
public:
    CGdiSurface(int width, int height);
    ~CGdiSurface();
    CGdiSurface(const CGdiSurface&) = delete;
    CGdiSurface& operator=(const CGdiSurface&) = delete;

    int width() const { return width_; }
    int height() const { return height_; }

    // Fills the whole surface white (true) or black (false).
    void Clear(bool white);
    // A painter on the surface, with no antialiasing; valid until the next Clear or Capture.
    QPainter& painter();
    // Reads the surface as bottom-up 24-bit rows (stride rounded up to 4 bytes) into the slot.
    void Capture(int slot);
    // Capture 0's colour at (x, y) as red | green << 8 | blue << 16, with 0xFF in the top byte
    // where the two captures differ. Outside the surface or without both captures: 0.
    std::uint32_t Compare(int x, int y) const;

    int captureStride() const { return stride_; }
    const std::vector<std::uint8_t>& capture(int slot) const { return captures_[static_cast<std::size_t>(slot & 1)]; }

private:
    void endPainting();
    int width_;
    int height_;
    int stride_;
    QImage image_;
    std::unique_ptr<QPainter> painter_;
    std::array<std::vector<std::uint8_t>, 2> captures_;
};

} // namespace lw
