#include "app/editor/optimisation_run.h"

#include "app/editor/gif_save_command.h"
#include "platform/errors.h"

#include <algorithm>

namespace lw {

OptimisationRun::OptimisationRun(CLWDoc& doc, const ExtensionHost& host, std::unique_ptr<GifAnimation> gif)
    : doc_(doc), host_(host), gif_(std::move(gif))
{
    colourCount_ = gif_->CountColours();
}

std::unique_ptr<OptimisationRun> OptimisationRun::start(CLWDoc& doc, const ExtensionHost& host)
{
    auto gif = buildDocumentGif(doc, host);
    if (!gif)
        return nullptr;
    return std::unique_ptr<OptimisationRun>(new OptimisationRun(doc, host, std::move(gif)));
}

void OptimisationRun::optimise(GifAnimation& gif, int paletteCount)
{
    gif.BuildPalette(std::clamp(paletteCount, 1, 256));
    gif.DiffFrames();
    gif.ReorderPalette();
    gif.EncodeFrames();
}

std::int64_t OptimisationRun::trial(int paletteCount)
{
    trial_.reset();
    auto gif = buildDocumentGif(doc_, host_);
    if (!gif)
        return 0;
    gif->CountColours();
    optimise(*gif, paletteCount);
    trialCount_ = paletteCount;
    trial_ = std::move(gif);
    return trial_->EstimateSize();
}

std::optional<GifPlayback> OptimisationRun::trialPlayback()
{
    if (!trial_ && trialCount_ > 0)
        trial(trialCount_);
    if (!trial_)
        return std::nullopt;
    GifPreview preview;
    preview.gif = std::move(trial_);
    preview.gif->DecodeFrames();
    preview.gif->FramesToRasters();
    auto playback = playbackOf(std::move(preview));
    if (playback)
        playback->sequence.linkText = doc_.animation.linkUrl; // the click opens the document's link
    return playback;
}

void OptimisationRun::finish(int paletteCount, const std::string& path)
{
    // A second Finish after a failed write saves the same result again; another count needs
    // the frames as they were before optimising.
    if (optimisedCount_ != paletteCount) {
        if (optimisedCount_ != 0) {
            gif_ = buildDocumentGif(doc_, host_);
            if (!gif_)
                throw MemoryError("The animation could not be built again");
            gif_->CountColours();
        }
        optimisedCount_ = -1; // half optimised until it returns
        optimise(*gif_, paletteCount);
        optimisedCount_ = paletteCount;
    }
    gif_->SaveToFile(path);
    doc_.animation.sourcePath = path;
}

} // namespace lw
