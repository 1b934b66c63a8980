// The frames bar's two lists over a document session, checked by QAbstractItemModelTester while
// commands change the document.
#include "app/editor/command_ids.h"
#include "app/editor/document_session.h"
#include "app/editor/editing_commands.h"
#include "app/editor/frame_commands.h"
#include "app/editor/frame_list_model.h"
#include "filters/scripted_ui_port.h"

#include <QAbstractItemModelTester>
#include <gtest/gtest.h>

namespace {

using namespace lw;

struct FrameListModelTest : ::testing::Test {
    DocumentSession session;
    ScriptedUiPort ui;
    ScriptedEditingQuestions questions;
    EditingCommands commands{ui, questions, [this] { return &session; }};

    std::vector<std::pair<QString, int>> rows(const FrameListModel& model)
    {
        std::vector<std::pair<QString, int>> out;
        for (int r = 0; r < model.rowCount(); ++r)
            out.emplace_back(model.data(model.index(r)).toString(),
                             model.data(model.index(r), FrameListModel::IconRole).toInt());
        return out;
    }
    std::vector<QString> rows(const BackgroundListModel& model)
    {
        std::vector<QString> out;
        for (int r = 0; r < model.rowCount(); ++r)
            out.push_back(model.data(model.index(r)).toString());
        return out;
    }
};

TEST_F(FrameListModelTest, FollowsFrameCommandsAndMarksTheCurrentFrame)
{
    FrameListModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    model.setSession(&session);
    EXPECT_EQ(rows(model), (std::vector<std::pair<QString, int>>{{"Кадр  1", 2}}));

    commands.run(cmd::AppendFrame); // announced: the list grows and the new frame is current
    EXPECT_EQ(rows(model), (std::vector<std::pair<QString, int>>{{"Кадр  1", 0}, {"Кадр  2", 2}}));
    EXPECT_EQ(model.currentRow(), 1);

    questions.masterFrames = [] { return MasterFramesAnswer{1, 100}; };
    commands.run(cmd::MasterFrame);
    EXPECT_EQ(rows(model), (std::vector<std::pair<QString, int>>{
                               {"Кадр  1", 0}, {"Мастер       (1)", 3}, {"Кадр  2", 0}}));

    // Going to a frame without an announcement shows after refresh().
    session.goToFrame(session.doc.animation.firstFrame.get());
    model.refresh();
    EXPECT_EQ(model.currentRow(), 0);

    // A second view of the same document sees the delete made through the first.
    FrameListModel other;
    QAbstractItemModelTester otherTester(&other, QAbstractItemModelTester::FailureReportingMode::Fatal);
    other.setSession(&session);
    session.goToFrame(session.doc.animation.FrameAt(1));
    commands.run(cmd::DeleteFrame);
    EXPECT_EQ(other.rowCount(), 2);
    EXPECT_EQ(model.rowCount(), 2);

    model.setSession(nullptr);
    EXPECT_EQ(model.rowCount(), 0);
}

TEST_F(FrameListModelTest, BackgroundChoiceListsOnlyEarlierFrames)
{
    BackgroundListModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    model.setSession(&session);
    EXPECT_EQ(rows(model), std::vector<QString>{"Solid"}); // the first frame
    EXPECT_EQ(model.chosenRow(), 0);

    commands.run(cmd::AppendFrame);
    commands.run(cmd::AppendFrame);
    EXPECT_EQ(rows(model), (std::vector<QString>{"Solid", "Кадр  1", "Кадр  2"}));
    ASSERT_TRUE(model.choose(1));
    EXPECT_EQ(session.currentFrame().backgroundFrame, session.doc.animation.firstFrame.get());
    EXPECT_EQ(model.chosenRow(), 1);
    EXPECT_TRUE(session.doc.modified());
    EXPECT_FALSE(model.choose(3));
    ASSERT_TRUE(model.choose(0));
    EXPECT_EQ(session.currentFrame().backgroundFrame, nullptr);
}

} // namespace
