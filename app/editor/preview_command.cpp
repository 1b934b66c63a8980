#include "app/editor/preview_command.h"

#include "app/editor/wait_cursor.h"
#include "engine/animation_compiler.h"
#include "engine/sequence_stream.h"
#include "model/document_observer.h"

namespace lw {

namespace {

// Every consumer works on committed, freshly rendered frames.
void prepareFrames(CAnimation& animation)
{
    for (CFrame* frame = animation.firstFrame.get(); frame; frame = frame->next.get())
        frame->Commit();
    animation.RenderAllFrames();
}

struct SequenceRange {
    const CFrame* singleFrame = nullptr;
    const CFrame* startFrame = nullptr;
};

SequenceRange rangeOf(PreviewRange range, const CFrame& current)
{
    switch (range) {
    case PreviewRange::FromCurrent:
        return {nullptr, &current};
    case PreviewRange::CurrentOnly:
        return {&current, nullptr};
    case PreviewRange::Whole:
        break;
    }
    return {};
}

// The stream over a document that plays in the modal preview. It stops at the first change of
// the document: later frames compiled from an edited document would not belong with the earlier
// ones, and the images shown so far may be gone.
class DocumentPreview : public GrowingSequence, private DocumentObserver {
public:
    DocumentPreview(CLWDoc& doc, const ExtensionHost& host, SequenceRange range)
        : doc_(doc), stream_(AnimationCompiler(host), doc.animation, range.singleFrame, range.startFrame)
    {
        doc_.addObserver(*this);
    }
    ~DocumentPreview() override { doc_.removeObserver(*this); }

    FrameSequence& sequence() override { return stream_.sequence(); }
    bool extend() override { return valid_ && stream_.extend(); }
    bool complete() const override { return stream_.complete(); }
    bool valid() const override { return valid_; }

private:
    void documentChanged(const CLWDoc&, const DocumentEvent& event) override
    {
        constexpr std::uint16_t harmless =
            DocumentChanges(DocumentChange::CurrentFrameChanged | DocumentChange::SelectionChanged).bits();
        if ((event.changes.bits() & ~harmless) != 0)
            valid_ = false;
    }

    CLWDoc& doc_;
    SequenceStream stream_;
    bool valid_ = true;
};

} // namespace

FrameSequence buildPreviewSequence(CLWDoc& doc, const ExtensionHost& host, PreviewRange range,
                                   const CFrame& current)
{
    const WaitCursor wait;
    CAnimation& animation = doc.animation;
    prepareFrames(animation);
    const AnimationCompiler compiler(host);
    compiler.compile(animation);
    const SequenceRange r = rangeOf(range, current);
    return compiler.buildSequence(animation, r.singleFrame, r.startFrame);
}

std::unique_ptr<GrowingSequence> startPreview(CLWDoc& doc, const ExtensionHost& host, PreviewRange range,
                                              const CFrame& current)
{
    const WaitCursor wait;
    prepareFrames(doc.animation);
    auto preview = std::make_unique<DocumentPreview>(doc, host, rangeOf(range, current));
    preview->extend();
    return preview;
}

std::optional<GifPlayback> playbackOf(GifPreview preview)
{
    if (!preview.gif)
        return std::nullopt;
    GifPlayback playback;
    playback.sequence = std::move(*preview.gif->ToAnimation());
    playback.images = std::move(preview.gif);
    return playback;
}

} // namespace lw
