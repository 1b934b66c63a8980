#include "app/widgets/welcome_dialog.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace lw {

WelcomeDialog::WelcomeDialog(const WelcomeModel& model, QWidget* parent) : QDialog(parent), model_(model)
{
    setWindowTitle(tr(kWelcomeCaption));
    auto* box = new QGroupBox(tr(kWelcomeGroup), this);
    auto* column = new QVBoxLayout(box);
    group_ = new QButtonGroup(this);
    for (int i = 0; i < kWelcomeChoiceCount; ++i) {
        const auto choice = static_cast<WelcomeChoice>(i);
        auto* button =
            new QRadioButton(QCoreApplication::translate("Welcome", welcomeChoiceText(choice)), box);
        button->setEnabled(model_.enabled(choice));
        group_->addButton(button, i);
        column->addWidget(button);
    }
    const int start = model_.enabled(model_.choice) ? static_cast<int>(model_.choice) : 0;
    group_->button(start)->setChecked(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Отмена"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(box);
    layout->addWidget(buttons);
}

WelcomeModel WelcomeDialog::result() const
{
    WelcomeModel chosen = model_;
    chosen.choice = static_cast<WelcomeChoice>(group_->checkedId());
    return chosen;
}

} // namespace lw
