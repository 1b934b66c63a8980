#include "app/widgets/quick_animation_dialog.h"

#include "app/editor/new_animation_wizard_model.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace lw {

QuickAnimationDialog::QuickAnimationDialog(EditorQuestions& questions, QWidget* parent)
    : QDialog(parent), questions_(questions)
{
    setWindowTitle(tr(QuickAnimationModel::caption()));
    list_ = new QListWidget(this);
    list_->setObjectName("pictures");
    list_->setMinimumSize(320, 160);
    delay_ = new QLineEdit(model_.delay, this);
    delay_->setObjectName("delay");
    delay_->setMaximumWidth(90);
    sort_ = new QCheckBox(tr("Сортировать"), this);
    sort_->setObjectName("sort");
    sort_->setChecked(model_.sort);
    connect(sort_, &QCheckBox::toggled, this, [this](bool on) { model_.sort = on; });
    auto* choose = new QPushButton(tr("Выбор рисунков"), this);
    choose->setObjectName("choose");
    connect(choose, &QPushButton::clicked, this, &QuickAnimationDialog::choosePictures);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Отмена"));
    ok_ = buttons->button(QDialogButtonBox::Ok);
    ok_->setEnabled(false);
    connect(buttons, &QDialogButtonBox::accepted, this, &QuickAnimationDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* delayRow = new QHBoxLayout;
    delayRow->addWidget(new QLabel(tr("Начальное время задержки:"), this));
    delayRow->addWidget(delay_);
    delayRow->addWidget(new QLabel(tr("сек."), this));
    delayRow->addStretch();
    auto* optionsRow = new QHBoxLayout;
    optionsRow->addWidget(sort_);
    optionsRow->addStretch();
    optionsRow->addWidget(choose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addLayout(optionsRow);
    layout->addLayout(delayRow);
    layout->addWidget(buttons);
}

void QuickAnimationDialog::choosePictures()
{
    model_.addPictures(questions_.askOpenPaths(importFramesQuestion()));
    list_->clear();
    for (const auto& item : model_.items())
        list_->addItem(item.name);
    ok_->setEnabled(model_.canAccept());
}

void QuickAnimationDialog::accept()
{
    if (!model_.canAccept())
        return;
    model_.delay = delay_->text();
    if (const auto refusal = model_.check()) {
        if (reporter_)
            reporter_(this, refusal->message);
        else
            QMessageBox::warning(this, windowTitle(), refusal->message);
        delay_->setFocus();
        delay_->selectAll();
        return;
    }
    QDialog::accept();
}

} // namespace lw
