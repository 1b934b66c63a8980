// A document that uses every library of this set, compiled by the animation compiler with the
// built libraries loaded: the order, delays and pixels of the resulting images.
#include "motion_effects_support.h"

#include "model/animation.h"
#include "model/frame.h"
#include "model/layer_object.h"
#include "engine/animation_compiler.h"
#include "extensions/glide/glide_param.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

using lw::CFrame;
using lw::CLayerObject;
using lw::CRaster;

// A 40 x 20 canvas, centred in the workspace: canvas pixel (0, 0) is workspace (580, 590).
constexpr int kLeft = 580, kTop = 590;
constexpr std::uint32_t kWhite = 0x00FFFFFF;
constexpr std::uint32_t kRed = 0x00FF0000, kGreen = 0x0000FF00, kBlue = 0x000000FF, kMagenta = 0x00FF00FF;

CLayerObject& addObject(CFrame& frame, int x, int y, int w, int h, std::uint32_t colour)
{
    auto object = std::make_unique<CLayerObject>();
    object->rect = lw::LayerRect{kLeft + x, kTop + y, 0, 0};
    object->position = {kLeft + x, kTop + y};
    object->ResizeImages(w, h);
    object->ownImage.FillRect(colour);
    object->type = lw::kTypeRectangle;
    return *frame.AppendObject(std::move(object));
}

struct Entry {
    const CRaster* image;
    int delay;
};

std::vector<Entry> entries(lw::FrameSequence& sequence)
{
    std::vector<Entry> out;
    sequence.reset();
    while (const lw::SequenceFrame* f = sequence.next())
        out.push_back({f->image, f->delay});
    return out;
}

bool isBlue(std::uint32_t p)
{
    return ((p >> 16) & 0xFF) <= 5 && ((p >> 8) & 0xFF) <= 5 && (p & 0xFF) >= 250;
}

class DocumentSequence : public ::testing::Test {
protected:
    void SetUp() override
    {
        animation.SetSize(40, 20);
        CFrame& first = *animation.FrameAt(0);
        // Frame 0: a fly-in that squeezes out, and a peek from below.
        CLayerObject& flying = addObject(first, 2, 2, 4, 4, kRed);
        flying.introEffect = {1, 1, 0};                                // "Fly From Left", 2 steps
        flying.outroEffect = {35, 0, 0};                               // "Squeeze To Left", 1 step
        addObject(first, 20, 2, 4, 4, kBlue).introEffect = {42, 0, 0}; // "Peek From Bottom"

        // Frame 1: animation effects over 4 steps.
        CFrame& second = *animation.AppendFrame();
        second.delay = 40;
        addObject(second, 0, 0, 4, 4, kRed).animationEffect = {129, 0, 0};     // "Blink"
        addObject(second, 6, 5, 10, 10, kGreen).animationEffect = {128, 0, 0}; // "Popup"
        CLayerObject& marquee = addObject(second, 20, 0, 8, 2, kBlue);
        marquee.ownImage.FillRect(kRed, lw::RasterRect{0, 0, 4, 2}); // left half red
        marquee.animationEffect = {201, 0, 0};                       // "Marquee" left
        addObject(second, 30, 0, 2, 2, kMagenta).animationEffect = {166, 1, lw::glide::encodeDelta(4, 0)};
        addObject(second, 22, 10, 6, 2, kBlue).animationEffect = {53, 0, 0}; // "Rotate"

        // Frame 2: enters with a half turn of the whole canvas.
        CFrame& third = *animation.AppendFrame();
        third.delay = 50;
        third.introEffect = {51, 0, 0}; // "Rotate In", 1 step
        addObject(third, 0, 0, 4, 4, kGreen);

        animation.RenderAllFrames();
        const lw::AnimationCompiler compiler(host());
        compiler.compile(animation);
        sequence = compiler.buildSequence(animation);
        list = entries(sequence);
    }

    static const lw::ExtensionHost& host()
    {
        return lwtest::hostWithLibraries(
            {"fly", "stretch", "peek", "glide", "rotate", "blink", "popup", "marquee"});
    }

    std::uint32_t at(std::size_t entry, int x, int y) const { return list.at(entry).image->GetPixel(x, y); }

    lw::CAnimation animation;
    lw::FrameSequence sequence;
    std::vector<Entry> list;
};

TEST_F(DocumentSequence, ImagesComeInDisplayOrderWithTheirDelays)
{
    std::vector<int> delays;
    for (const Entry& e : list)
        delays.push_back(e.delay);
    // Frame 0: 3 intro images, the frame, 2 outro images; frame 1: 4 animation images;
    // frame 2: 1 entering image and the frame.
    EXPECT_EQ(delays, (std::vector<int>{10, 10, 10, 100, 10, 10, 10, 10, 10, 10, 10, 50}));
    ASSERT_EQ(list.size(), 12u);
    EXPECT_EQ(list[3].image, &animation.FrameAt(0)->image);
    EXPECT_EQ(list[11].image, &animation.FrameAt(2)->image);
}

