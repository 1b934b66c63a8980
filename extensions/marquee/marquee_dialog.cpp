#include "marquee_dialog.h"

#include "marquee_param.h"

#if LWX_HAS_WIDGETS
#include <QApplication>
#include <QButtonGroup>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>
#endif

namespace lw::marquee {

#if LWX_HAS_WIDGETS
bool canShowDialog()
{
    return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr;
}

bool editDirection(int32_t& param, void* parent)
{
    QDialog dialog(static_cast<QWidget*>(parent));
    dialog.setWindowTitle(QStringLiteral("Marquee"));
    dialog.setModal(true);
    auto* group = new QGroupBox(QStringLiteral("Direction"), &dialog);
    auto* groupLayout = new QVBoxLayout(group);
    QButtonGroup choices(&dialog);
    const char* const labels[] = {"left", "right", "top", "bottom"};
    for (int32_t value = kLeft; value <= kBottom; ++value) {
        auto* radio = new QRadioButton(QString::fromLatin1(labels[value]), group);
        radio->setObjectName(QString::fromLatin1(labels[value]));
        choices.addButton(radio, value);
        groupLayout->addWidget(radio);
    }
    choices.button(directionForDialog(param))->setChecked(true);
    auto* buttons = new QDialogButtonBox(&dialog);
    buttons->addButton(QDialogButtonBox::Ok);
    buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(group);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    param = encodeDirection(static_cast<Direction>(choices.checkedId()));
    return true;
}
#else
bool canShowDialog()
{
    return false;
}

bool editDirection(int32_t&, void*)
{
    return false;
}
#endif

} // namespace lw::marquee
