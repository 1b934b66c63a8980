#include "imaging/frame_sequence.h"

#include <gtest/gtest.h>
#include <vector>

using namespace lw;

namespace {

std::vector<const CRaster*> iterate(FrameSequence& seq)
{
    std::vector<const CRaster*> images;
    seq.reset();
    while (SequenceFrame* f = seq.next())
        images.push_back(f->image);
    return images;
}

} // namespace

TEST(FrameSequence, KeepsHeaderValues)
{
    FrameSequence seq(468, 60, 0, "http://example.org/");
    EXPECT_EQ(seq.width, 468);
    EXPECT_EQ(seq.height, 60);
    EXPECT_EQ(seq.loopCount, 0);
    EXPECT_EQ(seq.reserved, 0);
    EXPECT_EQ(seq.linkText, "http://example.org/");
    EXPECT_TRUE(seq.empty());
    EXPECT_EQ(seq.next(), nullptr);
}

TEST(FrameSequence, AppendKeepsOrderAndRaisesShortDelays)
{
    CRaster a(1, 1), b(2, 2), c(3, 3);
    FrameSequence seq(10, 10, 1, "");
    seq.append(&a, 0);
    seq.append(&b, 9, 7, 8);
    seq.append(&c, 250);
    ASSERT_EQ(seq.size(), 3u);
    const SequenceFrame* f = seq.first();
    EXPECT_EQ(f->image, &a);
    EXPECT_EQ(f->delay, 10);
    f = f->next.get();
    EXPECT_EQ(f->image, &b);
    EXPECT_EQ(f->delay, 10);
    EXPECT_EQ(f->value1, 7);
    EXPECT_EQ(f->value2, 8);
    f = f->next.get();
    EXPECT_EQ(f->delay, 250);
    EXPECT_EQ(f->next, nullptr);
    EXPECT_EQ(seq.totalDelay(), 270);
    EXPECT_EQ(iterate(seq), (std::vector<const CRaster*>{&a, &b, &c}));
}

TEST(FrameSequence, NegativeDelayBecomesTheMinimum)
{
    FrameSequence seq;
    seq.append(nullptr, -5);
    EXPECT_EQ(seq.first()->delay, 10);
}

TEST(FrameSequence, CursorAfterAppendSitsOnTheFirstEntry)
{
    CRaster a, b, c;
    FrameSequence seq;
    seq.append(&a, 10);
    seq.append(&b, 10);
    seq.append(&c, 10);
    // Without a reset, iteration continues after the first entry.
    EXPECT_EQ(seq.next()->image, &b);
    EXPECT_EQ(seq.next()->image, &c);
    EXPECT_EQ(seq.next(), nullptr);
    seq.reset();
    EXPECT_EQ(seq.next()->image, &a);
}

TEST(FrameSequence, NextPastTheEndStartsOverOnlyAfterReset)
{
    CRaster a;
    FrameSequence seq;
    seq.append(&a, 10);
    seq.reset();
    EXPECT_EQ(seq.next()->image, &a);
    EXPECT_EQ(seq.next(), nullptr);
    // Past the end the cursor is gone, so next starts at the head again.
    EXPECT_EQ(seq.next()->image, &a);
}

TEST(FrameSequence, DeleteLeavesImagesAlive)
{
    CRaster image(2, 2);
    image.FillRect(0x00ABCDEF);
    {
        FrameSequence seq;
        for (int i = 0; i < 100000; ++i)
            seq.append(&image, 10);
        EXPECT_EQ(seq.size(), 100000u);
    }
    EXPECT_EQ(image.GetPixel(1, 1), 0x00ABCDEFu);
}

TEST(FrameSequence, MoveTransfersEntriesAndCursor)
{
    CRaster a, b;
    FrameSequence seq(5, 6, 2, "x");
    seq.append(&a, 10);
    seq.append(&b, 20);
    FrameSequence moved(std::move(seq));
    EXPECT_EQ(moved.size(), 2u);
    EXPECT_EQ(moved.next()->image, &b);
    EXPECT_TRUE(seq.empty());
    seq.append(&a, 30); // the moved-from sequence is still usable
    EXPECT_EQ(seq.first()->delay, 30);
    moved = std::move(seq);
    EXPECT_EQ(moved.size(), 1u);
    EXPECT_EQ(moved.first()->image, &a);
}
