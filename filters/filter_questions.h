#pragma once
// The questions the layer filters ask: value dialogs, the filter settings dialog, the shadow
// dialog, the frame border dialog and the rotate dialog (the colour dialog is the platform's).
// Each carries the dialog's texts and starting values; the answers are what OK returns.
// FilterUiPort adds them to the picture questions, so the editor answers every question of the
// core through one port.
#include "imaging/picture_questions.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace lw {

// One labelled whole-number field. The dialogs show the range in the label but accept anything.
struct ValueField {
    std::string label;
    int value = 0;
    int minimum = 0;
    int maximum = 100;
    std::string unit; // shown after the field, e.g. "пикс"; empty for none
};

// A dialog of one or two value fields: "Фильтр" (group "Параметры"), "Размытость",
// "Уменьшение цветов".
struct FilterValuesQuestion {
    std::string title;
    std::string group;
    std::vector<ValueField> fields;
};

// "Настройки фильтра": a group with a list of choices and a "Reverse" check box.
struct FilterSettingsQuestion {
    std::string title;
    std::string group;
    std::vector<std::string> choices;
    int choice = 0;
    bool reverse = false;
};
struct FilterSettingsAnswer {
    int choice = 0;
    bool reverse = false;
};

// "Тень / Размытость".
struct ShadowQuestion {
    std::string title;
    int distance = 2;
    int intensity = 100;
    int radius = 5;
    bool useBackgroundColour = false; // "Применить цвет фона"
};
struct ShadowAnswer {
    int distance = 2;
    int intensity = 100;
    int radius = 5;
    bool useBackgroundColour = false;
};

// "Окантовка кадра": width 0 … 10 ("нет", "1 px" … "10 px") and the colour chosen through
// "Выбор цвета" (0xTTRRGGBB, transparency not offered).
struct FrameBorderQuestion {
    std::string title;
    std::string colourCaption; // the colour dialog's caption
    int width = 0;
    std::uint32_t colour = 0;
};
struct FrameBorderAnswer {
    int width = 0;
    std::uint32_t colour = 0;
};

// "Поворот": the angle in degrees (−359.9 … 359.9), the direction and smoothing.
struct RotationQuestion {
    std::string title;
    double degrees = 0;
    bool counterClockwise = false; // "по час." (initial) / "против"
    bool smooth = true;            // "Сгладить"
};
struct RotationAnswer {
    double degrees = 0;
    bool counterClockwise = false;
    bool smooth = true;
};

class FilterUiPort : public PictureUiPort {
public:
    // The layer filters' dialogs; nothing when the user cancels.
    virtual std::optional<std::vector<int>> askFilterValues(const FilterValuesQuestion& question) = 0;
    virtual std::optional<FilterSettingsAnswer> askFilterSettings(const FilterSettingsQuestion& question) = 0;
    virtual std::optional<ShadowAnswer> askShadow(const ShadowQuestion& question) = 0;
    virtual std::optional<FrameBorderAnswer> askFrameBorder(const FrameBorderQuestion& question) = 0;
    virtual std::optional<RotationAnswer> askRotation(const RotationQuestion& question) = 0;
};

} // namespace lw
