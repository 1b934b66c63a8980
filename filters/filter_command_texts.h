#pragma once
// The fixed texts of the filter commands' dialogs and messages.
namespace lw::filtertext {

inline constexpr const char* kValuesTitle = "Фильтр";
inline constexpr const char* kValuesGroup = "Параметры";
inline constexpr const char* kBrightness = "Яркость    (-100,100):";
inline constexpr const char* kContrast = "Контраст (-100,100):";
inline constexpr const char* kSaturation = "Saturation (-100,100):";
inline constexpr const char* kThreshold = "Threshold (0,255):";
inline constexpr const char* kTransparency = "Прозрачность:";
inline constexpr const char* kGlowAmount = "Свечение : ";
inline constexpr const char* kBorderWidth = "Ширина рамки:";

inline constexpr const char* kReduceTitle = "Уменьшение цветов";
inline constexpr const char* kReduceField = "Максимум цветов:";

inline constexpr const char* kSettingsTitle = "Настройки фильтра";
inline constexpr const char* kGradientGroup = "Тип градиента";
inline constexpr const char* kGradientLine = "Линией";
inline constexpr const char* kGradientRound = "Вокруг";
inline constexpr const char* kLightGroup = "Light";
inline constexpr const char* kLightAndShadow = "Свет + Тень ";
inline constexpr const char* kLightOnly = "Один свет ";
inline constexpr const char* kShadowOnly = "Только тень";

inline constexpr const char* kShadowTitle = "Тень / Размытость";
inline constexpr const char* kBlurTitle = "Размытость";
inline constexpr const char* kBlurDistance = "Расстояние:";
inline constexpr const char* kBlurUnit = "пикс.";

inline constexpr const char* kTwoColourQuestion =
    "Эта команда преобразует выбранный рисунок в монохромный и инвертирует все цветные пикселы изображения и "
    "цветов фона в чёрно-белое изображение.          ";
inline constexpr const char* kColorizeQuestion =
    "This command will color each pixel using selected color and opacity, preserving image luminosity.";
inline constexpr const char* kColorizeCaption = "Colorize Image";
inline constexpr const char* kWhiteQuestion =
    "Желаете преобразовать белый задний фон рисунка и сделать его прозрачным?";
inline constexpr const char* kWhiteCaption = "Убрать";
inline constexpr const char* kWhiteNotFound = "Белый цвет не найден .";

inline constexpr const char* kRotationTitle = "Поворот";
inline constexpr const char* kFrameBorderTitle = "Окантовка кадра";
inline constexpr const char* kFrameBorderColourCaption = "Цвет рамки кадра  ";

// Upper ends shown for the blur distance and the frame border list ("нет", "1 px" … "10 px").
inline constexpr int kMaxBlurField = 100;
inline constexpr int kMaxFrameBorder = 10;

} // namespace lw::filtertext
