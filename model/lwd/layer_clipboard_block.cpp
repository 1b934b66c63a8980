#include "model/lwd/layer_clipboard_block.h"

#include "platform/errors.h"

namespace lw {
namespace {

std::uint32_t readUint32(std::span<const std::uint8_t> block, std::size_t at)
{
    return static_cast<std::uint32_t>(block[at]) | static_cast<std::uint32_t>(block[at + 1]) << 8 |
           static_cast<std::uint32_t>(block[at + 2]) << 16 | static_cast<std::uint32_t>(block[at + 3]) << 24;
}

void writeUint32(std::vector<std::uint8_t>& block, std::size_t at, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        block[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
}

[[noreturn]] void badBlock(const char* why)
{
    throw ArchiveError(ArchiveError::Kind::BadFormat, std::string("Bad clipboard block: ") + why);
}

} // namespace

LayerClipboardBlock buildLayerClipboardBlock(const std::vector<std::vector<std::uint8_t>>& records)
{
    if (records.empty())
        return {};
    // The zero-filled table has room for every offset and the terminating 0.
    LayerClipboardBlock block((records.size() + 1) * 4, 0);
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (block.size() > 0xFFFFFFFFu)
            throw MemoryError("Clipboard block too large");
        writeUint32(block, i * 4, static_cast<std::uint32_t>(block.size()));
        block.insert(block.end(), records[i].begin(), records[i].end());
    }
    return block;
}

std::vector<std::span<const std::uint8_t>> layerClipboardRecords(std::span<const std::uint8_t> block)
{
    std::vector<std::uint32_t> offsets;
    std::size_t at = 0;
    for (;;) {
        if (block.size() < at + 4)
            badBlock("offset table not terminated");
        const std::uint32_t offset = readUint32(block, at);
        at += 4;
        if (offset == 0)
            break;
        offsets.push_back(offset);
    }
    const std::size_t tableEnd = at;
    std::vector<std::span<const std::uint8_t>> records;
    records.reserve(offsets.size());
    for (std::uint32_t offset : offsets) {
        if (offset < tableEnd || offset >= block.size())
            badBlock("record offset outside the block");
        records.push_back(block.subspan(offset));
    }
    return records;
}

} // namespace lw
