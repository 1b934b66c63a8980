#include "engine/animation_compiler.h"
#include "engine_test_support.h"
#include "platform/errors.h"

#include <gtest/gtest.h>

using lw::AnimationCompiler;
using lw::CAnimation;
using lw::CFrame;
using lw::CLayerObject;
using lw::CRaster;
using lw::EffectAssignment;
using lw::GeneratedFrame;
using lwtest::testHost;

namespace {

// A 40 x 20 canvas; workspace (580, 590) is its top-left pixel.
constexpr int kLeft = 580, kTop = 590;
constexpr std::uint32_t kWhiteFrame = 0xFFFFFF; // frame colours are 0x00BBGGRR
constexpr std::uint32_t kWhite = 0x00FFFFFF;
constexpr std::int32_t kRender = PROBE_RESULT(0);
constexpr std::int32_t kHide = PROBE_RESULT(0xFF);
constexpr std::int32_t kInPlace = PROBE_RESULT(1);

struct Doc {
    CAnimation animation;
    Doc() { animation.SetSize(40, 20); }
    CFrame& frame(int i) { return *animation.FrameAt(i); }
    CFrame& append() { return *animation.AppendFrame(); }
    void compile()
    {
        animation.RenderAllFrames();
        AnimationCompiler(testHost()).compile(animation);
    }
    lw::FrameSequence sequence(const CFrame* single = nullptr, const CFrame* start = nullptr)
    {
        return AnimationCompiler(testHost()).buildSequence(animation, single, start);
    }
};

// A 4 x 4 opaque object with its top-left at canvas pixel (x, y).
CLayerObject& addObject(CFrame& frame, int x, int y, std::uint32_t colour)
{
    auto object = std::make_unique<CLayerObject>();
    object->rect = lw::LayerRect{kLeft + x, kTop + y, 0, 0};
    object->position = {kLeft + x, kTop + y};
    object->ResizeImages(4, 4);
    object->ownImage.FillRect(colour);
    object->type = lw::kTypeRectangle;
    return *frame.AppendObject(std::move(object));
}

EffectAssignment effect(std::int32_t id, std::int32_t speed, std::int32_t param = kRender)
{
    return EffectAssignment{id, speed, param};
}

std::vector<const CRaster*> images(const GeneratedFrame* head)
{
    std::vector<const CRaster*> out;
    for (; head; head = head->next.get())
        out.push_back(&head->image);
    return out;
}

struct Entry {
    const CRaster* image;
    std::int32_t delay;
};

std::vector<Entry> entries(lw::FrameSequence& sequence)
{
    std::vector<Entry> out;
    sequence.reset();
    while (const lw::SequenceFrame* f = sequence.next()) {
        EXPECT_EQ(f->value1, 0);
        EXPECT_EQ(f->value2, 0);
        out.push_back(Entry{f->image, f->delay});
    }
    return out;
}

bool samePixels(const CRaster& a, const CRaster& b)
{
    return a.width() == b.width() && a.height() == b.height() &&
           std::equal(a.pixels().begin(), a.pixels().end(), b.pixels().begin());
}

} // namespace

TEST(AnimationCompiler, FrameWithoutEffectsGivesOneEntryWithItsDelay)
{
    Doc doc;
    addObject(doc.frame(0), 2, 2, 0x00FF0000);
    doc.frame(0).delay = 37;
    doc.compile();
    auto sequence = doc.sequence();
    auto list = entries(sequence);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].image, &doc.frame(0).image);
    EXPECT_EQ(list[0].delay, 37);
    EXPECT_EQ(sequence.width, 40);
    EXPECT_EQ(sequence.height, 20);
    EXPECT_FALSE(AnimationCompiler::producesAnimation(doc.animation));

    doc.frame(0).delay = 3;
    doc.compile();
    auto shortSequence = doc.sequence();
    EXPECT_EQ(entries(shortSequence)[0].delay, 10);
}

