#include "filters/scripted_ui_port.h"
#include "model/frame_list.h"
#include "model_test_objects.h"

#include <gtest/gtest.h>

using namespace lw;

TEST(FrameList, CaptionsNumberNormalAndMasterFramesApart)
{
    struct Case {
        std::vector<int> masters; // the master flag of each frame, in order
        std::vector<std::string> captions;
    };
    const Case cases[] = {
        {{0}, {"Кадр  1"}},
        {{0, 0, 0}, {"Кадр  1", "Кадр  2", "Кадр  3"}},
        {{1, 0, 0, 1, 0}, {"Мастер       (1)", "Кадр  1", "Кадр  2", "Мастер       (2)", "Кадр  3"}},
        {{0, 1, 1}, {"Кадр  1", "Мастер       (1)", "Мастер       (2)"}},
    };
    for (const Case& c : cases) {
        CAnimation a;
        for (std::size_t i = 1; i < c.masters.size(); ++i)
            a.AppendFrame();
        for (std::size_t i = 0; i < c.masters.size(); ++i)
            a.FrameAt(static_cast<int>(i))->masterFrame = c.masters[i];
        EXPECT_EQ(frameCaptions(a), c.captions);
        for (std::size_t i = 0; i < c.masters.size(); ++i)
            EXPECT_EQ(frameCaption(a, *a.FrameAt(static_cast<int>(i))), c.captions[i]);
    }
    CAnimation a, other;
    EXPECT_EQ(frameCaption(a, *other.firstFrame), "") << "a frame of another animation has no caption here";
}

TEST(FrameList, DeletingAFrameWithLayersAsksAndDefaultsToNo)
{
    CAnimation a;
    CFrame& f = *a.firstFrame;
    ScriptedUiPort ui;
    EXPECT_TRUE(confirmFrameDeletion(f, ui)) << "an empty frame goes without a question";
    EXPECT_TRUE(ui.messages().empty());

    f.AppendObject(lwtest::solid(400, 580, 10, 10, 1));
    struct Case {
        std::optional<MsgResult> answer; // none: nobody answers, the default button counts
        bool deleted;
    };
    for (const Case& c : {Case{std::nullopt, false}, Case{MsgResult::Yes, true}, Case{MsgResult::No, false},
                          Case{MsgResult::Cancel, false}}) {
        ui.clear();
        if (c.answer)
            ui.queueButton(*c.answer);
        EXPECT_EQ(confirmFrameDeletion(f, ui), c.deleted);
        ASSERT_EQ(ui.messages().size(), 1u);
        const Message& m = ui.messages()[0];
        EXPECT_EQ(m.buttons, MsgButtons::YesNoCancel);
        EXPECT_EQ(m.icon, MsgIcon::Question);
        EXPECT_EQ(defaultButton(m), MsgResult::No);
        EXPECT_EQ(m.text.rfind("Действительно удалить этот кадр и его содержимое?", 0), 0u);
    }
}

TEST(FrameList, GifPathIsKnownOnlyOnceRemembered)
{
    CAnimation a;
    a.sourcePath = "/x/derived.gif"; // the default name stored before the dialog
    EXPECT_EQ(knownGifPath(a), std::nullopt);
    rememberGifPath(a, "/y/chosen.gif");
    EXPECT_EQ(knownGifPath(a), "/y/chosen.gif");
}
