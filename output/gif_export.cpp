#include "output/gif_export.h"

#include "imaging/gif_save_choices.h"

#include <algorithm>

namespace lw {

std::unique_ptr<GifAnimation> gifFromSequence(const FrameSequence& sequence)
{
    auto gif = std::make_unique<GifAnimation>();
    gif->SetScreenSize(sequence.width, sequence.height);
    gif->loopCount = sequence.loopCount;
    for (const SequenceFrame* entry = sequence.first(); entry; entry = entry->next.get()) {
        if (!entry->image)
            continue;
        GifFrame& frame = gif->AddFrame(*entry->image);
        frame.delay = static_cast<std::uint16_t>(std::clamp(entry->delay, 0, 0xFFFF));
    }
    return gif;
}

GifSaveReport prepareGif(GifAnimation& gif, const GifSaveSettings& settings)
{
    GifSaveReport report;
    report.colourCount = gif.CountColours();
    const GifSaveChoices choices = gifSaveChoices(report.colourCount, gif.animated != 0);
    // The whole palette is only on offer up to 256 colours; beyond that the dialog reduces.
    bool reduce = !choices.fullPalettePreselected;
    int count = choices.reduceDefault;
    if (settings.colours) {
        if (*settings.colours == 0) {
            reduce = !choices.fullPaletteEnabled;
        } else {
            reduce = true;
            count = *settings.colours;
        }
    }
    report.reduced = reduce && count > 0 && count < report.colourCount;
    report.paletteCount = report.reduced ? count : std::min(report.colourCount, 256);
    gif.BuildPalette(report.paletteCount);
    if (settings.transparentColour) {
        gif.SetTransparentColour(*settings.transparentColour);
    } else if (settings.optimise && choices.optimiseEnabled) {
        gif.DiffFrames();
        gif.ReorderPalette();
        report.optimised = true;
    }
    gif.EncodeFrames();
    report.framesWritten = gif.frameCount();
    report.bytes = gif.EstimateSize();
    return report;
}

GifSaveReport saveSequenceAsGif(const FrameSequence& sequence, const GifSaveSettings& settings,
                                const std::string& path)
{
    const auto gif = gifFromSequence(sequence);
    GifSaveReport report = prepareGif(*gif, settings);
    gif->SaveToFile(path);
    return report;
}

} // namespace lw
