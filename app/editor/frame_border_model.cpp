#include "app/editor/frame_border_model.h"

#include <QCoreApplication>

#include <algorithm>

namespace lw {

FrameBorderModel::FrameBorderModel(FrameBorderQuestion question) : question_(std::move(question))
{
    setWidth(question_.width);
    setColour(question_.colour);
}

QStringList FrameBorderModel::widthEntries()
{
    QStringList entries{QCoreApplication::translate("FrameBorderModel", "нет")};
    for (int px = 1; px <= kMaxWidth; ++px)
        entries.append(QCoreApplication::translate("FrameBorderModel", "%1 px").arg(px));
    return entries;
}

void FrameBorderModel::setWidth(int width)
{
    width_ = std::clamp(width, 0, kMaxWidth);
}

} // namespace lw
