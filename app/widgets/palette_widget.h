#pragma once
// The palette bar's window: 8 × 8 cells of 12 pixels in a 97 × 97 window. A left click offers the
// cell's colour as foreground, a right click as background.
#include <QWidget>
#include <cstdint>

namespace lw {

class PaletteWidget : public QWidget {
    Q_OBJECT
public:
    explicit PaletteWidget(QWidget* parent = nullptr);

Q_SIGNALS:
    // An opaque raster colour 0x00RRGGBB.
    void colourChosen(std::uint32_t colour, bool background);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
};

} // namespace lw
