#include "app/widgets/palette_widget.h"

#include "app/editor/palette_model.h"

#include <QMouseEvent>
#include <QPainter>

namespace lw {

PaletteWidget::PaletteWidget(QWidget* parent) : QWidget(parent)
{
    setFixedSize(kPaletteSide, kPaletteSide);
}

void PaletteWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    painter.setPen(Qt::black);
    for (int cell = 0; cell < 64; ++cell) {
        const int x = cell % 8 * kPaletteCell;
        const int y = cell / 8 * kPaletteCell;
        // Filled from (12c, 12r) to (12c + 11, 12r + 11) and outlined.
        painter.fillRect(x, y, kPaletteCell, kPaletteCell, QColor::fromRgb(kPaletteColours[cell]));
        painter.drawRect(x, y, kPaletteCell - 1, kPaletteCell - 1);
    }
}

void PaletteWidget::mousePressEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    const int cell = paletteCellAt(at.x(), at.y());
    if (cell < 0)
        return;
    if (event->button() == Qt::LeftButton)
        Q_EMIT colourChosen(kPaletteColours[cell], false);
    else if (event->button() == Qt::RightButton)
        Q_EMIT colourChosen(kPaletteColours[cell], true);
}

} // namespace lw
