#include "app/widgets/frame_border_dialog.h"

#include "app/widgets/colour_dialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace lw {

FrameBorderDialog::FrameBorderDialog(const FrameBorderQuestion& question, QWidget* parent)
    : CheckedDialog(parent, QString::fromStdString(question.title)), model_(question)
{
    askColour = [](QWidget* owner, std::uint32_t colour, const QString& caption) {
        return ColourDialog::ask(owner, colour, caption, false);
    };
    width_ = new QComboBox(this);
    width_->setObjectName(QStringLiteral("width"));
    width_->addItems(FrameBorderModel::widthEntries());
    width_->setCurrentIndex(model_.width());
    auto* choose = new QPushButton(tr("Выбор цвета"), this);
    choose->setObjectName(QStringLiteral("chooseColour"));
    connect(choose, &QPushButton::clicked, this, &FrameBorderDialog::chooseColour);
    sample_ = new QLabel(this);
    sample_->setFrameShape(QFrame::Box);
    auto* colourRow = new QHBoxLayout;
    colourRow->addWidget(sample_);
    colourRow->addWidget(choose, 1);
    auto* form = new QFormLayout;
    form->addRow(tr("Толщина:"), width_);
    form->addRow(colourRow);
    addContent(form);
    showColour();
}

void FrameBorderDialog::showColour()
{
    const std::uint32_t c = model_.colour();
    QPixmap pixmap(24, 16);
    pixmap.fill(QColor((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF));
    sample_->setPixmap(pixmap);
}

void FrameBorderDialog::chooseColour()
{
    if (const auto colour =
            askColour(this, model_.colour(), QString::fromStdString(model_.question().colourCaption))) {
        model_.setColour(*colour);
        showColour();
    }
}

std::optional<FieldRefusal> FrameBorderDialog::commit()
{
    model_.setWidth(width_->currentIndex());
    answer_ = model_.accept();
    return std::nullopt;
}

std::optional<FrameBorderAnswer> FrameBorderDialog::ask(QWidget* parent, const FrameBorderQuestion& question)
{
    FrameBorderDialog dialog(question, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.answer();
}

} // namespace lw
