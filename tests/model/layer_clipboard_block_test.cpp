#include "model/lwd/layer_clipboard_block.h"
#include "platform/errors.h"

#include <gtest/gtest.h>

using namespace lw;

namespace {

std::uint32_t u32At(const std::vector<std::uint8_t>& b, std::size_t at)
{
    return static_cast<std::uint32_t>(b[at]) | static_cast<std::uint32_t>(b[at + 1]) << 8 |
           static_cast<std::uint32_t>(b[at + 2]) << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

} // namespace

TEST(LayerClipboardBlock, TableOfOffsetsThenRecordsBackToBack)
{
    const std::vector<std::vector<std::uint8_t>> records = {{1, 2, 3}, {4, 5}};
    const auto block = buildLayerClipboardBlock(records);
    ASSERT_EQ(block.size(), 12u + 5u);
    EXPECT_EQ(u32At(block, 0), 12u);
    EXPECT_EQ(u32At(block, 4), 15u);
    EXPECT_EQ(u32At(block, 8), 0u);
    EXPECT_EQ(block[12], 1);
    EXPECT_EQ(block[15], 4);
    const auto spans = layerClipboardRecords(block);
    ASSERT_EQ(spans.size(), 2u);
    EXPECT_EQ(spans[0].data(), block.data() + 12);
    EXPECT_EQ(spans[1].data(), block.data() + 15);
    EXPECT_EQ(spans[1].size(), 2u);
}

TEST(LayerClipboardBlock, NothingToCopyGivesNoBlock)
{
    EXPECT_TRUE(buildLayerClipboardBlock({}).empty());
}

TEST(LayerClipboardBlock, OffsetsMustPointInsideTheBlock)
{
    auto expectBad = [](std::vector<std::uint8_t> block, const char* what) {
        EXPECT_THROW(layerClipboardRecords(block), ArchiveError) << what;
    };
    expectBad({}, "empty");
    expectBad({12, 0, 0}, "table cut short");
    expectBad({8, 0, 0, 0, 1, 0, 0, 0}, "no terminator");
    expectBad({12, 0, 0, 0, 0, 0, 0, 0, 9, 9, 9, 9}, "offset at the end");
    expectBad({4, 0, 0, 0, 0, 0, 0, 0, 9}, "offset into the table");
    expectBad({0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0}, "offset far past the end");
    EXPECT_TRUE(layerClipboardRecords(std::vector<std::uint8_t>{0, 0, 0, 0}).empty());
}
