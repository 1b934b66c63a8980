#include "app/widgets/effect_preview_player.h"

#include "imaging/frame_sequence.h"
#include "imaging/raster.h"

#include <QDialogButtonBox>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace lw {

SequencePlayer::SequencePlayer(const FrameSequence& sequence, QWidget* parent)
    : QWidget(parent), canvas_(std::max(1, sequence.width), std::max(1, sequence.height))
{
    for (const SequenceFrame* f = sequence.first(); f; f = f->next.get())
        if (f->image)
            images_.push_back(Shown{f->image->toQImage(), std::max(f->delay, kMinSequenceDelay)});
    setAutoFillBackground(false);
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, [this] { advance(); });
    restartTimer();
}

int SequencePlayer::currentDelayMs() const
{
    return images_.empty() ? 0 : images_[static_cast<std::size_t>(current_)].delay * 10;
}

void SequencePlayer::advance()
{
    if (images_.empty())
        return;
    current_ = (current_ + 1) % imageCount();
    update();
    restartTimer();
}

void SequencePlayer::restartTimer()
{
    // One image alone never changes: no timer for it.
    if (images_.size() > 1)
        timer_.start(currentDelayMs());
}

QSize SequencePlayer::sizeHint() const
{
    // Room around a small banner, so the window is not smaller than its caption.
    return (canvas_ + QSize(40, 40)).expandedTo(QSize(280, 140));
}

void SequencePlayer::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (images_.empty())
        return;
    const QImage& image = images_[static_cast<std::size_t>(current_)].image;
    painter.drawImage(QPoint((width() - image.width()) / 2, (height() - image.height()) / 2), image);
}

EffectPreviewDialog::EffectPreviewDialog(const FrameSequence& sequence, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr(" Предпросмотр  "));
    player_ = new SequencePlayer(sequence, this);
    player_->setObjectName(QStringLiteral("player"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(tr("Закрыть"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(player_, 1);
    layout->addWidget(buttons);
}

void EffectPreviewDialog::play(const FrameSequence& sequence, QWidget* parent)
{
    EffectPreviewDialog dialog(sequence, parent);
    dialog.exec();
}

} // namespace lw
