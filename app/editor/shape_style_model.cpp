#include "app/editor/shape_style_model.h"

#include <QCoreApplication>

namespace lw {

namespace {

std::string tr(const char* text)
{
    return QCoreApplication::translate("ShapeStyle", text).toStdString();
}

std::string pixels(int n)
{
    return QCoreApplication::translate("ShapeStyle", "%1 pix").arg(n).toStdString();
}

} // namespace

std::vector<std::string> rectangleStyleNames()
{
    return {tr("Сплошной  цвет"), tr("Окантовкой"), tr("Горизонтальные"), tr("Вертикальные")};
}

std::vector<std::string> lineWidthNames()
{
    std::vector<std::string> names{tr("None")};
    for (int n = 1; n <= 32; ++n)
        names.push_back(pixels(n));
    return names;
}

std::vector<std::string> gapWidthNames()
{
    std::vector<std::string> names;
    for (int n = 1; n <= 32; ++n)
        names.push_back(pixels(n));
    return names;
}

std::vector<std::string> ellipseStyleNames()
{
    return {tr("Растровый тон"), tr("Неменяемый тон"), tr("Radial Gradient "),
            tr("Тонкий контур"), tr("Средний контур"), tr("Жирный контур")};
}

std::vector<std::string> gradientDirectionNames()
{
    return {tr("Вертикальный"), tr("Горизонтальный"), tr("Диагональный")};
}

} // namespace lw
