#include "app/widgets/installed_components_dialog.h"

#include <QApplication>
#include <QDesktopServices>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrl>

namespace lw {

InstalledComponentsDialog::InstalledComponentsDialog(const ExtensionHost& host, const std::string& folder,
                                                     QWidget* parent)
    : QDialog(parent), model_(host, folder)
{
    openUrl = [](const QUrl& url) { QDesktopServices::openUrl(url); };
    setWindowTitle(tr("Установленные компоненты..."));

    components_ = new QListWidget(this);
    components_->setObjectName(QStringLiteral("components"));
    for (const auto& item : model_.items())
        components_->addItem(QString::fromStdString(item.text));
    components_->setMinimumWidth(160);
    description_ = new QPlainTextEdit(this);
    description_->setObjectName(QStringLiteral("description"));
    description_->setReadOnly(true);
    description_->setMinimumSize(420, 220);
    auto* componentsLabel = new QLabel(tr("Компоненты:"), this);
    componentsLabel->setBuddy(components_);
    auto* descriptionLabel = new QLabel(tr("Описание:"), this);
    descriptionLabel->setBuddy(description_);
    auto* open = new QPushButton(tr("Открыть папку с компонентами"), this);
    open->setObjectName(QStringLiteral("openFolder"));
    auto* close = new QPushButton(tr("Закрыть"), this);
    close->setObjectName(QStringLiteral("close"));
    close->setDefault(true);

    auto* layout = new QGridLayout(this);
    layout->addWidget(componentsLabel, 0, 0);
    layout->addWidget(descriptionLabel, 0, 1);
    layout->addWidget(components_, 1, 0);
    layout->addWidget(description_, 1, 1);
    layout->addWidget(open, 2, 0);
    layout->addWidget(close, 2, 1, Qt::AlignRight);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(1, 1);

    connect(components_, &QListWidget::currentRowChanged, this, &InstalledComponentsDialog::describe);
    connect(open, &QPushButton::clicked, this, &InstalledComponentsDialog::openFolder);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
}

void InstalledComponentsDialog::describe(int row)
{
    if (row < 0)
        return;
    // An item without a library leaves the description as it is.
    if (const auto text = model_.descriptionFor(static_cast<std::size_t>(row)))
        description_->setPlainText(
            QString::fromStdString(*text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void InstalledComponentsDialog::openFolder()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    openUrl(QUrl::fromLocalFile(QString::fromStdString(model_.folder())));
    QApplication::restoreOverrideCursor();
}

void InstalledComponentsDialog::showCatalogue(const ExtensionHost& host, const std::string& folder,
                                              QWidget* parent)
{
    InstalledComponentsDialog dialog(host, folder, parent);
    dialog.exec();
}

} // namespace lw
