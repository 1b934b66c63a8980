#include "app/widgets/preview_dialog.h"

#include "platform/application_names.h"
#include "platform/errors.h"
#include "platform/ui_port.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace lw {

// The child that fills the dialog: paints the current image and turns the mouse into clicks.
class PreviewView : public QWidget {
public:
    PreviewView(PreviewPlayer& player, UrlOpener open, UiPort& ui, std::function<void()> picked,
                QWidget* parent)
        : QWidget(parent), player_(player), open_(std::move(open)), ui_(ui), picked_(std::move(picked))
    {
        setObjectName(QStringLiteral("previewView"));
        setMouseTracking(true);
        setAutoFillBackground(false);
    }

    // The player moved on: convert the new image once, not at every paint.
    void imageChanged()
    {
        const CRaster* image = player_.image();
        if (image != shownRaster_) {
            shownRaster_ = image;
            shown_ = image ? image->toQImage() : QImage();
        }
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        if (!shown_.isNull())
            painter.drawImage(player_.imageRect(size()).topLeft(), shown_);
    }
    void mouseMoveEvent(QMouseEvent* event) override
    {
        const bool over = player_.overImage(event->position().toPoint(), size());
        if (over && player_.pickMode())
            setCursor(Qt::CrossCursor);
        else if (over && player_.hasLink())
            setCursor(Qt::PointingHandCursor);
        else
            unsetCursor();
    }
    void mousePressEvent(QMouseEvent* event) override
    {
        if (event->button() != Qt::LeftButton)
            return;
        const UrlOpener open = [this](const std::string& url) {
            QApplication::setOverrideCursor(Qt::WaitCursor);
            if (open_)
                open_(url);
            QApplication::restoreOverrideCursor();
        };
        if (player_.click(event->position().toPoint(), size(), open, ui_) == PreviewClick::Picked && picked_)
            picked_();
    }

private:
    PreviewPlayer& player_;
    UrlOpener open_;
    UiPort& ui_;
    std::function<void()> picked_;
    const CRaster* shownRaster_ = nullptr;
    QImage shown_;
};

QtPreviewTimer::QtPreviewTimer(std::function<void()> fired)
{
    timer_.setSingleShot(true);
    QObject::connect(&timer_, &QTimer::timeout, std::move(fired));
}

PreviewDialog::PreviewDialog(bool pickColour, UiPort& ui, QWidget* parent)
    : QDialog(parent), timer_([this] {
          compiling([this] { player_->timeout(); });
          view_->imageChanged();
          compileAheadSoon();
      }),
      ui_(ui)
{
    setWindowTitle(pickColour ? tr("Выбор прозрачности  цвета") : tr(" Предпросмотр  "));
}

PreviewDialog::PreviewDialog(FrameSequence sequence, std::unique_ptr<GifAnimation> images, bool pickColour,
                             UrlOpener open, UiPort& ui, QWidget* parent)
    : PreviewDialog(pickColour, ui, parent)
{
    begin(std::make_unique<PreviewPlayer>(std::move(sequence), timer_, pickColour, std::move(images)),
          std::move(open), pickColour);
}

PreviewDialog::PreviewDialog(std::unique_ptr<GrowingSequence> growing, UrlOpener open, UiPort& ui,
                             QWidget* parent)
    : PreviewDialog(false, ui, parent)
{
    begin(std::make_unique<PreviewPlayer>(std::move(growing), timer_), std::move(open), false);
    compileAheadSoon();
}

void PreviewDialog::compiling(const std::function<void()>& work)
{
    try {
        work();
    } catch (const MemoryError& e) {
        player_->stop();
        ui_.messageBox(Message{e.what(), kProductName, MsgIcon::Error, MsgButtons::Ok});
        reject();
    }
}

void PreviewDialog::compileAheadSoon()
{
    // Queued behind the paint the image change asked for, so the image shows first.
    QTimer::singleShot(0, this, [this] { compiling([this] { player_->compileAhead(); }); });
}

void PreviewDialog::begin(std::unique_ptr<PreviewPlayer> player, UrlOpener open, bool pickColour)
{
    player_ = std::move(player);
    view_ = new PreviewView(
        *player_, std::move(open), ui_, [this] { showPicked(); }, this);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(view_, 1);
    if (pickColour) {
        auto* row = new QHBoxLayout;
        row->setContentsMargins(11, 6, 11, 11);
        row->addWidget(new QLabel(tr("Щёлкните по цвету, который станет прозрачным:"), this));
        swatch_ = new QLabel(this);
        swatch_->setObjectName(QStringLiteral("pickedSwatch"));
        swatch_->setFixedSize(36, 18);
        swatch_->setStyleSheet(QStringLiteral("border: 1px solid black;"));
        row->addWidget(swatch_);
        row->addStretch(1);
        auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
        connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
        connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
        buttons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
        buttons->button(QDialogButtonBox::Cancel)->setText(tr("Отмена"));
        buttons->button(QDialogButtonBox::Ok)->setEnabled(false);
        row->addWidget(buttons);
        column->addLayout(row);
    }
    // Without a window manager a maximised window keeps its own size: start at the whole screen.
    if (const QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());
    setWindowState(Qt::WindowMaximized);
    player_->start();
    view_->imageChanged();
}

PreviewDialog::~PreviewDialog()
{
    player_->stop();
}

void PreviewDialog::showPicked()
{
    const auto colour = player_->pickedColour();
    if (!colour || !swatch_)
        return;
    const std::uint32_t c = *colour; // 0x00BBGGRR
    const QColor shown(static_cast<int>(c & 0xFF), static_cast<int>(c >> 8 & 0xFF),
                       static_cast<int>(c >> 16 & 0xFF));
    swatch_->setStyleSheet(
        QStringLiteral("background-color: %1; border: 1px solid black;").arg(shown.name()));
    if (auto* buttons = findChild<QDialogButtonBox*>())
        buttons->button(QDialogButtonBox::Ok)->setEnabled(true);
}

void PreviewDialog::play(QWidget* parent, std::unique_ptr<GrowingSequence> growing, UrlOpener open,
                         UiPort& ui)
{
    PreviewDialog dialog(std::move(growing), std::move(open), ui, parent);
    dialog.exec();
}

void PreviewDialog::play(QWidget* parent, FrameSequence sequence, std::unique_ptr<GifAnimation> images,
                         UrlOpener open, UiPort& ui)
{
    PreviewDialog dialog(std::move(sequence), std::move(images), false, std::move(open), ui, parent);
    dialog.exec();
}

std::optional<std::uint32_t> PreviewDialog::pickColour(QWidget* parent, FrameSequence sequence,
                                                       std::unique_ptr<GifAnimation> images, UiPort& ui)
{
    PreviewDialog dialog(std::move(sequence), std::move(images), true, {}, ui, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.player().pickedColour();
}

} // namespace lw
