#pragma once
// The colour dialog's drawn parts: the hue/saturation disk, the value strip and the swatch of the
// old and new colour. They paint what they are given and report pointer positions in their own
// pixels; the dialog's model decides what those mean.
#include <QImage>
#include <QPoint>
#include <QWidget>

#include <cstdint>
#include <functional>

namespace lw {

// A fixed-size picture with an inverted 6 × 6 mark; pressing and dragging with the left button
// reports each position (the widget grabs the mouse while the button is held).
class PickerView : public QWidget {
public:
    PickerView(QSize size, QWidget* parent);

    void setImage(QImage image, QPoint marker);
    std::function<void(QPoint)> onPick;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QImage image_;
    QPoint marker_;
};

// The old colour beside the new one, each over the checkerboard.
class SwatchView : public QWidget {
public:
    explicit SwatchView(QWidget* parent);
    void setColours(std::uint32_t oldColour, std::uint32_t newColour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::uint32_t old_ = 0;
    std::uint32_t new_ = 0;
};

} // namespace lw
