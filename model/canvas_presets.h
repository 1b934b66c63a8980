#pragma once
// The preset list of the canvas-size dialog ("Размер кадра"), in list order.
#include <array>

namespace lw {

struct CanvasPreset {
    const char* label; // UTF-8
    int width;         // 0: the first entry, which leaves the fields as they are
    int height;
};

inline constexpr std::array<CanvasPreset, 14> kCanvasPresets{{
    {"Произвольный размер...", 0, 0},
    {"Полный баннер (468x60)", 468, 60},
    {"Половина баннера (234x60)", 234, 60},
    {"Вертикальный баннер (120x240)", 120, 240},
    {"Небоскрёб (120x600)", 120, 600},
    {"Толстый небоскрёб (160x600)", 160, 600},
    {"Кнопка 1 (120x90)", 120, 90},
    {"Кнопка 2 (120x60)", 120, 60},
    {"Кнопка-квадрат (125x125)", 125, 125},
    {"Микро-кнопка (88x13)", 88, 31},
    {"Гигант (728x90)", 728, 90},
    {"Прямоугольник (300x250)", 300, 250},
    {"Прямоугольник (336x280)", 336, 280},
    {"Квадрат (250x250)", 250, 250},
}};

} // namespace lw
