// Feeds arbitrary bytes to the clipboard paste: offsets must stay inside the block, and every
// record it names must be refused or pasted safely.
#include "model/layer_clipboard.h"
#include "model/layer_list.h"
#include "fuzz_gui_app.h"
#include "platform/errors.h"

#include <cstdint>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ensureFuzzGuiApp();
    lw::CLayerList list;
    try {
        if (lw::PasteBlock(list, std::span<const std::uint8_t>(data, size)) > 0)
            (void)lw::CopySelectedToBlock(list);
    } catch (const lw::ArchiveError&) {
    }
    return 0;
}
