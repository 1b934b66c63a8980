// The stream compiles frame by frame, yet once complete it yields what compile and
// buildSequence yield: for every range, entry by entry the same pixels and delays, and the
// frames' own images as the same frames. It compiles no more than the first frame needs before
// the first image.
#include "engine/animation_compiler.h"
#include "engine/sequence_stream.h"
#include "engine_test_support.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

using namespace lw;

constexpr int kLeft = 580, kTop = 590; // top-left pixel of the 40 × 20 canvas
constexpr std::int32_t kRender = PROBE_RESULT(0);
constexpr std::int32_t kMoved = PROBE_RESULT(LWX_DRAW_MOVED) | PROBE_CURRENT(PROBE_MOVE);

struct Shown {
    std::vector<std::uint32_t> pixels;
    std::int32_t delay = 0;
    int frameImage = -1; // which frame's finished image, -1 for a generated one
    bool operator==(const Shown&) const = default;
};

CLayerObject& addObject(CFrame& frame, int x, int y, std::uint32_t colour)
{
    auto object = std::make_unique<CLayerObject>();
    object->rect = LayerRect{kLeft + x, kTop + y, 0, 0};
    object->position = {kLeft + x, kTop + y};
    object->ResizeImages(6, 5);
    object->ownImage.FillRect(colour);
    object->ownImage.FillRect(colour | 0x80000000u, RasterRect{0, 0, 3, 2}); // half transparent corner
    return *frame.AppendObject(std::move(object));
}

std::vector<Shown> shown(const CAnimation& animation, const FrameSequence& sequence)
{
    std::vector<Shown> out;
    for (const SequenceFrame* e = sequence.first(); e; e = e->next.get()) {
        Shown s{{e->image->pixels().begin(), e->image->pixels().end()}, e->delay, -1};
        int k = 0;
        for (const CFrame* f = animation.firstFrame.get(); f; f = f->next.get(), ++k)
            if (e->image == &f->image)
                s.frameImage = k;
        out.push_back(std::move(s));
    }
    return out;
}

int generatedImages(const CFrame& f)
{
    return generatedChainLength(f.introFrames.get()) + generatedChainLength(f.animationFrames.get()) +
           generatedChainLength(f.outroFrames.get()) + generatedChainLength(f.enterFrames.get()) +
           generatedChainLength(f.leaveFrames.get());
}

} // namespace

TEST(SequenceStream, YieldsTheEagerSequenceForEveryRangeCompilingOnlyWhatTheFirstFrameNeeds)
{
    CAnimation animation;
    animation.SetSize(40, 20);
    animation.loopCount = 3;
    // 0: master frame with an object outro, the backdrop of frame 2 and the neighbour of 1 and 4.
    CFrame& master = *animation.firstFrame;
    master.masterFrame = 1;
    master.backgroundColour = 0x00336699;
    addObject(master, 1, 1, 0x00112233).outroEffect = {PROBE_OUTRO, 1, kRender};
    // 1: object intros of two speeds and an outro, entered and left by frame transitions.
    CFrame& first = *animation.AppendFrame();
    first.borderWidth = 2;
    first.borderColour = 0x000000FF;
    addObject(first, 4, 3, 0x00445566).introEffect = {PROBE_INTRO, 1, kRender};
    addObject(first, 8, 6, 0x00778899).introEffect = {PROBE_INTRO, 2, kMoved};
    addObject(first, 20, 10, 0x00AABBCC).outroEffect = {PROBE_OUTRO, 1, kMoved};
    first.introEffect = {PROBE_INTRO, 1, kMoved};
    first.outroEffect = {PROBE_OUTRO, 0, kMoved};
    // 2: on the master frame, an object animation and the frame's own, delay 35 (3 steps).
    CFrame& second = *animation.AppendFrame();
    second.SetBackgroundFrame(&master);
    second.delay = 35;
    addObject(second, 12, 2, 0x00DDEEFF).animationEffect = {PROBE_ANIMATION, 0, kMoved};
    second.animationEffect = {PROBE_ANIMATION, 0, kMoved};
    // 3: plain, delay 7; 4: object intro and a frame outro that wraps into the master frame.
    animation.AppendFrame()->delay = 7;
    CFrame& last = *animation.AppendFrame();
    addObject(last, 30, 12, 0x00123456).introEffect = {PROBE_INTRO, 0, kRender};
    last.outroEffect = {PROBE_OUTRO, 1, kMoved};

    const AnimationCompiler compiler(lwtest::testHost());
    struct Range {
        const CFrame* single;
        const CFrame* start;
        std::vector<int> untouched; // frames the first frame shown needs nothing from
    };
    // Frame 1 starts from the master frame's last outro image and leaves into frame 2's first
    // intro image; frame 4 leaves into the master frame.
    const Range ranges[] = {{nullptr, nullptr, {3, 4}},
                            {nullptr, &second, {0, 1, 3, 4}},
                            {&last, nullptr, {1, 2, 3}},
                            {&master, nullptr, {1, 2, 3, 4}}};
    for (const Range& range : ranges) {
        animation.RenderAllFrames();
        compiler.compile(animation);
        const std::vector<Shown> eager =
            shown(animation, compiler.buildSequence(animation, range.single, range.start));

        animation.RenderAllFrames();
        SequenceStream stream(compiler, animation, range.single, range.start);
        ASSERT_TRUE(stream.extend());
        const std::vector<Shown> firstFrame = shown(animation, stream.sequence());
        ASSERT_LE(firstFrame.size(), eager.size());
        EXPECT_TRUE(std::equal(firstFrame.begin(), firstFrame.end(), eager.begin()));
        for (const int k : range.untouched)
            EXPECT_EQ(generatedImages(*animation.FrameAt(k)), 0) << "frame " << k;
        while (stream.extend()) {
        }
        EXPECT_TRUE(stream.complete());
        EXPECT_EQ(shown(animation, stream.sequence()), eager);
        EXPECT_EQ(stream.sequence().loopCount, range.single ? 0 : 3);
        EXPECT_GT(eager.size(), range.single ? 1u : 12u);
    }
}
