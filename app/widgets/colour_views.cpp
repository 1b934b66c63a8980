#include "app/widgets/colour_views.h"

#include "app/editor/colour_swatch.h"

#include <QMouseEvent>
#include <QPainter>

namespace lw {

PickerView::PickerView(QSize size, QWidget* parent) : QWidget(parent)
{
    setFixedSize(size);
    setCursor(Qt::CrossCursor);
}

void PickerView::setImage(QImage image, QPoint marker)
{
    image_ = std::move(image);
    marker_ = marker;
    update();
}

void PickerView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, image_);
    // The mark inverts what lies under it, so it shows on every colour.
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.fillRect(QRect(marker_ - QPoint(3, 3), QSize(6, 6)), Qt::white);
}

void PickerView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && onPick)
        onPick(event->position().toPoint());
}

void PickerView::mouseMoveEvent(QMouseEvent* event)
{
    if ((event->buttons() & Qt::LeftButton) && onPick)
        onPick(event->position().toPoint());
}

SwatchView::SwatchView(QWidget* parent) : QWidget(parent)
{
    setFixedSize(96, 40);
}

void SwatchView::setColours(std::uint32_t oldColour, std::uint32_t newColour)
{
    old_ = oldColour;
    new_ = newColour;
    update();
}

void SwatchView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int half = width() / 2;
    painter.drawImage(0, 0, swatchImage(old_, half, height()));
    painter.drawImage(half, 0, swatchImage(new_, width() - half, height()));
    painter.setPen(palette().color(QPalette::Shadow));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace lw
