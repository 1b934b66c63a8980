// lwtool avi: the animation as AVI video, or the list of codecs the AVI container takes.
#include "tools/lwtool/commands.h"
#include "tools/lwtool/loaded_document.h"

#include "engine/animation_compiler.h"
#include "output/avi_export.h"

#include <cstdio>

namespace lwtool {

int runAvi(const Options& options, ConsoleUiPort& ui)
{
    if (options.codec == "list") {
        for (const auto& codec : lw::aviCodecs())
            std::printf("%-16s %s\n", codec.name.c_str(), codec.description.c_str());
        return kExitOk;
    }
    auto input = loadInput(options, ui);
    lw::CAnimation& animation = input->doc.animation;
    progress(options, "compiling the animation");
    const lw::AnimationCompiler compiler(input->context.extensions);
    compiler.compile(animation);
    const lw::FrameSequence sequence = compiler.buildSequence(animation);
    const std::string path = lw::withAviExtension(options.output);
    const std::string codec = options.codec.empty() ? lw::kDefaultAviCodec : options.codec;
    progress(options, "writing " + path);
    try {
        lw::exportAvi(sequence, path, codec);
    } catch (const lw::AviError& e) {
        const bool unknownCodec = std::string(e.what()).rfind("unknown AVI codec", 0) == 0;
        throw ToolError{unknownCodec ? kExitUsage : kExitOutputFailed, path + ": " + e.what()};
    }
    return kExitOk;
}

} // namespace lwtool
