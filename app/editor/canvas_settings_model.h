#pragma once
// "Установки кадра": the canvas size and its presets.
#include "app/editor/dialog_result.h"
#include "model/canvas_resize.h"

namespace lw {

// "Установки кадра": width, height and the preset list "Размер кадра".
class CanvasSettingsModel {
public:
    CanvasSettingsModel(int width, int height);
    QString width;
    QString height;
    // Fills both fields from a preset; the first entry leaves them.
    void choosePreset(int index);
    DialogResult<CanvasSize> accept() const;
};

// A width and a height field, each a whole number of 1 … the workspace side.
DialogResult<CanvasSize> acceptSizeFields(const QString& width, const QString& height);

} // namespace lw
