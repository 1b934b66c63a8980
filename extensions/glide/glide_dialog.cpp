#include "glide_dialog.h"

#include "glide_param.h"

#if LWX_HAS_WIDGETS
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSpinBox>
#include <QVBoxLayout>
#endif

namespace lw::glide {

#if LWX_HAS_WIDGETS
bool canShowDialog()
{
    return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr;
}

namespace {

QSpinBox* deltaField(QWidget* parent, const char* objectName, int32_t value)
{
    auto* field = new QSpinBox(parent);
    field->setObjectName(QString::fromLatin1(objectName));
    field->setRange(kMinDelta, kMaxDelta);
    field->setValue(value);
    return field;
}

} // namespace

bool editDelta(int32_t& param, void* parent)
{
    QDialog dialog(static_cast<QWidget*>(parent));
    dialog.setWindowTitle(QStringLiteral("glide"));
    dialog.setModal(true);
    const Delta start = decodeDelta(param);
    auto* form = new QFormLayout;
    QSpinBox* x = deltaField(&dialog, "deltaX", start.dx);
    QSpinBox* y = deltaField(&dialog, "deltaY", start.dy);
    form->addRow(QStringLiteral("Delta X:"), x);
    form->addRow(QStringLiteral("Delta Y:"), y);
    auto* buttons = new QDialogButtonBox(&dialog);
    buttons->addButton(QDialogButtonBox::Ok);
    buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(form);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    param = encodeDelta(x->value(), y->value());
    return true;
}
#else
bool canShowDialog()
{
    return false;
}

bool editDelta(int32_t&, void*)
{
    return false;
}
#endif

} // namespace lw::glide
