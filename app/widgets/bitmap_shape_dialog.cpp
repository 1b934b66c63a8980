#include "app/widgets/bitmap_shape_dialog.h"

#include "app/editor/colour_swatch.h"
#include "app/widgets/colour_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

namespace lw {

namespace {

constexpr QSize kPreviewSize(240, 160);
constexpr QSize kSwatchSize(40, 16);

QIcon swatchIcon(std::uint32_t colour)
{
    return QIcon(QPixmap::fromImage(swatchImage(colour, kSwatchSize.width(), kSwatchSize.height())));
}

} // namespace

BitmapShapeDialog::BitmapShapeDialog(const CRaster& pixels, const BitmapShape& start, QWidget* parent)
    : CheckedDialog(parent, tr("Форма точечного рисунка Bitmap")), pixels_(pixels), shape_(start)
{
    askColour = [](QWidget* owner, std::uint32_t colour) {
        return ColourDialog::ask(owner, colour, tr("Выбор цвета"), true);
    };
    transparent_ = new QRadioButton(tr("Сделать прозрачным цвет:"), this);
    transparent_->setObjectName(QStringLiteral("transparent"));
    stencil_ = new QRadioButton(tr("Трафарет цветом:"), this);
    stencil_->setObjectName(QStringLiteral("stencil"));
    transparentColour_ = new QPushButton(this);
    transparentColour_->setObjectName(QStringLiteral("transparentColour"));
    stencilColour_ = new QPushButton(this);
    stencilColour_->setObjectName(QStringLiteral("stencilColour"));
    for (QPushButton* button : {transparentColour_, stencilColour_}) {
        button->setIconSize(kSwatchSize);
        button->setAutoDefault(false);
    }
    preview_ = new QLabel(this);
    preview_->setObjectName(QStringLiteral("preview"));
    preview_->setFixedSize(kPreviewSize);
    preview_->installEventFilter(this);
    auto* hint = new QLabel(tr("Щелчок по рисунку выбирает прозрачный цвет."), this);

    auto* grid = new QGridLayout;
    grid->addWidget(transparent_, 0, 0);
    grid->addWidget(transparentColour_, 0, 1);
    grid->addWidget(stencil_, 1, 0);
    grid->addWidget(stencilColour_, 1, 1);
    grid->addWidget(preview_, 2, 0, 1, 2, Qt::AlignHCenter);
    grid->addWidget(hint, 3, 0, 1, 2);
    addContent(grid);

    auto pick = [this](BitmapShapeOperation operation) {
        shape_.operation = operation;
        refresh();
    };
    connect(transparent_, &QRadioButton::clicked, this,
            [pick] { pick(BitmapShapeOperation::TransparentColour); });
    connect(stencil_, &QRadioButton::clicked, this, [pick] { pick(BitmapShapeOperation::Stencil); });
    connect(transparentColour_, &QPushButton::clicked, this,
            [this] { chooseColour(shape_.transparentColour, BitmapShapeOperation::TransparentColour); });
    connect(stencilColour_, &QPushButton::clicked, this,
            [this] { chooseColour(shape_.stencilColour, BitmapShapeOperation::Stencil); });
    refresh();
}

void BitmapShapeDialog::chooseColour(std::uint32_t& colour, BitmapShapeOperation operation)
{
    if (!askColour)
        return;
    if (const auto chosen = askColour(this, colour)) {
        colour = *chosen;
        shape_.operation = operation;
        refresh();
    }
}

void BitmapShapeDialog::refresh()
{
    transparent_->setChecked(shape_.operation == BitmapShapeOperation::TransparentColour);
    stencil_->setChecked(shape_.operation == BitmapShapeOperation::Stencil);
    transparentColour_->setIcon(swatchIcon(shape_.transparentColour));
    stencilColour_->setIcon(swatchIcon(shape_.stencilColour));

    QImage board = swatchImage(0xFF000000u, kPreviewSize.width(), kPreviewSize.height());
    shown_ = {};
    if (pixels_.width() > 0 && pixels_.height() > 0) {
        const QImage result = shapedPixels(pixels_, shape_).toQImageWithAlpha();
        const QSize fitted = result.size()
                                 .scaled(kPreviewSize - QSize(8, 8), Qt::KeepAspectRatio)
                                 .boundedTo(result.size() * 8);
        shown_ = QRect(QPoint((kPreviewSize.width() - fitted.width()) / 2,
                              (kPreviewSize.height() - fitted.height()) / 2),
                       fitted);
        QPainter painter(&board);
        painter.drawImage(shown_, result);
    }
    preview_->setPixmap(QPixmap::fromImage(board));
}

bool BitmapShapeDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == preview_ && event->type() == QEvent::MouseButtonPress && !shown_.isEmpty()) {
        const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint() - shown_.topLeft();
        const int x = at.x() * pixels_.width() / shown_.width();
        const int y = at.y() * pixels_.height() / shown_.height();
        if (pixels_.contains(x, y) && at.x() >= 0 && at.y() >= 0) {
            shape_.transparentColour = pixels_.GetPixel(x, y);
            shape_.operation = BitmapShapeOperation::TransparentColour;
            refresh();
        }
        return true;
    }
    return CheckedDialog::eventFilter(watched, event);
}

std::optional<BitmapShape> BitmapShapeDialog::ask(QWidget* parent, const CRaster& pixels,
                                                  const BitmapShape& start)
{
    BitmapShapeDialog dialog(pixels, start, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.shape();
}

} // namespace lw
