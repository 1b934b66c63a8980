// The six effect commands on a document session: what OK stores, where, and what undo restores.
#include "app/editor/command_ids.h"
#include "app/editor/document_session.h"
#include "app/editor/effect_commands.h"
#include "engine/effect_dialog_model.h"
#include "model/bitmap_object.h"

#include <gtest/gtest.h>

namespace lw {
namespace {

// A dialog whose preview writes something else, then OK with `chosen` or Cancel (nothing).
EffectDialogRunner dialogAnswering(EffectAssignment chosen, std::optional<bool> applyToAll)
{
    return [=](EffectKind, EffectAssignment& assignment, CFrame&) {
        const EffectAssignment before = std::exchange(assignment, EffectAssignment{99, 5, 5});
        assignment = applyToAll ? chosen : before;
        return applyToAll;
    };
}

TEST(EffectCommands, OkStoresTheChoiceWhereItBelongsAndLayerUndoRestoresIt)
{
    const EffectAssignment chosen{21, 3, 7}, other{5, 5, 5};
    const int ids[] = {cmd::LayerIntro, cmd::LayerAnimation, cmd::LayerOutro,
                       cmd::FrameIntro, cmd::FrameAnimation, cmd::FrameOutro};
    for (const bool applyToAll : {false, true})
        for (const int id : ids) {
            DocumentSession s;
            CFrame &first = s.currentFrame(), &second = *s.doc.animation.AppendFrame();
            CLayerObject* lower = first.AppendObject(std::make_unique<CBitmapObject>());
            CLayerObject* upper = first.AppendObject(std::make_unique<CBitmapObject>());
            upper->selected = 1;
            const auto [frame, kind] = *effectCommandFor(id);
            // Cancel, OK that changes nothing and a dialog that fails after its preview leave no trace.
            EXPECT_FALSE(runEffectCommand(id, s, dialogAnswering(other, std::nullopt)));
            EXPECT_FALSE(runEffectCommand(id, s, dialogAnswering({}, false)));
            const auto failing = [&](EffectKind, EffectAssignment& a, CFrame&) -> std::optional<bool> {
                throw std::runtime_error((a = other, "no memory"));
            };
            EXPECT_THROW(runEffectCommand(id, s, failing), std::runtime_error);
            EXPECT_EQ(frame ? assignmentFor(first, kind) : assignmentFor(*upper, kind), EffectAssignment{});
            EXPECT_FALSE(s.doc.modified() || first.CanUndo());

            ASSERT_TRUE(runEffectCommand(id, s, dialogAnswering(chosen, applyToAll))) << id;
            EXPECT_TRUE(s.doc.modified());
            // The first selected layer (every layer of the frame), or the frame (every frame).
            const std::vector<bool> expected{!frame && applyToAll, !frame, frame, frame && applyToAll};
            std::vector<bool> holding;
            for (EffectAssignment* a : {&assignmentFor(*lower, kind), &assignmentFor(*upper, kind),
                                        &assignmentFor(first, kind), &assignmentFor(second, kind)})
                holding.push_back(*a == chosen);
            EXPECT_EQ(holding, expected) << id << applyToAll;
            for (EffectKind k : {EffectKind::Intro, EffectKind::Outro, EffectKind::Animation})
                EXPECT_TRUE(k == kind ||
                            (assignmentFor(*upper, k) != chosen && assignmentFor(first, k) != chosen));

            // A layer's choice is one undo step of its frame; a frame's own effects are not layers.
            ASSERT_EQ(first.CanUndo(), !frame) << id;
            first.Cancel();
            EXPECT_TRUE(frame || (assignmentFor(*first.ObjectAt(0), kind) == EffectAssignment{} &&
                                  assignmentFor(*first.ObjectAt(1), kind) == EffectAssignment{}));
            upper = first.ObjectAt(1);
            upper->selected = 0;
            EXPECT_TRUE(frame || !runEffectCommand(id, s, dialogAnswering(other, false)))
                << "no layer selected";
        }
}

} // namespace
} // namespace lw
