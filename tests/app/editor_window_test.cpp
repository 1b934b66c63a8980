#include "app/editor/command_actions.h"
#include "app/editor/command_table.h"
#include "app/editor/document_manager.h"
#include "app/editor/palette_model.h"
#include "app/widgets/about_box.h"
#include "app/widgets/canvas_view.h"
#include "app/widgets/editor_application.h"
#include "app/widgets/main_window.h"
#include "app/widgets/palette_widget.h"
#include "app/widgets/welcome_dialog.h"
#include "filters/scripted_ui_port.h"

#include "model/rect_object.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDockWidget>
#include <QDropEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QUrl>
#include <gtest/gtest.h>
#include <map>

namespace lw::test {

// Receives what the editor hands to the desktop's browser.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public Q_SLOTS:
    void open(const QUrl& url) { urls << url; }
};

} // namespace lw::test

namespace {

using namespace lw;

struct Editor {
    QTemporaryDir folder;
    ScriptedUiPort* ui = nullptr;
    ScriptedEditorQuestions* questions = nullptr;
    std::unique_ptr<EditorApplication> app;

    explicit Editor(std::vector<std::string> files = {}, std::optional<WelcomeChoice> welcome = std::nullopt)
    {
        auto scriptedUi = std::make_unique<ScriptedUiPort>();
        auto scriptedQuestions = std::make_unique<ScriptedEditorQuestions>();
        ui = scriptedUi.get();
        questions = scriptedQuestions.get();
        questions->queueWelcome(welcome);
        app = std::make_unique<EditorApplication>(std::move(scriptedUi), std::move(scriptedQuestions));
        EditorCommandLine line;
        line.files = std::move(files);
        EXPECT_EQ(app->start(line, {.showSplash = false, .registerWithDesktop = false}), std::nullopt);
    }
    std::string path(const char* name) const { return folder.filePath(name).toStdString(); }
    MainWindow& window() const { return app->mainWindow(); }
    void trigger(int id) const
    {
        window().refreshCommands();
        app->actions().action(id)->trigger();
    }
};

void clearRecent()
{
    Settings settings;
    for (const char* name : {"File1", "File2", "File3", "File4"})
        settings.remove("Recent File List", name);
}

TEST(EditorStart, WelcomeOnAnEmptyAndAFilledStore)
{
    clearRecent();
    QTemporaryDir keep;
    const std::string saved = keep.filePath("w.lwd").toStdString();
    {
        Editor e({}, WelcomeChoice::Blank);
        ASSERT_EQ(e.questions->welcomeQuestions().size(), 1u);
        EXPECT_TRUE(e.questions->welcomeQuestions()[0].lastDocument.empty());
        ASSERT_EQ(e.app->documents().documents().size(), 1u) << "blank choice makes a new document";
        e.questions->queuePath(saved);
        e.trigger(cmd::Save);
        EXPECT_FALSE(e.app->documents().documents()[0]->doc.modified());
    }
    {
        Editor e({}, WelcomeChoice::LastDocument);
        ASSERT_EQ(e.questions->welcomeQuestions().size(), 1u);
        EXPECT_NE(e.questions->welcomeQuestions()[0].lastDocument.find("w.lwd"), std::string::npos);
        ASSERT_EQ(e.app->documents().documents().size(), 1u);
        EXPECT_EQ(e.app->documents().documents()[0]->displayName(), "w.lwd");
    }
    {
        Editor e; // Cancel leaves the editor without a document
        EXPECT_TRUE(e.app->documents().documents().empty());
        EXPECT_TRUE(e.window().isVisible());
    }
    // A file on the command line: no welcome dialog.
    Editor e({saved});
    EXPECT_TRUE(e.questions->welcomeQuestions().empty());
    EXPECT_EQ(e.window().mdiArea()->subWindowList().size(), 1);
    EXPECT_TRUE(e.window().windowTitle().contains("w.lwd"));

    // The dialog itself: choice 3 is off without a last document.
    WelcomeDialog empty(WelcomeModel{});
    WelcomeDialog filled(WelcomeModel{saved});
    EXPECT_FALSE(empty.choices()->button(3)->isEnabled());
    EXPECT_TRUE(filled.choices()->button(3)->isEnabled());
    EXPECT_EQ(empty.choices()->buttons().size(), 7);
    EXPECT_TRUE(empty.choices()->button(0)->isChecked());
}

TEST(EditorStart, ACommandLineWithNothingToOpenEndsTheProgram)
{
    auto ui = std::make_unique<ScriptedUiPort>();
    ScriptedUiPort& messages = *ui;
    EditorApplication app(std::move(ui), std::make_unique<ScriptedEditorQuestions>());
    EditorCommandLine line;
    line.files = {"/nonexistent/a.lwd"};
    EXPECT_EQ(app.start(line, {.showSplash = false, .registerWithDesktop = false}), 1);
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_NE(messages.messages()[0].text.find("/nonexistent/a.lwd"), std::string::npos);
    EXPECT_FALSE(app.mainWindow().isVisible());
}

// A command a user can reach does something: every row of the table has a handler once the
// editor has started, except Ctrl+F, a key that is bound but acts on nothing.
TEST(EditorWindow, EveryCommandHasAHandler)
{
    Editor e;
    for (const CommandRow& row : commandTable())
        EXPECT_EQ(e.app->actions().hasHandler(row.id), row.id != cmd::Find) << row.id << " " << row.text;
}

TEST(EditorWindow, MenusHoldEveryMenuCommandOnceAndBarsTheirButtons)
{
    Editor e;
    std::map<int, int> inMenus;
    std::function<void(QMenu*)> walk = [&](QMenu* menu) {
        for (QAction* a : menu->actions()) {
            if (a->menu())
                walk(a->menu());
            else if (a->data().isValid())
                ++inMenus[a->data().toInt()];
        }
    };
    for (QAction* top : e.window().menuBar()->actions())
        walk(top->menu());
    for (const CommandRow& row : commandTable())
        EXPECT_EQ(inMenus[row.id], row.menu == Menu::None ? 0 : 1) << row.id;

    auto* main = qobject_cast<QToolBar*>(e.window().bar(cmd::BarMainToolBar));
    ASSERT_NE(main, nullptr);
    ASSERT_EQ(main->actions().size(), 39);
    for (int i = 0; i < 39; ++i) {
        const int id = mainToolBarButtons()[i];
        QAction* a = main->actions()[i];
        EXPECT_EQ(a->isSeparator(), id == 0) << i;
        if (id != 0) {
            EXPECT_EQ(a, e.app->actions().action(id)) << i;
        }
    }
    for (int id :
         {cmd::BarBrushes, cmd::BarColours, cmd::BarFrameList, cmd::BarBackground, cmd::BarPalette}) {
        auto* dock = qobject_cast<QDockWidget*>(e.window().bar(id));
        ASSERT_NE(dock, nullptr) << id;
        EXPECT_TRUE(dock->isFloating()) << id;
    }
    EXPECT_EQ(qobject_cast<QDockWidget*>(e.window().bar(cmd::BarBrushes))->windowTitle(), " Кисти ");
    EXPECT_EQ(e.window().statusPane(0)->text(), "100%");
    EXPECT_EQ(e.window().statusPane(0)->width(), 140);
    EXPECT_EQ(e.window().statusPane(1)->width(), 360);
    EXPECT_EQ(e.window().statusPane(2)->width(), 90);

    // Later commands show, disabled; View toggles carry the bars' state.
    e.window().refreshCommands();
    EXPECT_FALSE(e.app->actions().action(cmd::Preview)->isEnabled());
    EXPECT_TRUE(e.app->actions().action(cmd::BarPalette)->isChecked());
    e.trigger(cmd::BarPalette);
    EXPECT_FALSE(e.window().bar(cmd::BarPalette)->isVisible());
    EXPECT_FALSE(e.app->actions().action(cmd::BarPalette)->isChecked());
}

TEST(EditorWindow, KeysReachTheirCommandsAndToolsCheck)
{
    Editor e({}, WelcomeChoice::Blank);
    DocumentSession* doc = e.window().activeDocument();
    ASSERT_NE(doc, nullptr);
    // Each tool key through the action that carries it.
    for (const auto& [key, tool] : {std::pair{"F6", cmd::ToolZoom}, {"F5", cmd::ToolSelect}}) {
        QAction* bound = nullptr;
        const QList<QAction*> all = e.window().actions();
        for (QAction* a : all)
            if (a->shortcuts().contains(QKeySequence(key)))
                bound = a;
        ASSERT_NE(bound, nullptr) << key;
        e.window().refreshCommands();
        bound->trigger();
        EXPECT_EQ(doc->view.tool, tool) << key;
        EXPECT_TRUE(e.app->actions().action(tool)->isChecked()) << key;
    }
    e.trigger(cmd::ToolBucket);
    EXPECT_TRUE(e.app->actions().action(cmd::ToolBucket)->isChecked());
    EXPECT_FALSE(e.app->actions().action(cmd::ToolSelect)->isChecked());
    e.trigger(cmd::Brushes[3]);
    EXPECT_EQ(e.window().brushIndex(), 3);
    EXPECT_TRUE(e.app->actions().action(cmd::Brushes[3])->isChecked());

    // Ctrl+N makes a second document, running names.
    e.trigger(cmd::New);
    ASSERT_EQ(e.app->documents().documents().size(), 2u);
    EXPECT_EQ(e.window().activeDocument()->displayName(), "Безымянный-2");
    EXPECT_EQ(e.window().mdiArea()->subWindowList().size(), 2);
    e.trigger(cmd::Close);
    EXPECT_EQ(e.window().mdiArea()->subWindowList().size(), 1);
}

TEST(EditorWindow, ADroppedDocumentOpens)
{
    Editor e;
    DocumentSession* made = e.app->documents().newDocument();
    e.questions->queuePath(e.path("dropped.lwd"));
    ASSERT_TRUE(e.app->documents().saveAs(*made));
    ASSERT_TRUE(e.app->documents().close(*made));
    ASSERT_EQ(e.window().mdiArea()->subWindowList().size(), 0);

    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(e.path("dropped.lwd")))});
    QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    // Straight to the window: without a drag in progress the application would not deliver it.
    static_cast<QObject&>(e.window()).event(&drop);
    EXPECT_TRUE(drop.isAccepted());
    ASSERT_EQ(e.app->documents().documents().size(), 1u);
    EXPECT_EQ(e.app->documents().documents()[0]->displayName(), "dropped.lwd");
    EXPECT_EQ(e.window().mdiArea()->subWindowList().size(), 1);
}

