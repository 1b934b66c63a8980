#include "blow_dialog.h"

#include "blow_options.h"

#if LWX_HAS_WIDGETS
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>
#endif

namespace lw::blow {

int32_t showOptions(int32_t* param, void* parent)
{
#if LWX_HAS_WIDGETS
    if (!param || !qobject_cast<QApplication*>(QCoreApplication::instance()))
        return 0;
    QDialog dialog(static_cast<QWidget*>(parent));
    dialog.setWindowTitle(QStringLiteral("Blow Options"));
    dialog.setModal(true);
    auto* leaveOriginal = new QCheckBox(QStringLiteral("Leave Original"), &dialog);
    leaveOriginal->setObjectName(QStringLiteral("leaveOriginal"));
    leaveOriginal->setChecked(leavesOriginal(*param));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Cancel"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(leaveOriginal);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return 0;
    *param = paramFor(leaveOriginal->isChecked());
    return 1;
#else
    (void)param;
    (void)parent;
    return 0;
#endif
}

} // namespace lw::blow