TEST(AnimationCompiler, UltraFastIntroGivesTwoImagesTheFirstWithoutTheObject)
{
    Doc doc;
    CLayerObject& object = addObject(doc.frame(0), 2, 3, 0x00FF0000);
    object.introEffect = effect(PROBE_INTRO, 0);
    doc.compile();
    const auto intro = images(doc.frame(0).introFrames.get());
    ASSERT_EQ(intro.size(), 2u);
    EXPECT_EQ(intro[0]->GetPixel(3, 4), kWhite);
    EXPECT_EQ(intro[1]->GetPixel(3, 4), PROBE_COLOUR(-1, -1));
    EXPECT_EQ(intro[1]->GetPixel(5, 6), PROBE_COLOUR(-1, -1)); // all 4 x 4
    EXPECT_EQ(intro[1]->GetPixel(6, 4), kWhite);

    auto sequence = doc.sequence();
    const auto list = entries(sequence);
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0].image, intro[0]);
    EXPECT_EQ(list[1].image, intro[1]);
    EXPECT_EQ(list[1].delay, 10);
    EXPECT_EQ(list[2].image, &doc.frame(0).image);
    EXPECT_EQ(list[2].delay, 100);
    EXPECT_TRUE(AnimationCompiler::producesAnimation(doc.animation));
}

TEST(AnimationCompiler, IntroSpeedsOneAndThreeTogether)
{
    Doc doc;
    CLayerObject& fast = addObject(doc.frame(0), 0, 0, 0x00FF0000);
    CLayerObject& medium = addObject(doc.frame(0), 10, 0, 0x0000FF00);
    fast.introEffect = effect(PROBE_INTRO, 1);
    medium.introEffect = effect(PROBE_INTRO, 3);
    EXPECT_EQ(AnimationCompiler::objectIntroSteps(doc.frame(0)), 8);
    doc.compile();
    const auto intro = images(doc.frame(0).introFrames.get());
    ASSERT_EQ(intro.size(), 9u);
    for (int k = 0; k < 9; ++k) {
        const int s = k - 9;
        EXPECT_EQ(intro[k]->GetPixel(1, 1), s >= -2 ? PROBE_COLOUR(s, -2) : kWhite) << "s " << s;
        EXPECT_EQ(intro[k]->GetPixel(11, 1), s >= -8 ? PROBE_COLOUR(s, -8) : kWhite) << "s " << s;
    }
}

TEST(AnimationCompiler, OutroOnlyObjectIsDrawnPlainlyInIntroAndAnimationImages)
{
    Doc doc;
    CLayerObject& entering = addObject(doc.frame(0), 0, 0, 0x00FF0000);
    CLayerObject& leaving = addObject(doc.frame(0), 10, 0, 0x0000FF00);
    entering.introEffect = effect(PROBE_INTRO, 2);
    entering.animationEffect = effect(PROBE_ANIMATION, 2);
    leaving.outroEffect = effect(PROBE_OUTRO, 1);
    doc.frame(0).delay = 30;
    doc.compile();
    const auto intro = images(doc.frame(0).introFrames.get());
    const auto animation = images(doc.frame(0).animationFrames.get());
    const auto outro = images(doc.frame(0).outroFrames.get());
    ASSERT_EQ(intro.size(), 5u);
    ASSERT_EQ(animation.size(), 3u);
    ASSERT_EQ(outro.size(), 3u);
    for (const CRaster* image : intro)
        EXPECT_EQ(image->GetPixel(11, 1), 0x0000FF00u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(animation[i]->GetPixel(11, 1), 0x0000FF00u);
        EXPECT_EQ(animation[i]->GetPixel(1, 1), PROBE_COLOUR(i, 3));
    }
    // In the outro images the intro object is plain; the leaving one runs 1, 2, then is gone.
    for (int s = 1; s <= 3; ++s) {
        EXPECT_EQ(outro[s - 1]->GetPixel(1, 1), 0x00FF0000u);
        EXPECT_EQ(outro[s - 1]->GetPixel(11, 1), s <= 2 ? PROBE_COLOUR(s, 2) : kWhite);
    }
    // Display order: intro, animation (replacing the frame image), outro.
    auto sequence = doc.sequence();
    const auto list = entries(sequence);
    ASSERT_EQ(list.size(), 11u);
    EXPECT_EQ(list[4].image, intro[4]);
    EXPECT_EQ(list[5].image, animation[0]);
    EXPECT_EQ(list[7].image, animation[2]);
    EXPECT_EQ(list[8].image, outro[0]);
    for (const Entry& e : list)
        EXPECT_EQ(e.delay, 10);
}

