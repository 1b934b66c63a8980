#include "app/widgets/gif_import_dialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace lw {

GifImportDialog::GifImportDialog(const GifImportQuestion& question, QWidget* parent)
    : CheckedDialog(parent, tr("Импортирование GIF-файла")), model_(question)
{
    auto* column = new QVBoxLayout;
    column->addWidget(new QLabel(model_.framesText(), this));
    column->addWidget(new QLabel(model_.sizeText(), this));
    allFrames_ = new QCheckBox(tr("Все кадры файла"), this);
    allFrames_->setObjectName(QStringLiteral("allFrames"));
    allFrames_->setChecked(model_.allFrames());
    full_ = new QRadioButton(tr("В полном объёме"), this);
    full_->setObjectName(QStringLiteral("full"));
    optimised_ = new QRadioButton(tr("Оптимизировать"), this);
    optimised_->setObjectName(QStringLiteral("optimised"));
    (model_.mode() == GifImportMode::Full ? full_ : optimised_)->setChecked(true);
    column->addSpacing(6);
    column->addWidget(allFrames_);
    // The choice sits under the check box it depends on.
    auto* choice = new QVBoxLayout;
    choice->setContentsMargins(20, 0, 0, 0);
    choice->addWidget(full_);
    choice->addWidget(optimised_);
    column->addLayout(choice);
    addContent(column);
    // The way frames are built only matters while all of them are taken.
    const auto follow = [this] {
        model_.setAllFrames(allFrames_->isChecked());
        full_->setEnabled(model_.modeEnabled());
        optimised_->setEnabled(model_.modeEnabled());
    };
    connect(allFrames_, &QCheckBox::toggled, this, follow);
    follow();
}

std::optional<FieldRefusal> GifImportDialog::commit()
{
    model_.setAllFrames(allFrames_->isChecked());
    model_.setMode(optimised_->isChecked() ? GifImportMode::Optimised : GifImportMode::Full);
    answer_ = model_.accept();
    return std::nullopt;
}

std::optional<GifImportAnswer> GifImportDialog::ask(QWidget* parent, const GifImportQuestion& question)
{
    GifImportDialog dialog(question, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.answer();
}

} // namespace lw
