#include "app/widgets/text_dialog.h"

#include "app/widgets/font_dialog.h"
#include "platform/font_choice.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace lw {

namespace {

// The field shows the chosen face and style; very small or very large fonts are shown at a size
// the field can still be worked in.
constexpr int kSmallestShownPixels = 10;
constexpr int kLargestShownPixels = 40;

QComboBox* comboOf(const std::vector<std::string>& items, int current, QWidget* parent, const char* name)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QLatin1String(name));
    for (const std::string& item : items)
        combo->addItem(QString::fromStdString(item));
    combo->setCurrentIndex(std::clamp(current, 0, combo->count() - 1));
    return combo;
}

} // namespace

TextDialog::TextDialog(const TextProperties& start, QWidget* parent)
    : CheckedDialog(parent, tr("Правка текста")), askFont(lw::askFont), model_(start)
{
    text_ = new QPlainTextEdit(QString::fromStdString(start.text), this);
    text_->setObjectName(QStringLiteral("text"));
    text_->setTabChangesFocus(true);
    text_->setMinimumSize(420, 140);
    auto* font = new QPushButton(tr("Шрифт..."), this);
    font->setObjectName(QStringLiteral("font"));
    font->setAutoDefault(false);
    alignment_ = comboOf(TextDialogModel::alignmentNames(), start.alignment, this, "alignment");
    outline_ = comboOf(TextDialogModel::outlineNames(), start.outlineWidth, this, "outline");
    smoothing_ = new QCheckBox(tr("Сгладить"), this);
    smoothing_->setObjectName(QStringLiteral("smoothing"));
    smoothing_->setChecked(start.smoothing);

    auto* choices = new QFormLayout;
    choices->addRow(tr("Выравнивание:"), alignment_);
    choices->addRow(tr("Обрамление:"), outline_);
    auto* side = new QVBoxLayout;
    side->addWidget(font);
    side->addLayout(choices);
    side->addWidget(smoothing_);
    side->addStretch();
    auto* row = new QHBoxLayout;
    row->addWidget(text_, 1);
    row->addLayout(side);
    addContent(row);

    // The message of an empty text is a plain one.
    setRefusalReporter([](QWidget* dialog, const QString& message) {
        QMessageBox box(QMessageBox::NoIcon, dialog->windowTitle(), message, QMessageBox::Ok, dialog);
        box.exec();
    });
    connect(font, &QPushButton::clicked, this, &TextDialog::chooseFont);
    connect(text_, &QPlainTextEdit::textChanged, this, &TextDialog::textChanged);
    showFont();
    textChanged();
    text_->selectAll();
    text_->setFocus();
}

void TextDialog::chooseFont()
{
    if (!askFont)
        return;
    if (const auto chosen = askFont(this, model_.values.font)) {
        model_.values.font = *chosen;
        showFont();
    }
}

void TextDialog::showFont()
{
    QFont shown = dialogFontOf(model_.values.font);
    const int pixels = QFontInfo(shown).pixelSize();
    shown.setPixelSize(std::clamp(pixels, kSmallestShownPixels, kLargestShownPixels));
    text_->setFont(shown);
}

void TextDialog::textChanged()
{
    alignment_->setEnabled(TextDialogModel::alignmentEnabled(text_->toPlainText().toStdString()));
}

std::optional<FieldRefusal> TextDialog::commit()
{
    model_.setText(text_->toPlainText().toStdString());
    model_.values.alignment = alignment_->currentIndex();
    model_.values.outlineWidth = outline_->currentIndex();
    model_.values.smoothing = smoothing_->isChecked();
    if (const auto refusal = model_.refusal()) {
        text_->setFocus();
        return FieldRefusal{-1, QString::fromStdString(*refusal)};
    }
    return std::nullopt;
}

std::optional<TextProperties> TextDialog::ask(QWidget* parent, const TextProperties& start)
{
    TextDialog dialog(start, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.values();
}

} // namespace lw
