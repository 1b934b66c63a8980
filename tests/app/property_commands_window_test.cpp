// "Вставить символ" through the main window: the symbol dialog's click inserts the label, and
// "Конвертировать в Bitmap" in the import box runs the conversion on the state the insertion left.
#include "app/editor/command_actions.h"
#include "app/editor/command_ids.h"
#include "app/editor/document_session.h"
#include "app/widgets/editor_application.h"
#include "app/widgets/main_window.h"
#include "app/widgets/symbol_dialog.h"
#include "app/widgets/symbol_import_dialog.h"
#include "model/layer_object.h"

#include "started_editor.h"

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QRadioButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

using namespace lw;

TEST(PropertyCommandsWindow, InsertedSymbolConvertsToABitmapFromTheImportBox)
{
    const test::StartedEditor editor(WelcomeChoice::Blank);
    DocumentSession* doc = editor.app->mainWindow().activeDocument();
    ASSERT_NE(doc, nullptr);

    // Answers each modal box as it opens: a cell of the grid, then the conversion.
    std::function<void()> answer = [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* symbols = qobject_cast<SymbolDialog*>(modal)) {
            QMouseEvent click(QEvent::MouseButtonPress, QPointF(40, 10), QPointF(40, 10), Qt::LeftButton,
                              Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(symbols->findChild<SymbolGrid*>("grid"), &click);
        } else if (auto* import = qobject_cast<SymbolImportDialog*>(modal)) {
            import->findChild<QRadioButton*>("toBitmap")->setChecked(true);
            import->accept();
            return;
        }
        QTimer::singleShot(10, answer);
    };
    QTimer::singleShot(10, answer);
    editor.trigger(cmd::InsertSymbol);

    CFrame& frame = doc->currentFrame();
    ASSERT_EQ(frame.ObjectCount(), 1);
    EXPECT_EQ(frame.tail->type, kTypeBitmap);
    EXPECT_TRUE(frame.tail->selected);
    EXPECT_TRUE(doc->doc.modified());
}

} // namespace
