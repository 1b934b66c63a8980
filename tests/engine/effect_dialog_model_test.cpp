#include "engine/effect_dialog_model.h"
#include "engine_test_support.h"
#include "model/animation.h"

#include <gtest/gtest.h>

using lw::EffectAssignment;
using lw::EffectDialogModel;
using Kind = lw::EffectKind;
using lwtest::testHost;

namespace {

std::vector<std::string> texts(const std::vector<EffectDialogModel::Item>& items)
{
    std::vector<std::string> out;
    for (const auto& item : items)
        out.push_back(item.text);
    return out;
}

} // namespace

TEST(EffectDialogModel, TitlesAndEffectListsPerKind)
{
    EffectAssignment a;
    EXPECT_EQ(EffectDialogModel(testHost(), Kind::Intro, a).title(), "Intro Animation Effect");
    EXPECT_EQ(EffectDialogModel(testHost(), Kind::Outro, a).title(), "Outro Animation Effect");
    EXPECT_EQ(EffectDialogModel(testHost(), Kind::Animation, a).title(), "Animation Effect");

    // "Dup First" shares its id with the later-loaded "Dup Second" and is not offered.
    const EffectDialogModel intro(testHost(), Kind::Intro, a);
    EXPECT_EQ(texts(intro.effectItems()),
              (std::vector<std::string>{"<none>", "Dup Second", "No Prepare", "No Render", "Probe In"}));
    EXPECT_EQ(intro.effectItems()[0].data, 0);
    EXPECT_EQ(intro.effectItems()[1].data, 201);
    EXPECT_EQ(intro.effectItems()[4].data, PROBE_INTRO);
    EXPECT_EQ(texts(EffectDialogModel(testHost(), Kind::Outro, a).effectItems()),
              (std::vector<std::string>{"<none>", "Probe Out", "Second Only", "Wild Speeds"}));
    EXPECT_EQ(texts(EffectDialogModel(testHost(), Kind::Animation, a).effectItems()),
              (std::vector<std::string>{"<none>", "Context Keeper", "Probe Animation"}));

    const lw::ExtensionHost none;
    EXPECT_EQ(texts(EffectDialogModel(none, Kind::Intro, a).effectItems()),
              std::vector<std::string>{"<none>"});
}

TEST(EffectDialogModel, InitialSelectionSpeedsAndEnabling)
{
    EffectAssignment a{PROBE_INTRO, 3, 9};
    const EffectDialogModel intro(testHost(), Kind::Intro, a);
    EXPECT_EQ(intro.selectedEffect(), 4);
    EXPECT_EQ(texts(intro.speedItems()),
              (std::vector<std::string>{"Ultra Fast", "Very Fast", "Fast", "Medium", "Slow", "Very Slow"}));
    EXPECT_EQ(intro.selectedSpeed(), 3);
    EXPECT_TRUE(intro.speedEnabled());
    EXPECT_TRUE(intro.advancedEnabled());

    // Speeds 1..4 only; "Slow" is found by its own name, not inside "Very Slow".
    EffectAssignment slow{PROBE_OUTRO, 4, 0};
    const EffectDialogModel outro(testHost(), Kind::Outro, slow);
    EXPECT_EQ(texts(outro.speedItems()), (std::vector<std::string>{"Very Fast", "Fast", "Medium", "Slow"}));
    EXPECT_EQ(outro.speedItems()[0].data, 1);
    EXPECT_EQ(outro.selectedSpeed(), 3);
    EXPECT_TRUE(outro.advancedEnabled()); // the probe has LWXAdvanced for every id

    // A stored speed the effect does not offer shows, and becomes, the first entry.
    EffectAssignment tooFast{PROBE_OUTRO, 0, 0};
    const EffectDialogModel clamped(testHost(), Kind::Outro, tooFast);
    EXPECT_EQ(clamped.selectedSpeed(), 0);
    EXPECT_EQ(clamped.working().speed, 1);
    EXPECT_EQ(tooFast.speed, 0); // nothing written before OK

    // One speed: a single, disabled entry.
    EffectAssignment anim{PROBE_ANIMATION, 2, 0};
    const EffectDialogModel animation(testHost(), Kind::Animation, anim);
    EXPECT_EQ(texts(animation.speedItems()), std::vector<std::string>{"Fast"});
    EXPECT_FALSE(animation.speedEnabled());

    EffectAssignment nothing;
    const EffectDialogModel empty(testHost(), Kind::Intro, nothing);
    EXPECT_EQ(empty.selectedEffect(), 0);
    EXPECT_TRUE(empty.speedItems().empty());
    EXPECT_EQ(empty.selectedSpeed(), -1);
    EXPECT_FALSE(empty.speedEnabled());
    EXPECT_FALSE(empty.advancedEnabled());

    // An id no library offers: nothing selected, every speed, no advanced settings.
    EffectAssignment unknown{999, 2, 0};
    const EffectDialogModel missing(testHost(), Kind::Intro, unknown);
    EXPECT_EQ(missing.selectedEffect(), -1);
    EXPECT_EQ(missing.speedItems().size(), 6u);
    EXPECT_TRUE(missing.speedEnabled());
    EXPECT_FALSE(missing.advancedEnabled());
}

