#pragma once
// The optimisation wizard's work on a document: the GIF built before the wizard opens (its
// colour count fills the second page), trial builds that the third page reports and plays, and
// the optimised file written on Finish.
#include "app/editor/preview_command.h"
#include "imaging/gif_animation.h"
#include "model/document.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace lw {

class ExtensionHost;

class OptimisationRun {
public:
    // Compiles the document and counts its colours; null when it shows nothing. Throws MemoryError.
    static std::unique_ptr<OptimisationRun> start(CLWDoc& doc, const ExtensionHost& host);

    int colourCount() const { return colourCount_; }
    // A fresh build optimised with that palette count; its encoded size.
    std::int64_t trial(int paletteCount);
    // The last trial decoded for the player (built again when it was played before).
    std::optional<GifPlayback> trialPlayback();
    // Optimises the GIF built at the start and writes it; the document then takes path as its
    // GIF file name. Throws FileError or MemoryError and then leaves the document as it was.
    void finish(int paletteCount, const std::string& path);

private:
    OptimisationRun(CLWDoc& doc, const ExtensionHost& host, std::unique_ptr<GifAnimation> gif);
    static void optimise(GifAnimation& gif, int paletteCount);

    CLWDoc& doc_;
    const ExtensionHost& host_;
    std::unique_ptr<GifAnimation> gif_;
    int colourCount_ = 0;
    int optimisedCount_ = 0; // the count gif_ was optimised with; 0 as built, -1 spoilt
    int trialCount_ = 0;
    std::unique_ptr<GifAnimation> trial_;
};

} // namespace lw