TEST(EditorWindow, HelpGoesToTheBrowserAndTheWindowStepsAside)
{
    Editor e;
    test::UrlCatcher catcher;
    QDesktopServices::setUrlHandler("file", &catcher, "open");
    QDesktopServices::setUrlHandler("https", &catcher, "open");
    e.trigger(cmd::HelpIndex);
    e.trigger(cmd::Keyboard);
    e.trigger(cmd::QuarvexWeb);
    QDesktopServices::unsetUrlHandler("file");
    QDesktopServices::unsetUrlHandler("https");
    ASSERT_EQ(catcher.urls.size(), 3);
    EXPECT_TRUE(catcher.urls[0].toLocalFile().endsWith("docs/index.htm"))
        << catcher.urls[0].toString().toStdString();
    EXPECT_TRUE(catcher.urls[1].toLocalFile().endsWith("docs/keyboard.htm"));
    EXPECT_EQ(catcher.urls[2], QUrl(kQuarvexHomePage));
    EXPECT_TRUE(e.window().isMinimized());
}

TEST(EditorWindow, PaletteClicksSetTheViewColoursAndTheSwatches)
{
    Editor e({}, WelcomeChoice::Blank);
    DocumentSession* doc = e.window().activeDocument();
    ASSERT_NE(doc, nullptr);
    auto rect = std::make_unique<CRectObject>();
    rect->Resize({560, 590, 580, 600});
    rect->selected = 1;
    auto* selected = static_cast<CRectObject*>(doc->currentFrame().AppendObject(std::move(rect)));
    PaletteWidget* palette = e.window().paletteWidget();
    auto click = [palette](QPoint at, Qt::MouseButton button) {
        QMouseEvent press(QEvent::MouseButtonPress, at, palette->mapToGlobal(at), button, button,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(palette, &press);
    };
    click({12 * 5 + 3, 12 * 1 + 3}, Qt::LeftButton);    // row 1, column 5: FF0000
    click({12 * 3 + 11, 12 * 4 + 11}, Qt::RightButton); // row 4, column 3: C080FF
    click({96, 96}, Qt::LeftButton);                    // outside the cells: nothing
    EXPECT_EQ(doc->view.foreground, 0x00FF0000u);
    EXPECT_EQ(doc->view.background, 0x00C080FFu);
    // The rectangle selected alone takes the right-clicked colour as fill, the left-clicked as line.
    EXPECT_EQ(selected->style.fillColour, 0x00C080FFu);
    EXPECT_EQ(selected->style.lineColour, 0x00FF0000u);
    EXPECT_TRUE(doc->doc.modified());
    EXPECT_TRUE(e.window().isWindowModified());
    const QImage fg = e.app->actions().action(cmd::ForegroundColour)->icon().pixmap(33, 16).toImage();
    const QImage bg = e.app->actions().action(cmd::BackgroundColour)->icon().pixmap(33, 16).toImage();
    EXPECT_EQ(fg.pixel(5, 5) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(bg.pixel(5 + 35 - 33, 5) & 0xFFFFFF, 0xC080FFu);
}

TEST(EditorWindow, APopUpAsksTheRulesAfterTheClickThatSelected)
{
    Editor e({}, WelcomeChoice::Blank);
    DocumentSession* doc = e.window().activeDocument();
    ASSERT_NE(doc, nullptr);
    auto rect = std::make_unique<CRectObject>();
    rect->Resize({560, 590, 600, 620});
    rect->selected = 0;
    doc->currentFrame().AppendObject(std::move(rect));
    e.window().refreshCommands();
    CanvasView* view = e.window().viewOf(doc);
    ASSERT_NE(view, nullptr);
    const QPoint at = view->editing().geometry().toWindow({570, 600});
    const auto send = [&](QEvent::Type type, Qt::MouseButton button) {
        QMouseEvent event(type, at, view->viewport()->mapToGlobal(at), button,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : button, Qt::NoModifier);
        QCoreApplication::sendEvent(view->viewport(), &event);
    };
    send(QEvent::MouseButtonPress, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, Qt::LeftButton);
    ASSERT_EQ(doc->currentFrame().CountSelected(), 1);

    std::map<int, bool> shown;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        if (const QByteArray folder = qgetenv("LW_VIEW_SHOTS"); !folder.isEmpty())
            menu->grab().save(QString::fromUtf8(folder) + "/popup-rectangle.png");
        for (QAction* a : menu->actions())
            if (!a->isSeparator())
                shown[a->data().toInt()] = a->isEnabled();
        menu->close();
    });
    send(QEvent::MouseButtonPress, Qt::RightButton);
    // The rectangle's own pop-up, its commands lit as far as they have their work.
    ASSERT_EQ(shown.size(), 12u);
    for (int id :
         {cmd::Copy, cmd::Cut, cmd::DeleteLayers, cmd::Duplicate, cmd::ConvertToBitmap, cmd::BringToFront})
        EXPECT_TRUE(shown[id]) << id;
    for (int id : {cmd::ShapeStyle, cmd::LayerIntro})
        EXPECT_EQ(shown[id], e.app->actions().hasHandler(id)) << id;
}

TEST(EditorWindow, AboutBoxNamesTheProductAndVersion)
{
    AboutBox box;
    EXPECT_TRUE(box.text().contains("Loopwright GIF Animator"));
    EXPECT_TRUE(box.text().contains("5.0.7"));
    bool shown = false;
    for (QLabel* label : box.findChildren<QLabel*>())
        shown = shown || label->text() == box.text();
    EXPECT_TRUE(shown);
}

} // namespace

#include "editor_window_test.moc"
