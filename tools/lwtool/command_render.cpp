// lwtool render: the editor's Save GIF, with the settings dialog's choices as options.
#include "tools/lwtool/commands.h"
#include "tools/lwtool/loaded_document.h"

#include "engine/animation_compiler.h"
#include "output/gif_export.h"
#include "platform/errors.h"

#include <cstdio>

namespace lwtool {

int runRender(const Options& options, ConsoleUiPort& ui)
{
    auto input = loadInput(options, ui);
    lw::CAnimation& animation = input->doc.animation;
    const lw::CFrame* single = options.frame ? &frameNumber(animation, *options.frame) : nullptr;
    const lw::CFrame* start = options.fromFrame ? &frameNumber(animation, *options.fromFrame) : nullptr;

    progress(options, "compiling the animation");
    const lw::AnimationCompiler compiler(input->context.extensions);
    compiler.compile(animation);
    const lw::FrameSequence sequence = compiler.buildSequence(animation, single, start);
    if (sequence.empty())
        throw ToolError{kExitBadInput, options.input + ": the animation has no frames to show"};

    lw::GifSaveSettings settings;
    settings.colours = options.colours;
    settings.optimise = options.optimise.value_or(true);
    if (options.transparent)
        settings.transparentColour = options.transparentRgb.value_or(
            lw::rasterColourFromFrameColour(animation.firstFrame->backgroundColour));

    progress(options, "writing " + options.output);
    lw::GifSaveReport report;
    try {
        report = lw::saveSequenceAsGif(sequence, settings, options.output);
    } catch (const lw::FileError& e) {
        throw ToolError{kExitOutputFailed, options.output + ": cannot be written (" + e.what() + ")"};
    }
    if (!options.quiet)
        std::fprintf(stderr, "lwtool: wrote %s: %d frames, %d colours%s, %lld bytes\n",
                     options.output.c_str(), report.framesWritten, report.paletteCount,
                     report.optimised             ? ", frames optimised"
                     : settings.transparentColour ? ", transparent"
                                                  : "",
                     static_cast<long long>(report.bytes));
    return kExitOk;
}

} // namespace lwtool
