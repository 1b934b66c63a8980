#include "app/editor/image_size_model.h"

#include "app/editor/canvas_settings_model.h"
#include "model/layer_sizing.h"

namespace lw {

ImageSizeModel::ImageSizeModel(int w, int h)
    : width(QString::number(w)), height(QString::number(h)), startWidth_(w), startHeight_(h)
{
}

void ImageSizeModel::typeWidth(const QString& text)
{
    width = text;
    if (auto value = parseWholeNumber(text); value && keepProportions)
        height = QString::number(linkedHeight(*value, startWidth_, startHeight_));
}

void ImageSizeModel::typeHeight(const QString& text)
{
    height = text;
    if (auto value = parseWholeNumber(text); value && keepProportions)
        width = QString::number(linkedWidth(*value, startWidth_, startHeight_));
}

DialogResult<CanvasSize> ImageSizeModel::accept() const
{
    return acceptSizeFields(width, height);
}

} // namespace lw
