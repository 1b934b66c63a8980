#include "app/widgets/metafile_raster_dialog.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLineEdit>

namespace lw {

MetafileRasterDialog::MetafileRasterDialog(const MetafileRasterQuestion& question, QWidget* parent)
    : CheckedDialog(parent, tr("Metafile Raster")), model_(question)
{
    auto* form = new QFormLayout;
    width_ = numberEdit(this, model_.widthText());
    width_->setObjectName(QStringLiteral("width"));
    height_ = numberEdit(this, model_.heightText());
    height_->setObjectName(QStringLiteral("height"));
    form->addRow(tr("Ширина:"), width_);
    form->addRow(tr("Высота:"), height_);
    remember_ = new QCheckBox(tr("Запомнить для всех"), this);
    remember_->setObjectName(QStringLiteral("remember"));
    remember_->setChecked(model_.rememberForAll());
    form->addRow(remember_);
    addContent(form);
    setFields({width_, height_});
    // textEdited fires only for the user's typing, so filling the other field does not echo back.
    connect(width_, &QLineEdit::textEdited, this, [this](const QString& text) {
        model_.typeWidth(text);
        height_->setText(model_.heightText());
    });
    connect(height_, &QLineEdit::textEdited, this, [this](const QString& text) {
        model_.typeHeight(text);
        width_->setText(model_.widthText());
    });
    width_->selectAll();
}

std::optional<FieldRefusal> MetafileRasterDialog::commit()
{
    model_.setRememberForAll(remember_->isChecked());
    const auto result = model_.accept();
    if (const auto* refusal = std::get_if<FieldRefusal>(&result))
        return *refusal;
    answer_ = std::get<MetafileRasterAnswer>(result);
    return std::nullopt;
}

std::optional<MetafileRasterAnswer> MetafileRasterDialog::ask(QWidget* parent,
                                                              const MetafileRasterQuestion& question)
{
    MetafileRasterDialog dialog(question, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.answer();
}

} // namespace lw
