// The frame bars in the main window and two of the editing dialogs, on the offscreen platform.
#include "app/editor/command_actions.h"
#include "app/editor/document_manager.h"
#include "app/editor/frame_list_model.h"
#include "app/widgets/editing_dialogs.h"
#include "app/widgets/editor_application.h"
#include "app/widgets/frame_bars.h"
#include "app/widgets/main_window.h"
#include "started_editor.h"

#include <QAction>
#include <QComboBox>
#include <QDockWidget>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <gtest/gtest.h>

namespace {

using namespace lw;

struct BarsEditor : test::StartedEditor {
    BarsEditor() : StartedEditor(WelcomeChoice::Blank) {}
};

TEST(EditingBars, FrameListFollowsCommandsAndChoosesFrames)
{
    BarsEditor e;
    auto* frames = e.bar<FrameListBar>(cmd::BarFrameList);
    ASSERT_NE(frames, nullptr);
    ASSERT_NE(e.bar<FrameBackgroundBar>(cmd::BarBackground), nullptr);
    EXPECT_EQ(frames->list()->model()->rowCount(), 1);
    e.trigger(cmd::AppendFrame);
    ASSERT_EQ(frames->list()->model()->rowCount(), 2);
    EXPECT_EQ(frames->list()->currentIndex().row(), 1);

    // Typing a delay and choosing another frame applies the delay to the frame that was current.
    DocumentSession* session = e.app->mainWindow().activeDocument();
    ASSERT_NE(session, nullptr);
    CFrame* second = &session->currentFrame();
    frames->delayField()->setEditText(QStringLiteral("0.25"));
    Q_EMIT frames->list()->clicked(frames->list()->model()->index(0, 0));
    EXPECT_EQ(second->delay, 25);
    EXPECT_EQ(&session->currentFrame(), session->doc.animation.firstFrame.get());
    EXPECT_EQ(frames->delayField()->currentText(), "1");
}

TEST(EditingDialogs, CanvasSizeLabelAndARefusedField)
{
    EdgeAmountsDialog dialog({468, 60});
    QStringList refusals;
    dialog.setRefusalReporter([&](QWidget*, const QString& message) { refusals << message; });
    dialog.findChild<QLineEdit*>("left")->setText("12");
    EXPECT_EQ(dialog.sizeText(), " Размер:    480 x 60");
    dialog.findChild<QLineEdit*>("bottom")->setText("9999");
    dialog.accept();
    EXPECT_EQ(refusals, QStringList{"Введите целое число от -1200 до 1200."});
    EXPECT_FALSE(dialog.answer());
    dialog.findChild<QLineEdit*>("bottom")->setText("-10");
    dialog.accept();
    ASSERT_TRUE(dialog.answer());
    EXPECT_EQ(dialog.answer()->bottom, -10);
}

} // namespace
