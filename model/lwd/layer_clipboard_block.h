#pragma once
// The clipboard block of layer objects ("Loopwright Clipboard Format"): a table of uint32
// offsets from the block start, one per object bottom to top, ended by 0, then the object
// records back to back in the same order.
#include <cstdint>
#include <span>
#include <vector>

namespace lw {

using LayerClipboardBlock = std::vector<std::uint8_t>;

// Builds a block from records in bottom-to-top order; no records give an empty block.
LayerClipboardBlock buildLayerClipboardBlock(const std::vector<std::vector<std::uint8_t>>& records);

// The records a block names, each from its offset to the end of the block (every record reader
// checks its own length). Raises ArchiveError when the table is not terminated inside the block
// or an offset points into the table or past the end.
std::vector<std::span<const std::uint8_t>> layerClipboardRecords(std::span<const std::uint8_t> block);

} // namespace lw
