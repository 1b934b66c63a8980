#include "app/widgets/canvas_settings_dialog.h"

#include "app/widgets/editing_dialog_parts.h"
#include "model/canvas_presets.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>

namespace lw {

CanvasSettingsDialog::CanvasSettingsDialog(CanvasSize size, QWidget* parent)
    : CheckedDialog(parent, tr("Установки кадра")), model_(size.width, size.height)
{
    auto* form = new QFormLayout;
    width_ = namedEdit(this, model_.width, "width");
    height_ = namedEdit(this, model_.height, "height");
    auto* presets = new QComboBox(this);
    presets->setObjectName(QStringLiteral("presets"));
    for (const CanvasPreset& preset : kCanvasPresets)
        presets->addItem(tr(preset.label));
    form->addRow(tr("Ширина:"), width_);
    form->addRow(tr("Высота:"), height_);
    form->addRow(tr("Размер кадра"), presets);
    connect(presets, &QComboBox::activated, this, [this](int index) {
        model_.width = width_->text();
        model_.height = height_->text();
        model_.choosePreset(index);
        width_->setText(model_.width);
        height_->setText(model_.height);
    });
    addContent(form);
    setFields({width_, height_});
    width_->selectAll();
}

std::optional<FieldRefusal> CanvasSettingsDialog::commit()
{
    model_.width = width_->text();
    model_.height = height_->text();
    return take(model_.accept(), answer_);
}

} // namespace lw