TEST(AnimationCompiler, AnimationEffectOnDelay95GivesNineImages)
{
    Doc doc;
    addObject(doc.frame(0), 0, 0, 0x00FF0000).animationEffect = effect(PROBE_ANIMATION, 2);
    doc.frame(0).delay = 95;
    EXPECT_EQ(AnimationCompiler::animationSteps(doc.frame(0)), 9);
    doc.compile();
    auto sequence = doc.sequence();
    const auto list = entries(sequence);
    ASSERT_EQ(list.size(), 9u);
    for (int i = 0; i < 9; ++i) {
        EXPECT_NE(list[i].image, &doc.frame(0).image);
        EXPECT_EQ(list[i].delay, 10);
        EXPECT_EQ(list[i].image->GetPixel(0, 0), PROBE_COLOUR(i, 9));
    }
    // Below a tenth of a second there is nothing to animate: the frame image shows.
    doc.frame(0).delay = 9;
    doc.compile();
    EXPECT_EQ(doc.frame(0).animationFrames, nullptr);
    auto still = doc.sequence();
    EXPECT_EQ(entries(still)[0].image, &doc.frame(0).image);
}

TEST(AnimationCompiler, FrameAnimationEffectRedrawsOverThePlainBackgroundColour)
{
    Doc doc;
    CFrame& frame = doc.frame(0);
    frame.backgroundColour = 0x00332211; // raster 0x00112233
    frame.borderColour = 0x000000FF;
    frame.borderWidth = 2;
    addObject(frame, 8, 8, 0x00FF0000);
    frame.delay = 20;
    lwtest::ProbeLog log;

    frame.animationEffect = effect(PROBE_ANIMATION, 2, kHide);
    doc.compile();
    for (const CRaster* image : images(frame.animationFrames.get())) {
        // The step image is hidden: only the background colour remains, border included.
        EXPECT_EQ(image->GetPixel(0, 0), 0x00112233u);
        EXPECT_EQ(image->GetPixel(9, 9), 0x00112233u);
    }

    log.reset();
    frame.animationEffect = effect(PROBE_ANIMATION, 2, kInPlace);
    doc.compile();
    const auto steps = images(frame.animationFrames.get());
    ASSERT_EQ(steps.size(), 2u);
    EXPECT_TRUE(samePixels(*steps[0], frame.image)); // border, background and object as drawn
    const auto calls = log.calls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[1].frameIndex, 1);
    EXPECT_EQ(calls[1].context.frameCount, 2);
    EXPECT_EQ(calls[1].context.objectType, 0);
    EXPECT_EQ(calls[1].context.host, nullptr);
    EXPECT_EQ(calls[1].context.home.left, kLeft);
    EXPECT_EQ(calls[1].context.home.right, kLeft + 40);
    EXPECT_EQ(calls[1].firstSourcePixel, frame.image.bits()[0]);
}

