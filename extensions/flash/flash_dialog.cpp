#include "flash_dialog.h"

#include "flash_colour.h"

#if LWX_HAS_WIDGETS
#include <QApplication>
#include <QColorDialog>
#include <QWidget>
#endif

namespace lw::flash {

int32_t chooseColour(int32_t* param, void* parent)
{
#if LWX_HAS_WIDGETS
    if (!param || !qobject_cast<QApplication*>(QCoreApplication::instance()))
        return 0;
    const uint32_t ref = colourRefFromParam(*param);
    QColorDialog dialog(QColor(ref & 0xFF, ref >> 8 & 0xFF, ref >> 16 & 0xFF), static_cast<QWidget*>(parent));
    dialog.setModal(true);
    if (dialog.exec() != QDialog::Accepted)
        return 0;
    const QColor chosen = dialog.currentColor();
    *param =
        paramFromColourRef(static_cast<uint32_t>(chosen.red()) | static_cast<uint32_t>(chosen.green()) << 8 |
                           static_cast<uint32_t>(chosen.blue()) << 16);
    return 1;
#else
    (void)param;
    (void)parent;
    return 0;
#endif
}

} // namespace lw::flash
