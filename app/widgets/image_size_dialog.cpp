#include "app/widgets/image_size_dialog.h"

#include "app/widgets/editing_dialog_parts.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLineEdit>

namespace lw {

ImageSizeDialog::ImageSizeDialog(CanvasSize size, QWidget* parent)
    : CheckedDialog(parent, tr("Размер рисунка")), model_(size.width, size.height)
{
    auto* form = new QFormLayout;
    width_ = namedEdit(this, model_.width, "width");
    height_ = namedEdit(this, model_.height, "height");
    keep_ = new QCheckBox(tr("Сохранять пропорции"), this);
    keep_->setObjectName(QStringLiteral("keepProportions"));
    keep_->setChecked(model_.keepProportions);
    form->addRow(tr("Ширина:"), width_);
    form->addRow(tr("Высота:"), height_);
    form->addRow(keep_);
    connect(keep_, &QCheckBox::toggled, this, [this](bool on) { model_.keepProportions = on; });
    connect(width_, &QLineEdit::textEdited, this, [this](const QString& text) {
        model_.typeWidth(text);
        height_->setText(model_.height);
    });
    connect(height_, &QLineEdit::textEdited, this, [this](const QString& text) {
        model_.typeHeight(text);
        width_->setText(model_.width);
    });
    addContent(form);
    setFields({width_, height_});
    width_->selectAll();
}

std::optional<FieldRefusal> ImageSizeDialog::commit()
{
    model_.width = width_->text();
    model_.height = height_->text();
    return take(model_.accept(), answer_);
}

} // namespace lw
