#include "app/editor/command_table.h"

#include "model/layer_object.h"

#include <QCoreApplication>
#include <QKeySequence>
#include <algorithm>

#define TR(text) QT_TRANSLATE_NOOP("Command", text)

namespace lw {
namespace {

// Enable rules, named after what they ask.
bool notFirstFrame(const EditorState& s)
{
    return !s.currentIsFirst;
}
bool hasNextFrame(const EditorState& s)
{
    return s.currentHasNext;
}
bool canDeleteFrame(const EditorState& s)
{
    return s.frameCount >= 2 && (s.currentIsMaster || s.normalFrameCount >= 2);
}
bool canToggleMaster(const EditorState& s)
{
    return s.currentIsMaster || s.normalFrameCount >= 2;
}
bool isMaster(const EditorState& s)
{
    return s.currentIsMaster;
}
bool hasLayers(const EditorState& s)
{
    return s.layerCount > 0;
}
bool animates(const EditorState& s)
{
    return s.producesAnimation;
}
bool anySelected(const EditorState& s)
{
    return s.selectedCount >= 1;
}
bool severalSelected(const EditorState& s)
{
    return s.selectedCount > 1;
}
bool oneSelected(const EditorState& s)
{
    return s.selectedCount == 1;
}
bool oneShapeOrText(const EditorState& s)
{
    return s.onlySelectedType == kTypeText || s.onlySelectedType == kTypeRectangle ||
           s.onlySelectedType == kTypeEllipse;
}
bool oneBitmapOrText(const EditorState& s)
{
    return s.onlySelectedType == kTypeBitmap || s.onlySelectedType == kTypeText;
}
bool oneBitmap(const EditorState& s)
{
    return s.onlySelectedType == kTypeBitmap;
}
bool oneText(const EditorState& s)
{
    return s.onlySelectedType == kTypeText;
}
bool oneStyledShape(const EditorState& s)
{
    return s.onlySelectedType == kTypeRectangle || s.onlySelectedType == kTypeEllipse ||
           s.onlySelectedType == kTypeBitmap;
}
bool frameBorderAllowed(const EditorState& s)
{
    return s.canSetFrameBorder;
}
bool firstSelectedIsBitmap(const EditorState& s)
{
    return s.firstSelectedType == kTypeBitmap;
}
bool clipboardBitmapForOneBitmap(const EditorState& s)
{
    return s.clipboardHasBitmap && oneBitmap(s);
}
bool canPaste(const EditorState& s)
{
    return s.clipboardHasLayers || s.clipboardHasBitmap || s.clipboardHasMetafile;
}
bool canUndo(const EditorState& s)
{
    return s.canUndo;
}
bool hasGifPath(const EditorState& s)
{
    return !s.gifPathEmpty;
}
bool zoomedIn(const EditorState& s)
{
    return s.zoom > 1;
}
bool notZoomOne(const EditorState& s)
{
    return s.zoom != 1;
}
bool hasWindows(const EditorState& s)
{
    return s.hasWindows;
}

template <int Tool> bool toolIs(const EditorState& s)
{
    return s.tool == Tool;
}
template <int Brush> bool brushIs(const EditorState& s)
{
    return s.brush == Brush;
}
template <int Bar> bool barShown(const EditorState& s)
{
    return std::find(s.visibleBars.begin(), s.visibleBars.end(), Bar) != s.visibleBars.end();
}
template <int Slot> std::string recentText(const EditorState& s)
{
    if (Slot >= static_cast<int>(s.recentFiles.size()) || s.recentFiles[Slot].empty())
        return {};
    return "&" + std::to_string(Slot + 1) + " " + s.recentFiles[Slot];
}
template <int Slot> bool recentPresent(const EditorState& s)
{
    return !recentText<Slot>(s).empty();
}

std::string saveGifText(const EditorState& s)
{
    return s.producesAnimation ? QCoreApplication::translate("Command", "Сохранить GIF     ").toStdString()
                               : QCoreApplication::translate("Command", "Сохранить GIF ").toStdString();
}
std::string saveGifAsText(const EditorState& s)
{
    return s.producesAnimation
               ? QCoreApplication::translate("Command", "Сохранить анимацию как..").toStdString()
               : QCoreApplication::translate("Command", "Сохранить GIF как...").toStdString();
}

constexpr Scope App = Scope::Application;
using K = std::array<const char*, 2>;

// clang-format off
const CommandRow kTable[] = {
    // File.
    {.id = cmd::New, .menu = Menu::File, .text = TR("Новый"), .keys = K{"Ctrl+N"}, .icon = "file-new", .scope = App},
    {.id = cmd::AnimationWizard, .menu = Menu::File, .text = TR("Мастер анимации..."), .keys = K{"Ctrl+Shift+N"}, .icon = "animation-wizard", .scope = App},
    {.id = cmd::QuickAnimation, .menu = Menu::File, .text = TR("Быстрая анимация..."), .icon = "quick-animation", .scope = App},
    {.id = cmd::OpenDocument, .menu = Menu::File, .separatorBefore = true, .text = TR("Открыть...\tCtrl+O"), .icon = "file-open", .scope = App},
    {.id = cmd::Save, .menu = Menu::File, .text = TR("Сохранить"), .keys = K{"Ctrl+S"}, .icon = "file-save"},
    {.id = cmd::SaveAs, .menu = Menu::File, .text = TR("Сохранить как...")},
    {.id = cmd::Close, .menu = Menu::File, .text = TR("Закрыть")},
    {.id = cmd::ImportPicture, .menu = Menu::File, .separatorBefore = true, .text = TR("Импорт рисунка..."), .keys = K{"Ctrl+I"}, .icon = "import-picture"},
    {.id = cmd::SaveGif, .menu = Menu::File, .text = TR("Сохранить GIF анимацию"), .keys = K{"Ctrl+E"}, .icon = "save-gif", .dynamicText = saveGifText},
    {.id = cmd::SaveGifAs, .menu = Menu::File, .text = TR("Сохранить GIF анимацию как..."), .dynamicText = saveGifAsText},
    {.id = cmd::ExportFrame, .menu = Menu::File, .text = TR("Экспорт кадра как...")},
    {.id = cmd::AviExport, .menu = Menu::File, .text = TR("Экспорт в AVI файл...")},
    {.id = cmd::HtmlSettings, .menu = Menu::File, .text = TR("HTML настройки..."), .icon = "html-settings"},
    {.id = cmd::HtmlPage, .menu = Menu::File, .text = TR("Сохранить HTML страницу..."), .enabled = hasGifPath},
    {.id = cmd::OptimisationWizard, .menu = Menu::File, .text = TR("Мастер оптимизации..."), .icon = "optimisation-wizard"},
    {.id = cmd::Print, .menu = Menu::File, .separatorBefore = true, .text = TR("Печать..."), .keys = K{"Ctrl+P"}, .icon = "print"},
    {.id = cmd::PrintPreview, .menu = Menu::File, .text = TR("Предпросмотр"), .icon = "print-preview"},
    {.id = cmd::PrintSetup, .menu = Menu::File, .text = TR("Настройка принтера..."), .scope = App},
    {.id = cmd::Recent1, .menu = Menu::File, .separatorBefore = true, .text = TR("Последний файл"), .scope = App, .enabled = recentPresent<0>, .dynamicText = recentText<0>},
    {.id = cmd::Recent1 + 1, .menu = Menu::File, .text = TR("Последний файл"), .scope = App, .enabled = recentPresent<1>, .dynamicText = recentText<1>},
    {.id = cmd::Recent1 + 2, .menu = Menu::File, .text = TR("Последний файл"), .scope = App, .enabled = recentPresent<2>, .dynamicText = recentText<2>},
    {.id = cmd::Recent1 + 3, .menu = Menu::File, .text = TR("Последний файл"), .scope = App, .enabled = recentPresent<3>, .dynamicText = recentText<3>},
    {.id = cmd::Exit, .menu = Menu::File, .separatorBefore = true, .text = TR("Выход"), .scope = App},

    // Edit.
    {.id = cmd::Undo, .menu = Menu::Edit, .text = TR("Отмена"), .keys = K{"Ctrl+Z", "Alt+Backspace"}, .icon = "edit-undo", .enabled = canUndo},
    {.id = cmd::Cut, .menu = Menu::Edit, .separatorBefore = true, .text = TR("Вырезать"), .keys = K{"Ctrl+X", "Shift+Del"}, .icon = "edit-cut", .enabled = anySelected},
    {.id = cmd::Copy, .menu = Menu::Edit, .text = TR("Копировать"), .keys = K{"Ctrl+C", "Ctrl+Ins"}, .icon = "edit-copy", .enabled = anySelected},
    {.id = cmd::Paste, .menu = Menu::Edit, .text = TR("Вставить"), .keys = K{"Ctrl+V", "Shift+Ins"}, .icon = "edit-paste", .enabled = canPaste},
    {.id = cmd::DeleteLayers, .menu = Menu::Edit, .text = TR("Удалить"), .keys = K{"Del"}, .enabled = anySelected},
    {.id = cmd::SelectAll, .menu = Menu::Edit, .text = TR("Выбрать всё"), .keys = K{"Ctrl+A"}, .enabled = hasLayers},
    {.id = cmd::Duplicate, .menu = Menu::Edit, .separatorBefore = true, .text = TR("Дублировать"), .keys = K{"Ctrl+Shift+D"}, .icon = "duplicate", .enabled = anySelected},
    {.id = cmd::CloneIntoFrames, .menu = Menu::Edit, .text = TR("Размножить"), .keys = K{"Ctrl+Shift+C"}, .enabled = anySelected},
    {.id = cmd::InsertSymbol, .menu = Menu::Edit, .text = TR("Вставить символ"), .icon = "insert-symbol"},

    // View.
    {.id = cmd::BarMainToolBar, .menu = Menu::View, .text = TR("Панель инструментов"), .check = CheckGroup::Toggle, .scope = App, .checked = barShown<cmd::BarMainToolBar>},
    {.id = cmd::BarToolBox, .menu = Menu::View, .text = TR("Tools"), .check = CheckGroup::Toggle, .scope = App, .checked = barShown<cmd::BarToolBox>},
    {.id = cmd::BarBrushes, .menu = Menu::View, .text = TR("Кисти"), .check = CheckGroup::Toggle, .scope = App, .checked = barShown<cmd::BarBrushes>},
    {.id = cmd::BarColours, .menu = Menu::View, .text = TR("Текущие цвета"), .check = CheckGroup::Toggle, .scope = App, .checked = barShown<cmd::BarColours>},
    {.id = cmd::BarFrameList, .menu = Menu::View, .text = TR("Кадры"), .check = CheckGroup::Toggle, .scope = App, .checked = barShown<cmd::BarFrameList>},
    {.id = cmd::BarBackground, .menu = Menu::View, .text = TR("Цвет фона"), .check = CheckGroup::Toggle, .scope = App, .checked = barShown<cmd::BarBackground>},
    {.id = cmd::BarPalette, .menu = Menu::View, .text = TR("Палитра"), .check = CheckGroup::Toggle, .scope = App, .checked = barShown<cmd::BarPalette>},
    {.id = cmd::BarStatus, .menu = Menu::View, .text = TR("Строка состояния"), .check = CheckGroup::Toggle, .scope = App, .checked = barShown<cmd::BarStatus>},
    {.id = cmd::ZoomIn, .menu = Menu::View, .separatorBefore = true, .text = TR("Увеличить"), .keys = K{"Num++"}},
    {.id = cmd::ZoomOut, .menu = Menu::View, .text = TR("Уменьшить"), .keys = K{"Num+-"}, .enabled = zoomedIn},
    {.id = cmd::ZoomOne, .menu = Menu::View, .text = TR("Масштаб 1:1"), .keys = K{"Num+*"}, .enabled = notZoomOne},
    {.id = cmd::Preview, .menu = Menu::View, .separatorBefore = true, .text = TR("Просмотр анимации"), .keys = K{"F9"}, .icon = "preview"},
    {.id = cmd::PreviewFromHere, .menu = Menu::View, .text = TR("С этой точки"), .keys = K{"Ctrl+F9"}},
    {.id = cmd::PreviewFrame, .menu = Menu::View, .text = TR("Текущий кадр"), .keys = K{"Shift+F9"}},

    // Frame.
    {.id = cmd::FirstFrame, .menu = Menu::Frame, .text = TR("К первому кадру"), .keys = K{"Home"}, .icon = "first-frame", .enabled = notFirstFrame},
    {.id = cmd::PreviousFrame, .menu = Menu::Frame, .text = TR("К предыдущему кадру"), .keys = K{"PgUp"}, .icon = "previous-frame", .enabled = notFirstFrame},
    {.id = cmd::NextFrame, .menu = Menu::Frame, .text = TR("К следующему кадру"), .keys = K{"PgDown"}, .icon = "next-frame", .enabled = hasNextFrame},
    {.id = cmd::LastFrame, .menu = Menu::Frame, .text = TR("К последему кадру"), .keys = K{"End"}, .icon = "last-frame", .enabled = hasNextFrame},
    {.id = cmd::InsertFrameAfter, .menu = Menu::Frame, .submenu = kSubmenuNewFrame, .separatorBefore = true, .text = TR("после текущего"), .icon = "insert-frame"},
    {.id = cmd::InsertFrameBefore, .menu = Menu::Frame, .submenu = kSubmenuNewFrame, .text = TR("перед текущим")},
    {.id = cmd::AppendFrame, .menu = Menu::Frame, .submenu = kSubmenuNewFrame, .text = TR("в конец")},
    {.id = cmd::DeleteFrame, .menu = Menu::Frame, .text = TR("Удалить"), .tip = TR("Удалить кадр"), .icon = "delete-frame", .enabled = canDeleteFrame},
    {.id = cmd::MasterFrame, .menu = Menu::Frame, .text = TR("Мастер кадров"), .check = CheckGroup::Toggle, .enabled = canToggleMaster, .checked = isMaster},
    {.id = cmd::FrameDelay, .menu = Menu::Frame, .separatorBefore = true, .text = TR("Задержка кадра"), .keys = K{"Ctrl+D"}},
    {.id = cmd::FrameBackgroundColour, .menu = Menu::Frame, .text = TR("Цвет заднего фона...")},
    {.id = cmd::FrameBorder, .menu = Menu::Frame, .text = TR("Рамка кадра..."), .enabled = frameBorderAllowed},
    {.id = cmd::AutoSizeFrame, .menu = Menu::Frame, .text = TR("Авторазмер кадра"), .icon = "auto-size-frame", .enabled = hasLayers},
    {.id = cmd::ResizeAnimation, .menu = Menu::Frame, .text = TR("Изменить размер анимации")},
    {.id = cmd::CanvasSize, .menu = Menu::Frame, .text = TR("Размер холста...")},
    {.id = cmd::LoopCount, .menu = Menu::Frame, .text = TR("Число повторов..."), .enabled = animates},
    {.id = cmd::FrameIntro, .menu = Menu::Frame, .separatorBefore = true, .text = TR("Анимация внутрь..."), .tip = TR("Анимация кадра внутрь")},
    {.id = cmd::FrameAnimation, .menu = Menu::Frame, .text = TR("Анимация..."), .tip = TR("Анимация кадра")},
    {.id = cmd::FrameOutro, .menu = Menu::Frame, .text = TR("Анимация наружу..."), .tip = TR("Анимация кадра наружу")},

    // Layer.
    {.id = cmd::AddLayer, .menu = Menu::Layer, .text = TR("Добавить слой")},
    {.id = cmd::BringToFront, .menu = Menu::Layer, .separatorBefore = true, .text = TR("На передний план"), .enabled = anySelected},
    {.id = cmd::SendToBack, .menu = Menu::Layer, .text = TR("На задний план"), .enabled = anySelected},
    {.id = cmd::CentreOnPage, .menu = Menu::Layer, .separatorBefore = true, .text = TR("По центру страницы"), .enabled = anySelected},
    {.id = cmd::StretchToPage, .menu = Menu::Layer, .text = TR("Растянуть по странице"), .enabled = anySelected},
    {.id = cmd::Align, .menu = Menu::Layer, .text = TR("Выровнять..."), .enabled = anySelected},
    {.id = cmd::MoveTo, .menu = Menu::Layer, .text = TR("Переместить в..."), .keys = K{"Ctrl+M"}, .enabled = anySelected},
    {.id = cmd::ConvertToBitmap, .menu = Menu::Layer, .separatorBefore = true, .text = TR("Конвертировать в Bitmap"), .enabled = oneShapeOrText},
    {.id = cmd::Combine, .menu = Menu::Layer, .text = TR("Комбинировать"), .icon = "combine", .enabled = severalSelected},
    {.id = cmd::Turn180, .menu = Menu::Layer, .submenu = kSubmenuRotate, .text = TR("180°"), .tip = TR("Повернуть на 180°"), .enabled = oneBitmapOrText},
    {.id = cmd::Turn90Clockwise, .menu = Menu::Layer, .submenu = kSubmenuRotate, .text = TR("90° по часовой"), .tip = TR("Повернуть на 90° по часовой"), .enabled = oneBitmapOrText},
    {.id = cmd::Turn90CounterClockwise, .menu = Menu::Layer, .submenu = kSubmenuRotate, .text = TR("90° против часовой"), .tip = TR("Повернуть на 90° против часовой"), .enabled = oneBitmapOrText},
    {.id = cmd::RotateOther, .menu = Menu::Layer, .submenu = kSubmenuRotate, .text = TR("Другой угол..."), .tip = TR("Повернуть на другой угол"), .enabled = oneBitmapOrText},
    {.id = cmd::MirrorHorizontal, .menu = Menu::Layer, .submenu = kSubmenuMirror, .text = TR("по горизонтали"), .tip = TR("Отразить по горизонтали"), .enabled = oneBitmap},
    {.id = cmd::MirrorVertical, .menu = Menu::Layer, .submenu = kSubmenuMirror, .text = TR("по вертикали"), .tip = TR("Отразить по вертикали"), .enabled = oneBitmap},
    {.id = cmd::ImageSize, .menu = Menu::Layer, .text = TR("Размер рисунка"), .icon = "image-size", .enabled = oneSelected},
    {.id = cmd::StretchShrink, .menu = Menu::Layer, .text = TR("Растянуть/Сжать..."), .icon = "stretch-shrink", .enabled = oneSelected},
    {.id = cmd::EditText, .menu = Menu::Layer, .separatorBefore = true, .text = TR("Правка текста"), .icon = "edit-text", .enabled = oneText},
    {.id = cmd::ChooseFont, .menu = Menu::Layer, .text = TR("Выбор шрифта"), .enabled = oneText},
    {.id = cmd::ShapeStyle, .menu = Menu::Layer, .text = TR("Стиль фигуры..."), .enabled = oneStyledShape},
    {.id = cmd::SwapColours, .menu = Menu::Layer, .text = TR("Смена цветов"), .icon = "swap-colours"},

    // Filters.
    {.id = cmd::FilterBrightnessContrast, .menu = Menu::Filters, .text = TR("Яркость / Контраст"), .enabled = anySelected},
    {.id = cmd::FilterSaturation, .menu = Menu::Filters, .text = TR("Насыщенность"), .enabled = firstSelectedIsBitmap},
    {.id = cmd::FilterInvertColours, .menu = Menu::Filters, .text = TR("Инверсия цвета"), .enabled = firstSelectedIsBitmap},
    {.id = cmd::FilterGreyscale, .menu = Menu::Filters, .text = TR("Конвертировать в шкалу серого"), .enabled = firstSelectedIsBitmap},
    {.id = cmd::FilterTwoColour, .menu = Menu::Filters, .text = TR("Преобразовать в двухцветный..."), .enabled = firstSelectedIsBitmap},
    {.id = cmd::FilterColorize, .menu = Menu::Filters, .text = TR("Расцветка..."), .enabled = firstSelectedIsBitmap},
    {.id = cmd::FilterReduceColours, .menu = Menu::Filters, .text = TR("Ужать/Уменьшить цвета..."), .enabled = firstSelectedIsBitmap},
    {.id = cmd::FilterThreshold, .menu = Menu::Filters, .separatorBefore = true, .text = TR("Цветовой порог..."), .enabled = anySelected},
    {.id = cmd::FilterInvertAlpha, .menu = Menu::Filters, .text = TR("Инверсия Alpha канала"), .enabled = anySelected},
    {.id = cmd::FilterApplyTransparency, .menu = Menu::Filters, .text = TR("Применить прозрачность..."), .enabled = anySelected},
    {.id = cmd::FilterWhiteToTransparent, .menu = Menu::Filters, .text = TR("Сделать прозрачным Белый фон..."), .enabled = firstSelectedIsBitmap},
    {.id = cmd::FilterExtractAlpha, .menu = Menu::Filters, .text = TR("Извлечь Alpha канал"), .enabled = anySelected},
    {.id = cmd::FilterInsertAlpha, .menu = Menu::Filters, .text = TR("Вставить Alpha канал"), .enabled = clipboardBitmapForOneBitmap},
    {.id = cmd::FilterTakeColours, .menu = Menu::Filters, .text = TR("Объединить в один"), .enabled = clipboardBitmapForOneBitmap},
    {.id = cmd::FilterVerticalGradient, .menu = Menu::Filters, .submenu = kSubmenu3D, .separatorBefore = true, .text = TR("Вертикальный градиент"), .enabled = anySelected},
    {.id = cmd::FilterHorizontalGradient, .menu = Menu::Filters, .submenu = kSubmenu3D, .text = TR("Горизонтальный градиент"), .enabled = anySelected},
    {.id = cmd::FilterDiagonalGradient, .menu = Menu::Filters, .submenu = kSubmenu3D, .text = TR("Диагональный градиент"), .enabled = anySelected},
    {.id = cmd::FilterBevelledRectangle, .menu = Menu::Filters, .submenu = kSubmenu3D, .text = TR("Скошенный прямоугольник"), .enabled = anySelected},
    {.id = cmd::FilterBevelledShape, .menu = Menu::Filters, .submenu = kSubmenu3D, .text = TR("Скошенная форма"), .enabled = anySelected},
    {.id = cmd::FilterDropShadow, .menu = Menu::Filters, .submenu = kSubmenu3D, .text = TR("Отбрасывание тени"), .enabled = anySelected},
    {.id = cmd::FilterGlow, .menu = Menu::Filters, .submenu = kSubmenu3D, .text = TR("Свечение в центре"), .enabled = anySelected},
    {.id = cmd::FilterEdgeBlur, .menu = Menu::Filters, .submenu = kSubmenuBlur, .text = TR("по краям"), .tip = TR("Размытость по краям"), .enabled = anySelected},
    {.id = cmd::FilterGaussianBlur, .menu = Menu::Filters, .submenu = kSubmenuBlur, .text = TR("по Гауссу"), .tip = TR("Размытость по Гауссу"), .enabled = anySelected},

    // Effects.
    {.id = cmd::LayerIntro, .menu = Menu::Effects, .text = TR("Анимация внутрь..."), .tip = TR("Анимация слоя внутрь"), .enabled = oneSelected},
    {.id = cmd::LayerAnimation, .menu = Menu::Effects, .text = TR("Анимация..."), .tip = TR("Анимация слоя"), .enabled = oneSelected},
    {.id = cmd::LayerOutro, .menu = Menu::Effects, .text = TR("Анимация наружу..."), .tip = TR("Анимация слоя наружу"), .enabled = oneSelected},
    {.id = cmd::InstalledComponents, .menu = Menu::Effects, .separatorBefore = true, .text = TR("Установленные компоненты..."), .scope = App},
    {.id = cmd::ComponentsWeb, .menu = Menu::Effects, .text = TR("Компоненты в Web..."), .scope = App},

    // Window.
    {.id = cmd::Cascade, .menu = Menu::Window, .text = TR("Каскадом"), .scope = App, .enabled = hasWindows},
    {.id = cmd::Tile, .menu = Menu::Window, .text = TR("Мозаикой"), .scope = App, .enabled = hasWindows},
    {.id = cmd::NextWindow, .menu = Menu::Window, .text = TR("Следующее окно"), .keys = K{"Ctrl+F6"}, .scope = App, .enabled = hasWindows},
    {.id = cmd::PreviousWindow, .menu = Menu::Window, .text = TR("Предыдущее окно"), .keys = K{"Shift+F6"}, .scope = App, .enabled = hasWindows},

    // Help.
    {.id = cmd::HelpIndex, .menu = Menu::Help, .text = TR("Вызов Справки"), .keys = K{"F1"}, .icon = "help", .scope = App},
    {.id = cmd::Tutorial, .menu = Menu::Help, .text = TR("Обучение..."), .scope = App},
    {.id = cmd::Keyboard, .menu = Menu::Help, .text = TR("Клавиатура..."), .scope = App},
    {.id = cmd::QuarvexWeb, .menu = Menu::Help, .separatorBefore = true, .text = TR("Quarvex в сети Web..."), .scope = App},
    {.id = cmd::About, .menu = Menu::Help, .separatorBefore = true, .text = TR("О программе Loopwright GIF Animator..."), .scope = App},

    // The tool box: one check group.
    {.id = cmd::ToolSelect, .text = TR("Выбор / размер"), .keys = K{"F5"}, .icon = "tool-select", .check = CheckGroup::Tool, .checked = toolIs<cmd::ToolSelect>},
    {.id = cmd::ToolZoom, .text = TR("Масштаб"), .keys = K{"F6"}, .icon = "tool-zoom", .check = CheckGroup::Tool, .checked = toolIs<cmd::ToolZoom>},
    {.id = cmd::ToolNewBitmap, .text = TR("Новый рисунок"), .icon = "tool-new-bitmap", .check = CheckGroup::Tool, .checked = toolIs<cmd::ToolNewBitmap>},
    {.id = cmd::ToolGradient, .text = TR("Градиент"), .icon = "tool-gradient", .check = CheckGroup::Tool, .checked = toolIs<cmd::ToolGradient>},
    {.id = cmd::ToolCrop, .text = TR("Обрезка рисунка"), .icon = "tool-crop", .check = CheckGroup::Tool, .checked = toolIs<cmd::ToolCrop>},
    {.id = cmd::ToolRectangle, .text = TR("Прямоугольник"), .icon = "tool-rectangle", .check = CheckGroup::Tool, .checked = toolIs<cmd::ToolRectangle>},
    {.id = cmd::ToolEllipse, .text = TR("Эллипс"), .icon = "tool-ellipse", .check = CheckGroup::Tool, .checked = toolIs<cmd::ToolEllipse>},
    {.id = cmd::ToolLine, .text = TR("Линия"), .icon = "tool-line", .check = CheckGroup::Tool, .checked = toolIs<cmd::ToolLine>},
    {.id = cmd::ToolPencil, .text = TR("Карандаш"), .icon = "tool-pencil", .check = CheckGroup::Tool, .checked = toolIs<cmd::ToolPencil>},
    {.id = cmd::ToolText, .text = TR("Текст"), .icon = "tool-text", .check = CheckGroup::Tool, .checked = toolIs<cmd::ToolText>},
    {.id = cmd::ToolPicker, .text = TR("Пипетка"), .icon = "tool-picker", .check = CheckGroup::Tool, .checked = toolIs<cmd::ToolPicker>},
    {.id = cmd::ToolEraser, .text = TR("Ластик"), .icon = "tool-eraser", .check = CheckGroup::Tool, .checked = toolIs<cmd::ToolEraser>},
    {.id = cmd::ToolBucket, .text = TR("Заливка"), .icon = "tool-bucket", .check = CheckGroup::Tool, .checked = toolIs<cmd::ToolBucket>},

    // The brush sizes: one check group, brush index 0 … 5.
    {.id = cmd::Brushes[0], .text = TR("Кисть 1"), .icon = "brush-1", .check = CheckGroup::Brush, .scope = App, .checked = brushIs<0>},
    {.id = cmd::Brushes[1], .text = TR("Кисть 2"), .icon = "brush-2", .check = CheckGroup::Brush, .scope = App, .checked = brushIs<1>},
    {.id = cmd::Brushes[2], .text = TR("Кисть 3"), .icon = "brush-3", .check = CheckGroup::Brush, .scope = App, .checked = brushIs<2>},
    {.id = cmd::Brushes[3], .text = TR("Кисть 4"), .icon = "brush-4", .check = CheckGroup::Brush, .scope = App, .checked = brushIs<3>},
    {.id = cmd::Brushes[4], .text = TR("Кисть 5"), .icon = "brush-5", .check = CheckGroup::Brush, .scope = App, .checked = brushIs<4>},
    {.id = cmd::Brushes[5], .text = TR("Кисть 6"), .icon = "brush-6", .check = CheckGroup::Brush, .scope = App, .checked = brushIs<5>},

    // The current colours.
    {.id = cmd::ForegroundColour, .text = TR("Основной цвет")},
    {.id = cmd::BackgroundColour, .text = TR("Цвет фона"), .tip = TR("Цвет фона рисования")},

    // Keys without a menu entry.
    {.id = cmd::OpenLwd, .text = TR("Открыть документ"), .keys = K{"Ctrl+O"}, .scope = App},
    {.id = cmd::Find, .text = TR("Поиск"), .keys = K{"Ctrl+F"}, .enabled = [](const EditorState&) { return false; }},
};
// clang-format on

const int kMainToolBar[] = {cmd::New,
                            cmd::AnimationWizard,
                            cmd::QuickAnimation,
                            cmd::OpenDocument,
                            cmd::SaveGif,
                            cmd::Save,
                            cmd::OptimisationWizard,
                            cmd::ImportPicture,
                            0,
                            cmd::Print,
                            cmd::PrintPreview,
                            0,
                            cmd::Cut,
                            cmd::Copy,
                            cmd::Paste,
                            cmd::Undo,
                            cmd::Duplicate,
                            0,
                            cmd::Preview,
                            0,
                            cmd::ImageSize,
                            cmd::StretchShrink,
                            cmd::Combine,
                            cmd::EditText,
                            cmd::InsertSymbol,
                            0,
                            cmd::AutoSizeFrame,
                            cmd::InsertFrameAfter,
                            0,
                            cmd::HtmlSettings,
                            0,
                            cmd::FirstFrame,
                            cmd::PreviousFrame,
                            cmd::NextFrame,
                            cmd::LastFrame,
                            0,
                            cmd::DeleteFrame,
                            0,
                            cmd::HelpIndex};
const int kToolBox[] = {cmd::ToolSelect, cmd::ToolZoom,      cmd::ToolNewBitmap, cmd::ToolGradient,
                        cmd::ToolCrop,   cmd::ToolRectangle, cmd::ToolEllipse,   cmd::ToolLine,
                        cmd::ToolPencil, cmd::ToolText,      cmd::ToolPicker,    cmd::ToolEraser,
                        cmd::ToolBucket};
const int kColours[] = {cmd::ForegroundColour, cmd::BackgroundColour, cmd::SwapColours};

std::string translated(const char* text)
{
    return QCoreApplication::translate("Command", text).toStdString();
}

} // namespace

std::span<const CommandRow> commandTable()
{
    return kTable;
}

const CommandRow* findCommand(int id)
{
    for (const CommandRow& row : kTable)
        if (row.id == id)
            return &row;
    return nullptr;
}

int commandForKey(const std::string& key)
{
    const QKeySequence wanted =
        QKeySequence::fromString(QString::fromStdString(key), QKeySequence::PortableText);
    if (wanted.isEmpty())
        return 0;
    for (const CommandRow& row : kTable)
        for (const char* bound : row.keys)
            if (bound && QKeySequence::fromString(bound, QKeySequence::PortableText) == wanted)
                return row.id;
    return 0;
}

bool commandEnabled(const CommandRow& row, const EditorState& state)
{
    if (row.scope == Scope::Document && !state.hasDocument)
        return false;
    return !row.enabled || row.enabled(state);
}

bool commandChecked(const CommandRow& row, const EditorState& state)
{
    return row.checked && row.checked(state);
}

std::string commandText(const CommandRow& row, const EditorState& state)
{
    return row.dynamicText ? row.dynamicText(state) : translated(row.text);
}

std::string commandLabel(const CommandRow& row)
{
    std::string label = translated(row.text);
    label = label.substr(0, label.find('\t'));
    while (!label.empty() && (label.back() == '.' || label.back() == ' '))
        label.pop_back();
    return label;
}

std::string commandTip(const CommandRow& row)
{
    return row.tip ? translated(row.tip) : commandLabel(row);
}

std::span<const int> mainToolBarButtons()
{
    return kMainToolBar;
}
std::span<const int> toolBoxButtons()
{
    return kToolBox;
}
std::span<const int> brushButtons()
{
    return cmd::Brushes;
}
std::span<const int> colourButtons()
{
    return kColours;
}

const char* menuTitle(Menu menu)
{
    switch (menu) {
    case Menu::File:
        return TR("&Файл");
    case Menu::Edit:
        return TR("&Правка");
    case Menu::View:
        return TR("&Вид");
    case Menu::Frame:
        return TR("&Кадр");
    case Menu::Layer:
        return TR("&Слой");
    case Menu::Filters:
        return TR("Ф&ильтры");
    case Menu::Effects:
        return TR("&Эффекты");
    case Menu::Window:
        return TR("&Окно");
    case Menu::Help:
        return TR("Спр&авка");
    case Menu::None:
        break;
    }
    return "";
}

} // namespace lw
