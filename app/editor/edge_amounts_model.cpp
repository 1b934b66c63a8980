#include "app/editor/edge_amounts_model.h"

#include <QCoreApplication>

namespace lw {

EdgeAmountsModel::EdgeAmountsModel(int width, int height) : width_(width), height_(height) {}

QString EdgeAmountsModel::sizeLabel() const
{
    auto amount = [](const QString& text) { return parseWholeNumber(text).value_or(0); };
    const CanvasSize size =
        grownCanvasSize(width_, height_, {amount(left), amount(top), amount(right), amount(bottom)});
    return QCoreApplication::translate("EdgeAmountsDialog", " Размер:    %1 x %2")
        .arg(size.width)
        .arg(size.height);
}

DialogResult<EdgeAmounts> EdgeAmountsModel::accept() const
{
    DialogResult<EdgeAmounts> result;
    EdgeAmounts amounts;
    if (refused(checkWholeField(left, -kWorkspaceSize, kWorkspaceSize, 0, &amounts.left), result) ||
        refused(checkWholeField(top, -kWorkspaceSize, kWorkspaceSize, 1, &amounts.top), result) ||
        refused(checkWholeField(right, -kWorkspaceSize, kWorkspaceSize, 2, &amounts.right), result) ||
        refused(checkWholeField(bottom, -kWorkspaceSize, kWorkspaceSize, 3, &amounts.bottom), result))
        return result;
    return amounts;
}

} // namespace lw
