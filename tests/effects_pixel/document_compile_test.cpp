// A document that uses every pixel-transition library, compiled by the animation compiler with
// the libraries of the build tree: the sequence has the expected images and the libraries' marks.
#include "engine/animation_compiler.h"
#include "pixel_effects_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

using lw::AnimationCompiler;
using lw::CFrame;
using lw::CLayerObject;
using lw::CRaster;
using lw::EffectAssignment;
using lwtest::builtHost;

constexpr std::uint32_t kWhite = 0x00FFFFFF;

struct Doc {
    lw::CAnimation animation;
    int left = 0, top = 0; // workspace position of the canvas' top-left pixel

    Doc()
    {
        animation.SetSize(120, 60);
        left = (1200 - 120) >> 1;
        top = (1200 - 60) >> 1;
    }
    CFrame& frame(int i) { return *animation.FrameAt(i); }

    // An opaque w x h object with its top-left at canvas pixel (x, y).
    CLayerObject& add(CFrame& frame, int x, int y, int w, int h, std::uint32_t colour)
    {
        auto object = std::make_unique<CLayerObject>();
        object->rect = lw::LayerRect{left + x, top + y, 0, 0};
        object->position = {left + x, top + y};
        object->ResizeImages(w, h);
        object->ownImage.FillRect(colour);
        object->type = lw::kTypeRectangle;
        return *frame.AppendObject(std::move(object));
    }
};

std::vector<const CRaster*> images(const lw::GeneratedFrame* head)
{
    std::vector<const CRaster*> out;
    for (; head; head = head->next.get())
        out.push_back(&head->image);
    return out;
}

bool samePixels(const CRaster& a, const CRaster& b)
{
    return a.width() == b.width() && a.height() == b.height() &&
           std::equal(a.pixels().begin(), a.pixels().end(), b.pixels().begin());
}

TEST(PixelTransitionsCompiled, DocumentUsingEveryLibrary)
{
    Doc doc;
    // Frame 0: object intros and outros of fade, smear and glintsweep; flash and laser animate.
    CFrame& first = doc.frame(0);
    first.delay = 30;
    CLayerObject& faded = doc.add(first, 5, 5, 10, 10, 0x00000000);
    faded.introEffect = EffectAssignment{21, 0, 0}; // Fade In, one step
    faded.outroEffect = EffectAssignment{22, 0, 0}; // Fade Out, one step
    CLayerObject& smeared = doc.add(first, 30, 5, 10, 10, 0x00FF0000);
    smeared.introEffect = EffectAssignment{5, 1, 0}; // Motion Blur In, two steps
    smeared.outroEffect = EffectAssignment{6, 1, 0}; // Motion Blur Out, two steps
    CLayerObject& shining = doc.add(first, 50, 5, 10, 10, 0x00404040);
    shining.introEffect = EffectAssignment{50, 0, 0}; // Blade Shine In, one step
    CLayerObject& flashing = doc.add(first, 70, 5, 10, 10, 0x000000FF);
    flashing.animationEffect = EffectAssignment{176, 0, 0}; // Flash, P = 1
    CLayerObject& lasered = doc.add(first, 90, 5, 20, 10, 0x00008000);
    lasered.animationEffect = EffectAssignment{272, 0, 0}; // Laser Beam, red

    // Frame 1: enters with Blow In, its object leaves as sand keeping the original, and the
    // frame leaves with a green laser.
    CFrame& second = *doc.animation.AppendFrame();
    second.delay = 70;
    second.introEffect = EffectAssignment{310, 1, 0};
    second.outroEffect = EffectAssignment{271, 1, 0xFF00FF};
    CLayerObject& sand = doc.add(second, 40, 20, 20, 20, 0x00FF00FF);
    sand.outroEffect = EffectAssignment{314, 1, 1};

    // Frame 2: "Blow" as a frame animation with a single step draws the frame unchanged.
    CFrame& third = *doc.animation.AppendFrame();
    third.delay = 10;
    third.animationEffect = EffectAssignment{312, 0, 0};
    doc.add(third, 0, 0, 8, 8, 0x00123456);

    doc.animation.RenderAllFrames();
    const AnimationCompiler compiler(builtHost());
    compiler.compile(doc.animation);

    // Frame 0: fade and blade use one step, smear two: three intro images.
    const auto intro = images(first.introFrames.get());
    ASSERT_EQ(intro.size(), 3u);
    EXPECT_EQ(intro[0]->GetPixel(10, 10), kWhite);             // s = -3: nobody with an intro yet
    EXPECT_EQ(intro[2]->GetPixel(10, 10), 0x007F7F7Fu);        // Fade In at N = 1: black at opacity 128
    EXPECT_EQ(intro[2]->GetPixel(27, 10) >> 16 & 0xFF, 0xFFu); // the smear's last step, 3 left of home
    EXPECT_NE(intro[2]->GetPixel(27, 10), kWhite);
    EXPECT_EQ(intro[2]->GetPixel(74, 10), 0x000000FFu); // no intro: drawn plainly

    // Three animation images (delay 30): flash at speed 0 leaves the object unchanged in each.
    const auto animation = images(first.animationFrames.get());
    ASSERT_EQ(animation.size(), 3u);
    for (const auto* image : animation)
        EXPECT_EQ(image->GetPixel(74, 10), 0x000000FFu);
    // The laser starts on the object's first column and its beam reaches the canvas bottom.
    EXPECT_EQ(animation[0]->GetPixel(90, 59), 0x00FF0000u);
    EXPECT_EQ(animation[0]->GetPixel(89, 59), kWhite);

    // Outros: fade one step, smear two: three images, the last without either object.
    const auto outro = images(first.outroFrames.get());
    ASSERT_EQ(outro.size(), 3u);
    EXPECT_EQ(outro[0]->GetPixel(10, 10), 0x007F7F7Fu);
    EXPECT_EQ(outro[1]->GetPixel(10, 10), kWhite);
    EXPECT_EQ(outro[2]->GetPixel(35, 10), kWhite);

    // Frame 1: two Blow In steps, three sand images with the original kept, two laser steps.
    const auto enter = images(second.enterFrames.get());
    ASSERT_EQ(enter.size(), 2u);
    const auto sandOut = images(second.outroFrames.get());
    ASSERT_EQ(sandOut.size(), 3u);
    EXPECT_EQ(sandOut[0]->GetPixel(50, 30), 0x00FF00FFu);
    EXPECT_EQ(sandOut[2]->GetPixel(50, 30), kWhite);
    const auto leave = images(second.leaveFrames.get());
    ASSERT_EQ(leave.size(), 2u);
    int green = 0;
    for (int x = 0; x < 120; ++x)
        green += leave[0]->GetPixel(x, 59) == 0x0000FF00u;
    EXPECT_EQ(green, 1) << "one beam column";

    // Frame 2: the single "Blow" step is the frame itself.
    const auto blown = images(third.animationFrames.get());
    ASSERT_EQ(blown.size(), 1u);
    EXPECT_TRUE(samePixels(*blown[0], third.image));

    // The whole sequence: 3 + 3 + 3 for frame 0, 2 + 1 + 3 + 2 for frame 1, 1 for frame 2.
    lw::FrameSequence sequence = compiler.buildSequence(doc.animation);
    int entries = 0;
    sequence.reset();
    while (const lw::SequenceFrame* f = sequence.next()) {
        EXPECT_EQ(f->delay, entries == 9 + 2 ? 70 : 10) << entries;
        ++entries;
    }
    EXPECT_EQ(entries, 18);
}

} // namespace
