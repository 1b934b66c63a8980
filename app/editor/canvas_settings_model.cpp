#include "app/editor/canvas_settings_model.h"

#include "model/canvas_presets.h"

namespace lw {

CanvasSettingsModel::CanvasSettingsModel(int w, int h) : width(QString::number(w)), height(QString::number(h))
{
}

void CanvasSettingsModel::choosePreset(int index)
{
    if (index <= 0 || index >= static_cast<int>(kCanvasPresets.size()))
        return;
    width = QString::number(kCanvasPresets[index].width);
    height = QString::number(kCanvasPresets[index].height);
}

DialogResult<CanvasSize> CanvasSettingsModel::accept() const
{
    return acceptSizeFields(width, height);
}

DialogResult<CanvasSize> acceptSizeFields(const QString& width, const QString& height)
{
    DialogResult<CanvasSize> result;
    CanvasSize size;
    if (refused(checkWholeField(width, 1, kWorkspaceSize, 0, &size.width), result) ||
        refused(checkWholeField(height, 1, kWorkspaceSize, 1, &size.height), result))
        return result;
    return size;
}

} // namespace lw
