// Feeds arbitrary bytes through the whole GIF import path: Read, DecodeFrames, FramesToRasters
// and ToAnimation must refuse or succeed, never read outside the data or allocate without bound.
#include "filters/scripted_ui_port.h"
#include "imaging/gif_animation.h"
#include "platform/errors.h"

#include <cstdint>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    lw::GifAnimation gif;
    // Small limits keep every run quick; the checks are the same as with the defaults.
    gif.maxFramePixels = 1 << 20;
    gif.maxTotalPixels = 1 << 22;
    lw::ScriptedUiPort ui;
    if (!gif.Read(std::span<const std::uint8_t>(data, size), ui))
        return 0;
    gif.DecodeFrames();
    gif.FramesToRasters();
    gif.EstimateSize();
    try {
        const auto sequence = gif.ToAnimation();
        sequence->reset();
        while (sequence->next()) {
        }
    } catch (const lw::MemoryError&) {
        // A screen too large for the budget is refused.
    }
    return 0;
}
