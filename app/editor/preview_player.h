#pragma once
// The preview player without widgets: it owns the sequence it plays (and the decoded GIF when
// the images come from one, or the compilation that still adds to it), shows one image at a
// time, and asks its timer for the image's delay × 10 ms before it moves on, restarting after
// the last. A click on the image opens the sequence's link or, in colour-picking mode, picks
// the colour under it.
#include "imaging/frame_sequence.h"
#include "imaging/gif_animation.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace lw {

class UiPort;

// What runs the player: one single-shot interval at a time; start() replaces the pending one.
class PreviewTimer {
public:
    virtual ~PreviewTimer() = default;
    virtual void start(int milliseconds) = 0;
    virtual void stop() = 0;
};

// Hands an address to the desktop's browser.
using UrlOpener = std::function<void(const std::string& url)>;

enum class PreviewClick { Outside, OpenedLink, NoLink, Picked };

// A sequence still being compiled while it plays: the player shows what is there and asks for
// more, one frame's images at a time.
class GrowingSequence {
public:
    virtual ~GrowingSequence() = default;
    virtual FrameSequence& sequence() = 0;
    // Appends the next frame's images; false when the sequence is complete.
    virtual bool extend() = 0;
    virtual bool complete() const = 0;
    // False once the images may be gone (the document changed): nothing is shown any more.
    virtual bool valid() const = 0;
};

class PreviewPlayer {
public:
    // gifImages owns the images of a sequence made from a decoded GIF; null when the sequence's
    // images belong to the document's frames.
    PreviewPlayer(FrameSequence sequence, PreviewTimer& timer, bool pickColour = false,
                  std::unique_ptr<GifAnimation> gifImages = nullptr);
    // Plays a sequence that is compiled as it goes.
    PreviewPlayer(std::unique_ptr<GrowingSequence> growing, PreviewTimer& timer);
    ~PreviewPlayer();
    PreviewPlayer(const PreviewPlayer&) = delete;
    PreviewPlayer& operator=(const PreviewPlayer&) = delete;

    // Shows the first image and starts its interval.
    void start();
    // The interval ran out: the next image (the first after the last), and its interval.
    void timeout();
    void stop() { timer_.stop(); }
    // Compiles the images after the one shown when they are not there yet, so that they are
    // ready when its interval ends; true when it did. The window calls it once the shown image
    // is painted. Throws MemoryError when memory runs out.
    bool compileAhead();

    const CRaster* image() const { return current_ ? current_->image : nullptr; }
    std::size_t index() const { return index_; }
    bool pickMode() const { return pickMode_; }
    // The link cursor shows over the image only outside colour picking and with a link.
    bool hasLink() const { return !pickMode_ && !sequence().linkText.empty(); }
    const std::string& link() const { return sequence().linkText; }

    // The image centred in a view of that size.
    QRect imageRect(QSize view) const;
    bool overImage(QPoint point, QSize view) const { return imageRect(view).contains(point); }

    // A click at point of the view: picks the colour there, opens the link, or tells that no
    // link is set (through ui). Clicks beside the image do nothing.
    PreviewClick click(QPoint point, QSize view, const UrlOpener& open, UiPort& ui);
    // The colour picked so far, 0x00BBGGRR.
    std::optional<std::uint32_t> pickedColour() const { return picked_; }

private:
    const FrameSequence& sequence() const { return growing_ ? growing_->sequence() : sequence_; }
    // The first entry, compiling the first frame that has images when none is there yet.
    const SequenceFrame* first();
    void show(const SequenceFrame* entry);

    std::unique_ptr<GifAnimation> gifImages_; // declared first: the sequence refers into it
    FrameSequence sequence_;
    std::unique_ptr<GrowingSequence> growing_;
    PreviewTimer& timer_;
    bool pickMode_;
    const SequenceFrame* current_ = nullptr;
    std::size_t index_ = 0;
    std::optional<std::uint32_t> picked_;
};

// The message a click shows when the animation has no link.
const char* noLinkText();

} // namespace lw
