#pragma once
// "Размер холста": four signed edge amounts and the live size label.
#include "app/editor/dialog_result.h"
#include "model/canvas_resize.h"

namespace lw {

// The four signed edge amounts of "Размер холста" (the canvas, or one layer), with the live size.
class EdgeAmountsModel {
public:
    EdgeAmountsModel(int width, int height);
    QString left = QStringLiteral("0");
    QString top = QStringLiteral("0");
    QString right = QStringLiteral("0");
    QString bottom = QStringLiteral("0");
    // " Размер:    %d x %d" for the amounts typed so far (a field that is no number counts 0).
    QString sizeLabel() const;
    DialogResult<EdgeAmounts> accept() const;

private:
    int width_;
    int height_;
};

} // namespace lw
