#pragma once
// "Размер рисунка": a layer's width and height, linked while proportions are kept.
#include "app/editor/dialog_result.h"
#include "model/canvas_resize.h"

namespace lw {

// "Размер рисунка": width and height, linked while "Сохранять пропорции" is set.
class ImageSizeModel {
public:
    ImageSizeModel(int width, int height);
    QString width;
    QString height;
    bool keepProportions = true;
    void typeWidth(const QString& text);
    void typeHeight(const QString& text);
    DialogResult<CanvasSize> accept() const;

private:
    int startWidth_;
    int startHeight_;
};

} // namespace lw
