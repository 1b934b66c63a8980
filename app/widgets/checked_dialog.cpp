#include "app/widgets/checked_dialog.h"

#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace lw {

CheckedDialog::CheckedDialog(QWidget* parent, const QString& title)
    : QDialog(parent), reporter_([](QWidget* dialog, const QString& message) {
          QMessageBox::warning(dialog, QCoreApplication::applicationName(), message);
      })
{
    setWindowTitle(title);
    layout_ = new QVBoxLayout(this);
    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons_->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    buttons_->button(QDialogButtonBox::Cancel)->setText(tr("Отмена"));
    connect(buttons_, &QDialogButtonBox::accepted, this, &CheckedDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &CheckedDialog::reject);
    // Wide enough for the caption to show in full in the title bar beside its buttons.
    layout_->addItem(new QSpacerItem(QFontMetrics(font()).horizontalAdvance(title) + 120, 0,
                                     QSizePolicy::Fixed, QSizePolicy::Fixed));
    layout_->addWidget(buttons_);
    layout_->setSizeConstraint(QLayout::SetFixedSize);
}

// Content goes above the caption spacer and the buttons.
void CheckedDialog::addContent(QLayout* layout)
{
    layout_->insertLayout(layout_->count() - 2, layout);
}

void CheckedDialog::addContent(QWidget* widget)
{
    layout_->insertWidget(layout_->count() - 2, widget);
}

void CheckedDialog::accept()
{
    const auto refusal = commit();
    if (!refusal) {
        QDialog::accept();
        return;
    }
    if (!refusal->message.isEmpty())
        reporter_(this, refusal->message);
    if (refusal->field >= 0 && static_cast<std::size_t>(refusal->field) < fields_.size()) {
        QLineEdit* field = fields_[static_cast<std::size_t>(refusal->field)];
        field->setFocus();
        field->selectAll();
    }
}

QLineEdit* numberEdit(QWidget* parent, const QString& text, int characters)
{
    auto* edit = new QLineEdit(text, parent);
    const QFontMetrics metrics(edit->font());
    edit->setFixedWidth(metrics.horizontalAdvance(QString(characters, u'0')) + 16);
    return edit;
}

} // namespace lw
