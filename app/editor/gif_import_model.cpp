#include "app/editor/gif_import_model.h"

#include <QCoreApplication>

namespace lw {

QString GifImportModel::framesText() const
{
    return QCoreApplication::translate("GifImportModel", "Кадров: %1").arg(question_.frameCount);
}

QString GifImportModel::sizeText() const
{
    return QCoreApplication::translate("GifImportModel", "Размер:    %1  байт").arg(question_.sizeEstimate);
}

} // namespace lw
