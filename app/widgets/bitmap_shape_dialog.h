#pragma once
// "Форма точечного рисунка Bitmap": makes one colour of a bitmap layer transparent or turns the
// layer into a stencil of one colour, with a preview of the result over a checkerboard. A click
// on the preview takes the colour under it as the transparent colour.
#include "app/editor/bitmap_shape_model.h"
#include "app/widgets/checked_dialog.h"

#include <functional>

class QLabel;
class QPushButton;
class QRadioButton;

namespace lw {

class BitmapShapeDialog : public CheckedDialog {
    Q_DECLARE_TR_FUNCTIONS(BitmapShapeDialog)
public:
    BitmapShapeDialog(const CRaster& pixels, const BitmapShape& start, QWidget* parent = nullptr);

    // Asks for a colour (the colour dialog unless replaced); nothing on Cancel.
    std::function<std::optional<std::uint32_t>(QWidget* parent, std::uint32_t start)> askColour;

    const BitmapShape& shape() const { return shape_; }
    static std::optional<BitmapShape> ask(QWidget* parent, const CRaster& pixels, const BitmapShape& start);

protected:
    std::optional<FieldRefusal> commit() override { return std::nullopt; }
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void chooseColour(std::uint32_t& colour, BitmapShapeOperation operation);
    void refresh();

    const CRaster& pixels_;
    BitmapShape shape_;
    QRadioButton* transparent_ = nullptr;
    QRadioButton* stencil_ = nullptr;
    QPushButton* transparentColour_ = nullptr;
    QPushButton* stencilColour_ = nullptr;
    QLabel* preview_ = nullptr;
    QRect shown_; // where the preview's picture lies in the label
};

} // namespace lw
