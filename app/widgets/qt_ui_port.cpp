#include "app/widgets/qt_ui_port.h"

#include "app/widgets/colour_dialog.h"
#include "app/widgets/filter_settings_dialog.h"
#include "app/widgets/filter_values_dialog.h"
#include "app/widgets/frame_border_dialog.h"
#include "app/widgets/gif_import_dialog.h"
#include "app/widgets/metafile_raster_dialog.h"
#include "app/widgets/number_question_dialog.h"
#include "app/widgets/rotation_dialog.h"
#include "app/widgets/shadow_dialog.h"

#include <QApplication>
#include <QMessageBox>

namespace lw {
namespace {

QMessageBox::Icon iconOf(MsgIcon icon)
{
    switch (icon) {
    case MsgIcon::Information:
        return QMessageBox::Information;
    case MsgIcon::Warning:
        return QMessageBox::Warning;
    case MsgIcon::Error:
        return QMessageBox::Critical;
    case MsgIcon::Question:
        return QMessageBox::Question;
    case MsgIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

struct ButtonMap {
    QMessageBox::StandardButton button;
    MsgResult result;
};

std::vector<ButtonMap> buttonsOf(MsgButtons buttons)
{
    switch (buttons) {
    case MsgButtons::Ok:
        return {{QMessageBox::Ok, MsgResult::Ok}};
    case MsgButtons::OkCancel:
        return {{QMessageBox::Ok, MsgResult::Ok}, {QMessageBox::Cancel, MsgResult::Cancel}};
    case MsgButtons::YesNo:
        return {{QMessageBox::Yes, MsgResult::Yes}, {QMessageBox::No, MsgResult::No}};
    case MsgButtons::YesNoCancel:
        return {{QMessageBox::Yes, MsgResult::Yes},
                {QMessageBox::No, MsgResult::No},
                {QMessageBox::Cancel, MsgResult::Cancel}};
    case MsgButtons::RetryCancel:
        return {{QMessageBox::Retry, MsgResult::Retry}, {QMessageBox::Cancel, MsgResult::Cancel}};
    case MsgButtons::AbortRetryIgnore:
        return {{QMessageBox::Abort, MsgResult::Abort},
                {QMessageBox::Retry, MsgResult::Retry},
                {QMessageBox::Ignore, MsgResult::Ignore}};
    }
    return {{QMessageBox::Ok, MsgResult::Ok}};
}

} // namespace

QtUiPort::QtUiPort(std::function<QWidget*()> parent, std::function<void()> beforeModal)
    : parent_(std::move(parent)), beforeModal_(std::move(beforeModal))
{
}

MsgResult QtUiPort::messageBox(const Message& message)
{
    QWidget* parentWidget = owner();
    const QString caption =
        QString::fromStdString(message.caption.empty() ? kApplicationTitle : message.caption);
    QMessageBox box(iconOf(message.icon), caption, QString::fromStdString(message.text),
                    QMessageBox::NoButton, parentWidget);
    const auto map = buttonsOf(message.buttons);
    for (const ButtonMap& b : map)
        box.addButton(b.button);
    // The message's default button, else the first one offered.
    const MsgResult preferred = defaultButton(message);
    for (const ButtonMap& b : map)
        if (b.result == preferred)
            box.setDefaultButton(b.button);
    if (map.size() > 1)
        box.setEscapeButton(map.back().button);
    const auto pressed = static_cast<QMessageBox::StandardButton>(box.exec());
    for (const ButtonMap& b : map)
        if (b.button == pressed)
            return b.result;
    // Closed without a button: Cancel where there is one, else the default.
    for (const ButtonMap& b : map)
        if (b.result == MsgResult::Cancel)
            return b.result;
    return map.front().result;
}

QWidget* QtUiPort::owner()
{
    if (beforeModal_)
        beforeModal_();
    return parent_ ? parent_() : nullptr;
}

std::optional<int> QtUiPort::askNumber(const NumberQuestion& question)
{
    return NumberQuestionDialog::ask(owner(), question);
}

std::optional<MetafileRasterAnswer> QtUiPort::askMetafileRaster(const MetafileRasterQuestion& question)
{
    return MetafileRasterDialog::ask(owner(), question);
}

std::optional<GifImportAnswer> QtUiPort::askGifImport(const GifImportQuestion& question)
{
    return GifImportDialog::ask(owner(), question);
}

std::optional<std::vector<int>> QtUiPort::askFilterValues(const FilterValuesQuestion& question)
{
    return FilterValuesDialog::ask(owner(), question);
}

std::optional<FilterSettingsAnswer> QtUiPort::askFilterSettings(const FilterSettingsQuestion& question)
{
    return FilterSettingsDialog::ask(owner(), question);
}

std::optional<ShadowAnswer> QtUiPort::askShadow(const ShadowQuestion& question)
{
    return ShadowDialog::ask(owner(), question);
}

std::optional<std::uint32_t> QtUiPort::askColour(const ColourQuestion& question)
{
    return ColourDialog::ask(owner(), question);
}

std::optional<FrameBorderAnswer> QtUiPort::askFrameBorder(const FrameBorderQuestion& question)
{
    return FrameBorderDialog::ask(owner(), question);
}

std::optional<RotationAnswer> QtUiPort::askRotation(const RotationQuestion& question)
{
    return RotationDialog::ask(owner(), question);
}

std::optional<GifSaveAnswer> QtUiPort::askGifSave(const GifSaveQuestion& question)
{
    return GifSaveDialog::ask(owner(), question, gifSaveTools_ ? gifSaveTools_() : GifSaveTools{});
}

} // namespace lw