TEST(EffectDialogModel, ChoosingAnotherEffectResetsParamAndClampsSpeed)
{
    EffectAssignment a{PROBE_INTRO, 5, 0};
    EffectDialogModel model(testHost(), Kind::Intro, a);
    model.runAdvanced(nullptr);
    EXPECT_EQ(model.working().param, 42);
    model.chooseEffect(1); // "Dup Second", speeds 1..2, no advanced settings
    EXPECT_EQ(model.working(), (EffectAssignment{201, 2, 0}));
    EXPECT_EQ(texts(model.speedItems()), (std::vector<std::string>{"Very Fast", "Fast"}));
    EXPECT_EQ(model.selectedSpeed(), 1);
    EXPECT_FALSE(model.advancedEnabled());
    model.runAdvanced(nullptr);
    EXPECT_EQ(model.working().param, 0);
    model.chooseSpeed(0);
    EXPECT_EQ(model.working().speed, 1);
    model.chooseSpeed(7); // no such entry
    EXPECT_EQ(model.working().speed, 1);

    // Back to the first effect: the advanced setting is gone.
    model.chooseEffect(4);
    EXPECT_EQ(model.working(), (EffectAssignment{PROBE_INTRO, 1, 0}));
    model.chooseEffect(0);
    EXPECT_EQ(model.working(), (EffectAssignment{0, 0, 0}));
    EXPECT_TRUE(model.speedItems().empty());
    EXPECT_FALSE(model.speedEnabled());
    EXPECT_EQ(a, (EffectAssignment{PROBE_INTRO, 5, 0}));
}

TEST(EffectDialogModel, OkWritesCancelRestoresEvenAfterPreview)
{
    EffectAssignment a{PROBE_INTRO, 3, 0};
    {
        EffectDialogModel model(testHost(), Kind::Intro, a);
        model.chooseSpeed(5);
        model.runAdvanced(nullptr);
        model.accept();
    }
    EXPECT_EQ(a, (EffectAssignment{PROBE_INTRO, 5, 42}));
    {
        EffectDialogModel model(testHost(), Kind::Intro, a);
        model.chooseEffect(0);
        model.applyForPreview();
        EXPECT_EQ(a, EffectAssignment{});
        model.cancel();
    }
    EXPECT_EQ(a, (EffectAssignment{PROBE_INTRO, 5, 42}));

    // A library dialog that fails after writing its param changes nothing.
    EffectAssignment wild{PROBE_WILD_SPEEDS, 2, 5};
    EffectDialogModel model(testHost(), Kind::Outro, wild);
    EXPECT_FALSE(model.runAdvanced(nullptr));
    EXPECT_EQ(model.working().param, 5);
    model.accept();
    EXPECT_EQ(wild, (EffectAssignment{PROBE_WILD_SPEEDS, 2, 5}));
}

TEST(EffectDialogModel, ApplyToAllCopiesToObjectsOrFrames)
{
    lw::CAnimation animation;
    lw::CFrame& first = *animation.firstFrame;
    lw::CFrame& second = *animation.AppendFrame();
    for (int i = 0; i < 3; ++i) {
        auto object = std::make_unique<lw::CLayerObject>();
        object->ResizeImages(2, 2);
        first.AppendObject(std::move(object));
    }
    const EffectAssignment chosen{PROBE_OUTRO, 2, 3};
    lw::applyToAllObjects(first, Kind::Outro, chosen);
    for (lw::CLayerObject* o = first.head.get(); o; o = o->next.get()) {
        EXPECT_EQ(o->outroEffect, chosen);
        EXPECT_EQ(o->introEffect, EffectAssignment{});
    }
    lw::applyToAllFrames(animation, Kind::Animation, chosen);
    EXPECT_EQ(first.animationEffect, chosen);
    EXPECT_EQ(second.animationEffect, chosen);
    EXPECT_EQ(second.introEffect, EffectAssignment{});
}