TEST(AnimationCompiler, FrameIntroOnTheFirstFrameStartsFromTheLastFramesLastOutroImage)
{
    Doc doc;
    CFrame& first = doc.frame(0);
    CFrame& last = doc.append();
    addObject(first, 0, 0, 0x00FF0000);
    addObject(last, 10, 0, 0x0000FF00).outroEffect = effect(PROBE_OUTRO, 1);
    first.introEffect = effect(PROBE_INTRO, 1, kHide);
    lwtest::ProbeLog log;
    log.reset();
    doc.compile();
    const auto outro = images(last.outroFrames.get());
    ASSERT_EQ(outro.size(), 3u);
    const auto enter = images(first.enterFrames.get());
    ASSERT_EQ(enter.size(), 2u); // frame transitions make N images, not N + 1
    for (const CRaster* image : enter) {
        EXPECT_TRUE(samePixels(*image, *outro.back()));
        EXPECT_FALSE(samePixels(*image, last.image));
    }
    std::vector<std::pair<int, int>> steps;
    for (const ProbeRecord& r : log.calls())
        if (r.id == PROBE_INTRO)
            steps.emplace_back(r.frameIndex, r.context.frameCount);
    EXPECT_EQ(steps, (std::vector<std::pair<int, int>>{{-2, -2}, {-1, -2}}));

    // Drawn in place, the source is the first frame's own image (it has no intro images).
    first.introEffect = effect(PROBE_INTRO, 0, kInPlace);
    doc.compile();
    ASSERT_NE(first.enterFrames, nullptr);
    EXPECT_TRUE(samePixels(first.enterFrames->image, first.image));

    auto sequence = doc.sequence();
    const auto list = entries(sequence);
    ASSERT_EQ(list.size(), 1u + 1u + 1u + 3u);
    EXPECT_EQ(list[0].image, &first.enterFrames->image);
    EXPECT_EQ(list[1].image, &first.image);
    EXPECT_EQ(list[2].image, &last.image);
    EXPECT_EQ(list[5].image, images(last.outroFrames.get())[2]);
}

TEST(AnimationCompiler, FrameOutroOnTheLastFrameRunsIntoTheFirstFramesFirstIntroImage)
{
    Doc doc;
    CFrame& first = doc.frame(0);
    CFrame& last = doc.append();
    addObject(first, 0, 0, 0x00FF0000).introEffect = effect(PROBE_INTRO, 0);
    addObject(last, 10, 0, 0x0000FF00);
    last.outroEffect = effect(PROBE_OUTRO, 2, kHide);
    doc.compile();
    const auto leave = images(last.leaveFrames.get());
    ASSERT_EQ(leave.size(), 4u);
    for (const CRaster* image : leave)
        EXPECT_TRUE(samePixels(*image, first.introFrames->image));

    // A one-frame document is its own neighbour.
    Doc single;
    CFrame& only = single.frame(0);
    addObject(only, 0, 0, 0x00FF0000);
    only.introEffect = effect(PROBE_INTRO, 0, kHide);
    only.outroEffect = effect(PROBE_OUTRO, 1, kHide);
    single.compile();
    EXPECT_TRUE(samePixels(only.enterFrames->image, only.image));
    EXPECT_TRUE(samePixels(only.leaveFrames->image, only.image));
    auto sequence = single.sequence();
    EXPECT_EQ(entries(sequence).size(), 1u + 1u + 2u);
}

TEST(AnimationCompiler, MastersAreNeighboursButNeverEmitted)
{
    Doc doc;
    CFrame& a = doc.frame(0);
    CFrame& master = doc.append();
    CFrame& b = doc.append();
    master.masterFrame = 1;
    master.backgroundColour = 0x000000FF;
    addObject(master, 0, 0, 0x00FF0000).introEffect = effect(PROBE_INTRO, 0);
    b.introEffect = effect(PROBE_INTRO, 0, kHide);
    doc.compile();
    EXPECT_NE(master.introFrames, nullptr); // masters are compiled too
    ASSERT_NE(b.enterFrames, nullptr);
    EXPECT_TRUE(samePixels(b.enterFrames->image, master.image));

    auto sequence = doc.sequence();
    const auto list = entries(sequence);
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0].image, &a.image);
    EXPECT_EQ(list[1].image, &b.enterFrames->image);
    EXPECT_EQ(list[2].image, &b.image);
    EXPECT_TRUE(AnimationCompiler::producesAnimation(doc.animation));

    // The master alone can still be shown as a single frame.
    auto alone = doc.sequence(&master);
    EXPECT_EQ(entries(alone).size(), 3u);
}