TEST_F(DocumentSequence, FlyAndPeekEnterStretchSqueezesOut)
{
    ASSERT_EQ(list.size(), 12u);
    // s = -3: neither object yet.
    EXPECT_EQ(at(0, 0, 2), kWhite);
    EXPECT_EQ(at(0, 20, 4), kWhite);
    // Fly: 6 pixels to the canvas's left side in 3 parts, a step of 2: left -4 then -2.
    EXPECT_EQ(at(1, 0, 2), kRed);
    EXPECT_EQ(at(1, 1, 5), kRed);
    EXPECT_EQ(at(1, 2, 2), kWhite);
    EXPECT_EQ(at(2, 3, 2), kRed);
    EXPECT_EQ(at(2, 4, 2), kWhite);
    // Peek at its only step: shifted down by 2, its lower half hidden.
    EXPECT_EQ(at(1, 20, 4), kWhite);
    EXPECT_EQ(at(2, 20, 2), kWhite);
    EXPECT_EQ(at(2, 20, 4), kBlue);
    EXPECT_EQ(at(2, 23, 5), kBlue);
    EXPECT_EQ(at(2, 20, 6), kWhite);
    // The frame image: both at home.
    EXPECT_EQ(at(3, 2, 2), kRed);
    EXPECT_EQ(at(3, 5, 5), kRed);
    EXPECT_EQ(at(3, 20, 2), kBlue);
    // Squeeze: half the width at the only step, then gone; the peeked object stays.
    EXPECT_EQ(at(4, 3, 2), kRed);
    EXPECT_EQ(at(4, 4, 2), kWhite);
    EXPECT_EQ(at(5, 2, 2), kWhite);
    EXPECT_EQ(at(5, 20, 2), kBlue);
}

TEST_F(DocumentSequence, AnimationEffectsStepThroughTheFrame)
{
    ASSERT_EQ(list.size(), 12u);
    // Blink at speed 0: visible at steps 0 and 2.
    EXPECT_EQ(at(6, 0, 0), kRed);
    EXPECT_EQ(at(7, 0, 0), kWhite);
    EXPECT_EQ(at(8, 0, 0), kRed);
    EXPECT_EQ(at(9, 0, 0), kWhite);
    // Popup: step 1 grows by a tenth (1 pixel) on every side.
    EXPECT_EQ(at(6, 5, 4), kWhite);
    EXPECT_EQ(at(6, 6, 5), kGreen);
    EXPECT_EQ(at(7, 5, 4), kGreen);
    EXPECT_EQ(at(7, 16, 15), kGreen);
    // Marquee to the left: half its width per step, so the blue half shows at steps 1 and 3.
    EXPECT_EQ(at(6, 20, 0), kRed);
    EXPECT_EQ(at(7, 20, 0), kBlue);
    EXPECT_EQ(at(7, 24, 1), kRed);
    EXPECT_EQ(at(8, 20, 0), kRed);
    // Move By at speed 1 with (4, 0): 0 %, 50 %, 100 %, 50 %.
    EXPECT_EQ(at(6, 30, 0), kMagenta);
    EXPECT_EQ(at(7, 32, 0), kMagenta);
    EXPECT_EQ(at(7, 31, 0), kWhite);
    EXPECT_EQ(at(8, 34, 0), kMagenta);
    EXPECT_EQ(at(8, 33, 0), kWhite);
    EXPECT_EQ(at(9, 32, 0), kMagenta);
    // Rotate: unchanged at step 0, upright at 90 degrees in step 1.
    EXPECT_EQ(at(6, 22, 10), kBlue);
    EXPECT_EQ(at(6, 25, 9), kWhite);
    EXPECT_TRUE(isBlue(at(7, 25, 9))) << std::hex << at(7, 25, 9);
    EXPECT_EQ(at(7, 22, 10), kWhite);
}

TEST_F(DocumentSequence, FrameEntersWithAHalfTurnOverThePreviousFrame)
{
    ASSERT_EQ(list.size(), 12u);
    // The turned frame covers the canvas; its green corner is now bottom right.
    const std::uint32_t corner = at(10, 38, 18);
    EXPECT_TRUE(((corner >> 8) & 0xFF) >= 250 && ((corner >> 16) & 0xFF) <= 5 && (corner & 0xFF) <= 5)
        << std::hex << corner;
    // Inside, frame 2's white covers frame 1's blinking red object ...
    const std::uint32_t inside = at(10, 2, 2);
    EXPECT_TRUE(((inside >> 8) & 0xFF) >= 250 && (inside & 0xFF) >= 250) << std::hex << inside;
    // ... while on the outermost row the filter reaches past the turned image and lets it through.
    EXPECT_NE(at(10, 0, 0), kWhite);
    EXPECT_EQ(at(11, 1, 1), kGreen);
}

} // namespace
