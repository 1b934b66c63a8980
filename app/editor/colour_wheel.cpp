#include "app/editor/colour_wheel.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace lw {

namespace {

constexpr int kCentre = 100;

double radiusAt(int x, int y)
{
    const double dx = x - kCentre;
    const double dy = kCentre - y;
    return std::sqrt(dx * dx + dy * dy);
}

int hueAt(int x, int y, double r)
{
    if (r == 0)
        return 0; // the centre has no direction
    const int dx = x - kCentre;
    const int dy = kCentre - y;
    const double degrees = std::acos(std::clamp(dx / r, -1.0, 1.0)) * 180.0 / std::numbers::pi;
    int hue = std::clamp(static_cast<int>(degrees), 0, 180);
    if (dy < 0)
        hue = 360 - hue;
    return hue % 360;
}

int saturationAt(double r)
{
    if (r <= 2)
        return 0;
    if (r >= 98)
        return 100;
    const double whole = std::floor(r);
    return static_cast<int>(whole - (100 - whole) / 96) + 2;
}

QRgb toQRgb(Rgb rgb)
{
    return qRgb(rgb.red, rgb.green, rgb.blue);
}

} // namespace

std::optional<HueSaturation> diskPixel(int x, int y)
{
    const double r = radiusAt(x, y);
    if (r >= 100.5)
        return std::nullopt;
    return HueSaturation{hueAt(x, y, r), saturationAt(r)};
}

HueSaturation diskPick(int x, int y)
{
    const double r = radiusAt(x, y);
    return HueSaturation{hueAt(x, y, r), r >= 100.5 ? 100 : saturationAt(r)};
}

int stripPick(int y)
{
    return 100 - std::clamp(y, 0, 200) / 2;
}

QPoint diskMarker(int hue, int saturation)
{
    const double angle = hue * std::numbers::pi / 180.0;
    return QPoint(kCentre + static_cast<int>(saturation * std::cos(angle)),
                  kCentre - static_cast<int>(saturation * std::sin(angle)));
}

QPoint stripMarker(int value)
{
    return QPoint(10, std::clamp(2 * (100 - value), 0, 200));
}

QImage diskImage(int value, QRgb face)
{
    QImage image(kDiskSize, kDiskSize, QImage::Format_RGB32);
    for (int y = 0; y < kDiskSize; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < kDiskSize; ++x) {
            const auto hs = diskPixel(x, y);
            line[x] = hs ? toQRgb(hsvToRgb({hs->hue, hs->saturation, value})) : face;
        }
    }
    return image;
}

QImage stripImage(int hue, int saturation)
{
    QImage image(kStripWidth, kStripHeight, QImage::Format_RGB32);
    for (int i = 0; i <= 100; ++i) {
        const QRgb colour = toQRgb(hsvToRgb({hue, saturation, i}));
        for (const int row : {201 - 2 * i, 200 - 2 * i}) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(row));
            std::fill(line, line + kStripWidth, colour);
        }
    }
    return image;
}

} // namespace lw
