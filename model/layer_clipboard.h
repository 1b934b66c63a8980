#pragma once
// Copying the selected layers of a list to a clipboard block and pasting a block into a list.
#include "model/layer_list.h"
#include "model/lwd/layer_clipboard_block.h"
#include "platform/ui_port.h"

#include <span>

namespace lw {

// The selected objects' records bottom to top; empty (no block) when nothing is selected. A
// clone goes as a bitmap of what it shows: a block cannot name its source.
LayerClipboardBlock CopySelectedToBlock(const CLayerList& list);

// Appends every object of the block on top, selected, and returns how many. Clone records are
// skipped (they have no source to show). The whole block is read before anything is appended:
// a bad block raises ArchiveError and leaves the list as it was.
// Pasted labels report a failed rendering to `messages`.
int PasteBlock(CLayerList& list, std::span<const std::uint8_t> block, UiPort* messages = nullptr);

} // namespace lw
