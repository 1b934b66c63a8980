#include "filters/scripted_ui_port.h"

#include <gtest/gtest.h>

using namespace lw;

TEST(ScriptedUiPort, RecordsMessagesAndAnswersFromTheQueueThenDefaults)
{
    ScriptedUiPort ui;
    ui.queueButton(MsgResult::No);
    EXPECT_EQ(ui.messageBox({"Save?", "Loopwright GIF Animator", MsgIcon::Question, MsgButtons::YesNoCancel}),
              MsgResult::No);
    EXPECT_EQ(ui.messageBox({"Again?", "c", MsgIcon::Question, MsgButtons::YesNoCancel}), MsgResult::Yes);
    EXPECT_EQ(ui.messageBox({"Oops", "c", MsgIcon::Error, MsgButtons::RetryCancel}), MsgResult::Retry);
    ASSERT_EQ(ui.messages().size(), 3u);
    EXPECT_EQ(ui.messages()[0].text, "Save?");
    EXPECT_EQ(ui.messages()[2].icon, MsgIcon::Error);

    // A message's own default button counts when nobody answers, if the box offers it.
    struct Case {
        MsgButtons buttons;
        std::optional<MsgResult> preferred;
        MsgResult expected;
    };
    for (const Case& c : {Case{MsgButtons::YesNoCancel, MsgResult::No, MsgResult::No},
                          Case{MsgButtons::YesNoCancel, MsgResult::Cancel, MsgResult::Cancel},
                          Case{MsgButtons::OkCancel, MsgResult::No, MsgResult::Ok},
                          Case{MsgButtons::AbortRetryIgnore, MsgResult::Ignore, MsgResult::Ignore},
                          Case{MsgButtons::AbortRetryIgnore, std::nullopt, MsgResult::Abort},
                          Case{MsgButtons::RetryCancel, std::nullopt, MsgResult::Retry}}) {
        Message m{"?", "c", MsgIcon::Question, c.buttons};
        m.defaultResult = c.preferred;
        EXPECT_EQ(ui.messageBox(m), c.expected);
    }

    ui.queueNumber(std::nullopt);
    EXPECT_EQ(ui.askNumber({"Фильтр", "Радиус", 5, 0, 20}), std::nullopt);
    EXPECT_EQ(ui.askNumber({"Фильтр", "Радиус", 7, 0, 20}), 7);
    EXPECT_EQ(ui.numberQuestions().size(), 2u);
}
