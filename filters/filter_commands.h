#pragma once
// The filter commands of the editing view's menus, without any window: each finds its target in
// the current frame, asks its questions through FilterUiPort and applies its filter in place or by
// replacing the layer. The editor's menu handlers only map their command to one of these and
// redraw when a command reports a change.
#include "filters/filter_questions.h"
#include "model/frame.h"

#include <cstdint>

namespace lw {

enum class FilterCommand {
    // Colour and transparency.
    BrightnessContrast, // "Яркость / Контраст"
    Saturation,         // "Насыщенность"
    InvertColours,      // "Инверсия цвета"
    Greyscale,          // "Конвертировать в шкалу серого"
    TwoColour,          // "Преобразовать в двухцветный..."
    Colorize,           // "Расцветка..."
    ReduceColours,      // "Ужать/Уменьшить цвета..."
    ColourThreshold,    // "Цветовой порог..."
    InvertAlpha,        // "Инверсия Alpha канала"
    ApplyTransparency,  // "Применить прозрачность..."
    WhiteToTransparent, // "Сделать прозрачным Белый фон..."
    ExtractAlpha,       // "Извлечь Alpha канал"
    // Relief, blur and shadow.
    VerticalGradient,       // "Вертикальный градиент"
    HorizontalGradient,     // "Горизонтальный градиент"
    DiagonalGradient,       // "Диагональный градиент"
    BevelledRectangle,      // "Скошенный прямоугольник"
    BevelledShape,          // "Скошенная форма"
    DropShadow,             // "Отбрасывание тени"
    Glow,                   // "Свечение в центре"
    EdgeBlur,               // "по краям"
    GaussianBlur,           // "по Гауссу"
    Turn180,                // "180°"
    Turn90Clockwise,        // "90° по часовой"
    Turn90CounterClockwise, // "90° против часовой"
    MirrorLeftRight,        // "по горизонтали"
    MirrorTopBottom,        // "по вертикали"
};

// What a command works on: the current frame, the view's colours (0xTTRRGGBB) and the prompts.
struct FilterEnvironment {
    CFrame& frame;
    FilterUiPort& ui;
    std::uint32_t foreground = 0x00000000;
    std::uint32_t background = 0x00FFFFFF;
    // The colorize colour: the dialog starts at the one chosen the previous time.
    std::uint32_t colorizeColour = 0x00FF8000;
};

// Runs one command. Returns true when the frame changed (the caller marks the document modified
// and redraws). No target, a wrong kind, a declined question or a cancelled dialog change nothing.
// MemoryError and PLTextException pass through with the frame unchanged.
bool runFilter(FilterCommand command, FilterEnvironment& env);

// "Вставить Alpha канал" and "Объединить в один": the clipboard's picture (already read from its
// device-independent bitmap) merged into the bitmap target; null means the clipboard holds no
// bitmap and nothing happens.
bool insertAlphaFromPicture(FilterEnvironment& env, const CRaster* picture);
bool takeColoursFromPicture(FilterEnvironment& env, const CRaster* picture);
// Their enable rule: a bitmap on the clipboard and exactly one layer selected, a bitmap layer.
bool canUseClipboardPicture(const CFrame& frame, bool clipboardHasBitmap);

// The rotate command: dialog "Поворот", then the bitmap target replaced by its rotated copy.
bool rotateLayer(FilterEnvironment& env);
// Degrees to the angle RotateRaster takes (positive turns clockwise on screen).
double rotationRadians(double degrees, bool counterClockwise);

// The frame border: dialog "Окантовка кадра" (or a tool-bar change through setFrameBorder).
// Disabled while the frame has a background frame.
bool canSetFrameBorder(const CFrame& frame);
bool askFrameBorder(FilterEnvironment& env);
// Width 0 … 10 and a colour as the colour dialog gives it (0xTTRRGGBB); re-renders the frame.
void setFrameBorder(CFrame& frame, int width, std::uint32_t colour);

} // namespace lw