TEST(AnimationCompiler, StartFrameWrapsAroundAndSingleFrameDoesNotLoop)
{
    Doc doc;
    doc.animation.loopCount = 1;
    doc.animation.linkUrl = "http://example.com/";
    doc.frame(0).delay = 10;
    doc.append().delay = 20;
    doc.append().delay = 30;
    doc.frame(1).masterFrame = 0;
    doc.compile();
    auto fromSecond = doc.sequence(nullptr, &doc.frame(1));
    std::vector<std::int32_t> delays;
    for (const Entry& e : entries(fromSecond))
        delays.push_back(e.delay);
    EXPECT_EQ(delays, (std::vector<std::int32_t>{20, 30, 10}));
    EXPECT_EQ(fromSecond.loopCount, 1);
    EXPECT_EQ(fromSecond.linkText, "http://example.com/");

    auto single = doc.sequence(&doc.frame(2));
    const auto list = entries(single);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].image, &doc.frame(2).image);
    EXPECT_EQ(single.loopCount, 0);
    EXPECT_EQ(single.linkText, "http://example.com/");

    // Two plain frames animate; one plain frame plus a master does not.
    EXPECT_TRUE(AnimationCompiler::producesAnimation(doc.animation));
    Doc withMaster;
    withMaster.append().masterFrame = 1;
    withMaster.compile();
    EXPECT_FALSE(AnimationCompiler::producesAnimation(withMaster.animation));
}

TEST(AnimationCompiler, CompileReplacesTheGeneratedLists)
{
    Doc doc;
    CLayerObject& object = addObject(doc.frame(0), 0, 0, 0x00FF0000);
    object.introEffect = effect(PROBE_INTRO, 2);
    doc.compile();
    doc.compile();
    EXPECT_EQ(lw::generatedChainLength(doc.frame(0).introFrames.get()), 5);
    object.introEffect = {};
    doc.compile();
    EXPECT_EQ(doc.frame(0).introFrames, nullptr);
}

TEST(AnimationCompiler, UnknownAndHostileAssignments)
{
    Doc doc;
    CLayerObject& object = addObject(doc.frame(0), 0, 0, 0x00FF0000);
    // An uninstalled animation effect makes the object vanish during the animation steps.
    object.animationEffect = effect(999, 0);
    doc.frame(0).delay = 20;
    doc.compile();
    for (const CRaster* image : images(doc.frame(0).animationFrames.get()))
        EXPECT_EQ(image->GetPixel(1, 1), kWhite);

    // A stored speed beyond the slowest asks for no more than 32 steps and sends speed 5.
    object.animationEffect = {};
    object.introEffect = effect(PROBE_INTRO, 40);
    EXPECT_EQ(AnimationCompiler::objectIntroSteps(doc.frame(0)), 32);
    lwtest::ProbeLog log;
    log.reset();
    doc.compile();
    EXPECT_EQ(lw::generatedChainLength(doc.frame(0).introFrames.get()), 33);
    const auto calls = log.calls();
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls[0].context.speed, 5);
    EXPECT_EQ(calls[0].context.frameCount, -32);

    object.introEffect = {};
    object.animationEffect = effect(PROBE_ANIMATION, 2);
    doc.frame(0).delay = 1000000;
    EXPECT_EQ(AnimationCompiler::animationSteps(doc.frame(0)), lw::kMaxAnimationSteps);
    doc.frame(0).delay = -50;
    EXPECT_EQ(AnimationCompiler::animationSteps(doc.frame(0)), 0);
}

TEST(ExtensionHostClearing, UnknownIntroAndOutroAreClearedButNotAnimation)
{
    Doc doc;
    CFrame& frame = doc.frame(0);
    CLayerObject& object = addObject(frame, 0, 0, 0x00FF0000);
    frame.introEffect = effect(999, 3, 7);
    frame.outroEffect = effect(PROBE_OUTRO, 2, 5);
    frame.animationEffect = effect(998, 1, 1);
    object.introEffect = effect(997, 2, 2);
    object.outroEffect = effect(996, 4, 4);
    object.animationEffect = effect(995, 1, 1);
    EXPECT_EQ(testHost().clearUnknownInFrame(frame), 1);
    EXPECT_EQ(frame.introEffect, EffectAssignment{});
    EXPECT_EQ(frame.outroEffect, effect(PROBE_OUTRO, 2, 5));
    EXPECT_EQ(frame.animationEffect, effect(998, 1, 1));
    EXPECT_EQ(object.introEffect, EffectAssignment{});
    EXPECT_EQ(object.outroEffect, EffectAssignment{});
    EXPECT_EQ(object.animationEffect, effect(995, 1, 1));
    EXPECT_EQ(testHost().clearUnknownInFrame(frame), 0);

    EffectAssignment none{0, 3, 9};
    EXPECT_EQ(testHost().clearIfUnknown(none), 0);
    EXPECT_EQ(none, (EffectAssignment{0, 3, 9}));
    const lw::EffectCatalog& catalog = testHost();
    EXPECT_TRUE(catalog.isInstalled(PROBE_INTRO));
    EXPECT_FALSE(catalog.isInstalled(999));
}

