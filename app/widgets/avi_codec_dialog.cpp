#include "app/widgets/avi_codec_dialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QProgressDialog>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>

namespace lw {

AviCodecDialog::AviCodecDialog(const std::vector<AviCodec>& codecs, QWidget* parent)
    : QDialog(parent), codecs_(codecs)
{
    setWindowTitle(tr("Сжатие видео"));
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("codecs"));
    for (const AviCodec& codec : codecs_)
        list_->addItem(QStringLiteral("%1 (%2)").arg(QString::fromStdString(codec.description),
                                                     QString::fromStdString(codec.name)));
    if (!codecs_.empty())
        list_->setCurrentRow(0);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Отмена"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    connect(list_, &QListWidget::currentRowChanged, this,
            [buttons](int row) { buttons->button(QDialogButtonBox::Ok)->setEnabled(row >= 0); });
    buttons->button(QDialogButtonBox::Ok)->setEnabled(list_->currentRow() >= 0);
    auto* column = new QVBoxLayout(this);
    column->addWidget(new QLabel(tr("Компрессор:"), this));
    column->addWidget(list_, 1);
    column->addWidget(buttons);
    resize(420, 320);
}

std::optional<std::string> AviCodecDialog::chosen() const
{
    const int row = list_->currentRow();
    if (row < 0 || static_cast<std::size_t>(row) >= codecs_.size())
        return std::nullopt;
    return codecs_[static_cast<std::size_t>(row)].name;
}

std::optional<std::string> AviCodecDialog::ask(QWidget* parent, const std::vector<AviCodec>& codecs)
{
    AviCodecDialog dialog(codecs, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.chosen();
}

AviProgressWindow::AviProgressWindow(QWidget* parent)
    : dialog_(std::make_unique<QProgressDialog>(tr("Запись AVI-файла..."), tr("Отмена"), 0, 1, parent))
{
    dialog_->setWindowTitle(tr("Экспорт AVI"));
    dialog_->setWindowModality(Qt::WindowModal);
    dialog_->setMinimumDuration(0);
    dialog_->setMinimumWidth(320);
    dialog_->setAutoClose(false);
    dialog_->setAutoReset(false);
}

AviProgressWindow::~AviProgressWindow() = default;

AviProgress AviProgressWindow::callback()
{
    return [this](std::size_t written, std::size_t total) {
        dialog_->setMaximum(static_cast<int>(std::min<std::size_t>(total, 1 << 30)));
        dialog_->setValue(static_cast<int>(std::min<std::size_t>(written, 1 << 30)));
        QCoreApplication::processEvents();
        return !dialog_->wasCanceled();
    };
}

} // namespace lw
