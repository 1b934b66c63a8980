#include "app/editor/preview_player.h"

#include "platform/application_names.h"
#include "platform/ui_port.h"

#include <QCoreApplication>

namespace lw {

const char* noLinkText()
{
    return QT_TRANSLATE_NOOP("Preview", "URL не определён. Укажите его в HTML параметрах Вашей страницы, "
                                        "или через меню \"Файл\".");
}

PreviewPlayer::PreviewPlayer(FrameSequence sequence, PreviewTimer& timer, bool pickColour,
                             std::unique_ptr<GifAnimation> gifImages)
    : gifImages_(std::move(gifImages)), sequence_(std::move(sequence)), timer_(timer), pickMode_(pickColour)
{
}

PreviewPlayer::PreviewPlayer(std::unique_ptr<GrowingSequence> growing, PreviewTimer& timer)
    : growing_(std::move(growing)), timer_(timer), pickMode_(false)
{
}

PreviewPlayer::~PreviewPlayer()
{
    timer_.stop();
}

void PreviewPlayer::show(const SequenceFrame* entry)
{
    current_ = entry;
    if (current_)
        timer_.start(current_->delay * 10);
}

const SequenceFrame* PreviewPlayer::first()
{
    if (!growing_)
        return sequence_.first();
    if (growing_->valid() && growing_->sequence().empty())
        growing_->extend();
    return growing_->valid() ? growing_->sequence().first() : nullptr;
}

void PreviewPlayer::start()
{
    index_ = 0;
    show(first());
}

void PreviewPlayer::timeout()
{
    if (!current_)
        return;
    if (growing_ && !growing_->valid()) {
        // The images belong to a document that has changed since: show nothing rather than them.
        current_ = nullptr;
        timer_.stop();
        return;
    }
    compileAhead();
    if (current_->next) {
        ++index_;
        show(current_->next.get());
    } else {
        start();
    }
}

bool PreviewPlayer::compileAhead()
{
    if (!growing_ || !current_ || current_->next || !growing_->valid())
        return false;
    return growing_->extend(); // every frame brings at least one image
}

QRect PreviewPlayer::imageRect(QSize view) const
{
    const CRaster* shown = image();
    if (!shown)
        return {};
    const int w = shown->width();
    const int h = shown->height();
    return {(view.width() - w) / 2, (view.height() - h) / 2, w, h};
}

PreviewClick PreviewPlayer::click(QPoint point, QSize view, const UrlOpener& open, UiPort& ui)
{
    const QRect area = imageRect(view);
    if (!area.contains(point))
        return PreviewClick::Outside;
    if (pickMode_) {
        const CRaster& shown = *image();
        const int x = point.x() - area.left();
        const int y = point.y() - area.top();
        if (!shown.contains(x, y) || shown.pixels().size() <= shown.indexOf(x, y))
            return PreviewClick::Outside;
        const std::uint32_t pixel = shown.pixels()[shown.indexOf(x, y)];
        picked_ = (pixel & 0x0000FF00u) | (pixel & 0xFFu) << 16 | (pixel >> 16 & 0xFFu);
        return PreviewClick::Picked;
    }
    if (sequence().linkText.empty()) {
        ui.messageBox(Message{QCoreApplication::translate("Preview", noLinkText()).toStdString(),
                              kProductName, MsgIcon::None, MsgButtons::Ok});
        return PreviewClick::NoLink;
    }
    if (open)
        open(sequence().linkText);
    return PreviewClick::OpenedLink;
}

} // namespace lw