TEST(AnimationCompiler, ImagesBeyondTheBudgetRaiseMemoryErrorAndKeepWhatWasBuilt)
{
    Doc doc;
    addObject(doc.frame(0), 0, 0, 0x00FF0000).introEffect = effect(PROBE_INTRO, 2); // 5 images
    doc.animation.RenderAllFrames();
    const std::int64_t imageBytes = 40 * 20 * 4;
    EXPECT_THROW(AnimationCompiler(testHost(), 3 * imageBytes).compile(doc.animation), lw::MemoryError);
    EXPECT_EQ(lw::generatedChainLength(doc.frame(0).introFrames.get()), 3);
    EXPECT_NO_THROW(AnimationCompiler(testHost(), 5 * imageBytes).compile(doc.animation));
    EXPECT_EQ(lw::generatedChainLength(doc.frame(0).introFrames.get()), 5);
}

TEST(AnimationCompiler, PreviewRendersCompilesAndShowsOneFrame)
{
    Doc doc;
    doc.animation.loopCount = 3;
    CFrame& second = doc.append();
    CLayerObject& object = addObject(second, 0, 0, 0x00FF0000);
    object.introEffect = effect(PROBE_INTRO, 0);
    auto preview = AnimationCompiler(testHost()).previewFrame(doc.animation, second);
    const auto list = entries(preview);
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(preview.loopCount, 0);
    EXPECT_EQ(list[2].image, &second.image);
    EXPECT_EQ(second.image.GetPixel(1, 1), 0x00FF0000u); // rendered first
}

TEST(AnimationCompiler, RecompiledImagesMatchAFreshCompile)
{
    // A compile writes over the previous compile's step images: whatever they held before must
    // not show through, whether the new document has more, fewer or other images.
    const auto build = [](Doc& doc, std::int32_t speed) {
        addObject(doc.frame(0), 0, 2, 0x00FF0000).introEffect = effect(PROBE_INTRO, speed);
        addObject(doc.append(), 8, 6, 0x0000FF00).outroEffect = effect(PROBE_OUTRO, speed);
        doc.frame(1).introEffect = effect(PROBE_INTRO, 1, kHide);
    };
    const auto edit = [](Doc& doc, std::int32_t speed) {
        CLayerObject& moved = *doc.frame(0).head;
        moved.ownImage.FillRect(0x000000FF);
        moved.rect = lw::LayerRect{kLeft + 20, kTop + 2, kLeft + 24, kTop + 6};
        moved.position = {kLeft + 20, kTop + 2};
        moved.introEffect = effect(PROBE_INTRO, speed);
        doc.frame(1).head->outroEffect = effect(PROBE_OUTRO, speed);
    };
    for (const auto& [speed, otherSpeed] : {std::pair{2, 2}, std::pair{3, 1}, std::pair{1, 3}}) {
        SCOPED_TRACE(speed * 10 + otherSpeed);
        Doc reused;
        build(reused, speed);
        reused.compile();
        edit(reused, otherSpeed);
        reused.compile();

        Doc fresh;
        build(fresh, speed);
        edit(fresh, otherSpeed);
        fresh.compile();

        auto a = reused.sequence();
        auto b = fresh.sequence();
        const auto got = entries(a);
        const auto want = entries(b);
        ASSERT_EQ(got.size(), want.size());
        for (std::size_t i = 0; i < got.size(); ++i) {
            EXPECT_TRUE(samePixels(*got[i].image, *want[i].image)) << i;
            EXPECT_EQ(got[i].delay, want[i].delay) << i;
        }
    }
}
