#include "app/widgets/html_settings_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace lw {

HtmlSettingsDialog::HtmlSettingsDialog(const HtmlSettingsModel& model, QWidget* parent)
    : QDialog(parent), model_(model)
{
    setWindowTitle(tr("HTML код анимации"));
    link_ = new QLineEdit(QString::fromStdString(model.linkUrl), this);
    link_->setObjectName("link");
    description_ = new QLineEdit(QString::fromStdString(model.altText), this);
    description_->setObjectName("description");
    fullPath_ =
        new QCheckBox(tr("*Использовать полный путь к GIF-файлу (для просмотра на этом компьютере)"), this);
    fullPath_->setObjectName("fullPath");
    fullPath_->setChecked(true);
    code_ = new QPlainTextEdit(this);
    code_->setObjectName("code");
    code_->setReadOnly(true);
    code_->setMinimumSize(460, 90);
    auto* copy = new QPushButton(tr("Копировать"), this);
    copy->setObjectName("copy");

    auto* fields = new QFormLayout;
    fields->addRow(tr("Ссылка (URL):"), link_);
    fields->addRow(tr("Описание:"), description_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Отмена"));
    buttons->addButton(copy, QDialogButtonBox::ActionRole);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(new QLabel(tr("HTML код:"), this));
    layout->addWidget(code_);
    layout->addWidget(fullPath_);
    layout->addWidget(buttons);

    connect(link_, &QLineEdit::textChanged, this, &HtmlSettingsDialog::rebuildCode);
    connect(description_, &QLineEdit::textChanged, this, &HtmlSettingsDialog::rebuildCode);
    connect(fullPath_, &QCheckBox::toggled, this, &HtmlSettingsDialog::rebuildCode);
    connect(copy, &QPushButton::clicked, this, &HtmlSettingsDialog::copyCode);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    rebuildCode();
}

HtmlSettingsModel HtmlSettingsDialog::result() const
{
    HtmlSettingsModel fields = model_;
    fields.linkUrl = link_->text().toStdString();
    fields.altText = description_->text().toStdString();
    fields.fullPath = fullPath_->isChecked();
    return fields;
}

void HtmlSettingsDialog::rebuildCode()
{
    code_->setPlainText(QString::fromStdString(result().code()));
}

void HtmlSettingsDialog::copyCode()
{
    code_->selectAll();
    code_->ensureCursorVisible();
    QApplication::clipboard()->setText(code_->toPlainText());
}

} // namespace lw
