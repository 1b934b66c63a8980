#include "app/widgets/editor_application.h"
#include "app/widgets/editing_hookup.h"

#include "app/editor/colour_rules.h"
#include "app/editor/command_actions.h"
#include "app/editor/document_manager.h"
#include "app/editor/frame_export.h"
#include "app/editor/gif_save_command.h"
#include "app/editor/html_page_command.h"
#include "app/editor/preview_command.h"
#include "app/widgets/about_box.h"
#include "app/widgets/effect_handlers.h"
#include "app/widgets/filter_menu_handlers.h"
#include "app/widgets/main_window.h"
#include "app/widgets/output_handlers.h"
#include "app/widgets/palette_widget.h"
#include "app/widgets/preview_dialog.h"
#include "app/widgets/property_command_handlers.h"
#include "app/widgets/publishing_handlers.h"
#include "app/widgets/qt_editor_questions.h"
#include "app/widgets/qt_ui_port.h"
#include "app/widgets/splash.h"
#include "app/widgets/view_commands.h"

#include "platform/application_names.h"
#include "platform/desktop_integration.h"
#include "platform/errors.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDesktopServices>
#include <QDir>
#include <QMdiArea>
#include <QMessageBox>
#include <QScreen>
#include <QUrl>

namespace lw {

EditorApplication::EditorApplication(std::unique_ptr<FilterUiPort> ui,
                                     std::unique_ptr<EditorQuestions> questions)
    : ui_(std::move(ui)), questions_(std::move(questions))
{
    auto parent = [this]() -> QWidget* { return window_.get(); };
    auto beforeModal = [this] { closeSplash(); };
    if (!ui_)
        ui_ = std::make_unique<QtUiPort>(parent, beforeModal);
    if (!questions_)
        questions_ = std::make_unique<QtEditorQuestions>(parent, beforeModal);
    context_ = std::make_unique<ApplicationContext>(*ui_);
    actions_ = std::make_unique<CommandActions>();
}

EditorApplication::~EditorApplication()
{
    shutDown();
    // The window shows the documents' sessions: it goes first.
    window_.reset();
    documents_.reset();
}

std::optional<int> EditorApplication::start(const EditorCommandLine& line, StartOptions options)
{
    // The display must show more than a palette of 256 colours.
    if (const QScreen* screen = QGuiApplication::primaryScreen(); screen && screen->depth() < 16) {
        ui_->messageBox(
            Message{"Loopwright GIF Animator requires at least 16-bit color display mode (65536 colors) "
                    "to operate properly. To increase number of colors in your system go to 'Control "
                    "Panel', open 'Display' panel and adjust 'Color Palette' size in 'Settings' tab.",
                    kProductName, MsgIcon::Error, MsgButtons::Ok});
        return 1;
    }
    // The working folder of the last run.
    const QString folder = QString::fromStdString(settings_.readString("Current", "Directory"));
    if (!folder.isEmpty() && QDir(folder).exists())
        QDir::setCurrent(folder);

    window_ = std::make_unique<MainWindow>(*actions_);
    if (options.showSplash) {
        splash_ = new Splash;
        splash_->show();
    }
    documents_ = std::make_unique<DocumentManager>(settings_, context_->extensions, *ui_, *questions_);
    const auto& recent = documents_->recentFiles().paths();
    lastDocument_ = recent.empty() ? std::string() : recent.front();
    window_->setRecentFiles(recent);
    connectDocuments();
    registerHandlers();
    // The desktop learns the file types and the menu entry on every start; failures change nothing.
    if (options.registerWithDesktop)
        registerRunningProgramWithDesktop();
    folders_ = programFolders();

    // Documents name effects; the libraries are loaded before the command line's documents are
    // read so that their effect assignments are kept.
    context_->extensions.load(folders_.extensions);

    bool opened = false;
    for (const std::string& file : line.files)
        opened = documents_->openDocument(file) != nullptr || opened;
    if (!line.files.empty() && !opened)
        return 1;

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        window_->setGeometry(area.left(), area.top() + 24, std::max(640, area.width() - 310),
                             area.height() - 48);
    }
    window_->show();
    window_->placeFloatingBars();
    if (splash_)
        splash_->startClosing();
    if (line.files.empty())
        runWelcome();
    return std::nullopt;
}

void EditorApplication::connectDocuments()
{
    MainWindow* w = window_.get();
    DocumentManager* d = documents_.get();
    connect(d, &DocumentManager::documentAdded, w, &MainWindow::addDocumentWindow);
    connect(d, &DocumentManager::documentClosing, w, &MainWindow::removeDocumentWindow);
    connect(d, &DocumentManager::documentChanged, w, &MainWindow::documentChanged);
    connect(d, &DocumentManager::documentActivated, w, &MainWindow::activateDocument);
    connect(d, &DocumentManager::recentFilesChanged, w,
            [w, d] { w->setRecentFiles(d->recentFiles().paths()); });
    connect(w, &MainWindow::filesDropped, d, [d](const QStringList& files) {
        for (const QString& file : files)
            d->openDocument(file.toStdString());
    });
    connect(w->paletteWidget(), &PaletteWidget::colourChosen, w,
            [this](std::uint32_t colour, bool background) {
                if (DocumentSession* session = active()) {
                    // Palette colours are opaque.
                    if (background)
                        applyBackgroundColour(*session, colour & 0x00FFFFFFu);
                    else
                        applyForegroundColour(*session, colour & 0x00FFFFFFu);
                    window_->showColours(session->view.foreground, session->view.background);
                }
            });
    w->setCloseGuard([this] {
        if (!closeAll())
            return false;
        shutDown();
        return true;
    });
    w->setDocumentCloser([d](DocumentSession* session) { d->close(*session); });
}

DocumentSession* EditorApplication::active() const
{
    return window_ ? window_->activeDocument() : nullptr;
}

GifSaveTools EditorApplication::gifSaveTools()
{
    GifSaveTools tools;
    DocumentSession* session = active();
    if (!session)
        return tools;
    // What plays is the written stream decoded again, so the preview shows the file's colours.
    tools.preview = [this, session](const GifSaveAnswer& answer) {
        try {
            GifPreview preview = buildGifPreview(session->doc, context_->extensions, answer);
            const QString report = gifSizeReport(preview.optimised, preview.bytes);
            if (auto playback = playbackOf(std::move(preview))) {
                playback->sequence.linkText = session->doc.animation.linkUrl;
                PreviewDialog::play(
                    window_.get(), std::move(playback->sequence), std::move(playback->images),
                    [](const std::string& url) {
                        QDesktopServices::openUrl(QUrl::fromUserInput(QString::fromStdString(url)));
                    },
                    *ui_);
            }
            return report;
        } catch (const MemoryError& e) {
            ui_->messageBox(Message{e.what(), kProductName, MsgIcon::Error, MsgButtons::Ok});
            return QString();
        }
    };
    tools.pickColour = [this, session](const GifSaveAnswer& answer) -> std::optional<std::uint32_t> {
        GifSaveAnswer plain = answer;
        plain.optimise = false;
        try {
            auto playback = playbackOf(buildGifPreview(session->doc, context_->extensions, plain));
            if (!playback)
                return std::nullopt;
            return PreviewDialog::pickColour(window_.get(), std::move(playback->sequence),
                                             std::move(playback->images), *ui_);
        } catch (const MemoryError& e) {
            ui_->messageBox(Message{e.what(), kProductName, MsgIcon::Error, MsgButtons::Ok});
            return std::nullopt;
        }
    };
    return tools;
}

void EditorApplication::registerHandlers()
{
    CommandActions& a = *actions_;
    DocumentManager& d = *documents_;
    MainWindow& w = *window_;
    auto onActive = [this](auto work) {
        return [this, work] {
            if (DocumentSession* session = active())
                work(*session);
        };
    };

    // The editing commands, their dialogs and the two frame bars; the window owns them.
    new EditingHookup(w, a, d, *ui_);

    a.setHandler(cmd::New, [&d] { d.newDocument(); });
    a.setHandler(cmd::OpenDocument, [&d] { d.openWithDialog(); });
    a.setHandler(cmd::OpenLwd, [&d] { d.openLwdWithDialog(); });
    a.setHandler(cmd::Save, onActive([&d](DocumentSession& s) { d.save(s); }));
    a.setHandler(cmd::SaveAs, onActive([&d](DocumentSession& s) { d.saveAs(s); }));
    a.setHandler(cmd::Close, onActive([&d](DocumentSession& s) { d.close(s); }));
    a.setHandler(cmd::SaveGif, onActive([this, &w](DocumentSession& s) {
                     saveGif(s.doc, context_->extensions, *ui_, *questions_);
                     w.documentChanged(&s);
                 }));
    a.setHandler(cmd::SaveGifAs, onActive([this, &w](DocumentSession& s) {
                     saveGifAs(s.doc, context_->extensions, *ui_, *questions_);
                     w.documentChanged(&s);
                 }));
    a.setHandler(cmd::ExportFrame, onActive([this](DocumentSession& s) {
                     exportFrame(s.doc, s.currentFrame(), *ui_, *questions_);
                 }));
    a.setHandler(cmd::HtmlPage, onActive([this, &w](DocumentSession& s) {
                     const auto page = saveHtmlPage(s.doc, *ui_);
                     if (!page)
                         return;
                     QMessageBox box(QMessageBox::NoIcon, tr("Сохранение HTML страницы"),
                                     htmlPageSavedText(*page), QMessageBox::Ok | QMessageBox::Cancel, &w);
                     auto* open = new QCheckBox(tr("Открыть страницу в Обозревателе"), &box);
                     open->setChecked(true);
                     box.setCheckBox(open);
                     if (box.exec() == QMessageBox::Ok && open->isChecked()) {
                         openUrl(QUrl::fromLocalFile(QString::fromStdString(*page)));
                         w.showMinimized();
                     }
                 }));
    if (auto* qtUi = dynamic_cast<QtUiPort*>(ui_.get()))
        qtUi->setGifSaveTools([this] { return gifSaveTools(); });
    for (int slot = 0; slot < 4; ++slot)
        a.setHandler(cmd::Recent1 + slot, [&d, slot] { d.openRecent(slot); });
    a.setHandler(cmd::Exit, [&w] { w.close(); });

    a.setHandler(cmd::HelpIndex, [this] { showDocument(folders_.helpIndex()); });
    a.setHandler(cmd::Tutorial, [this] { showDocument(folders_.tutorial()); });
    a.setHandler(cmd::Keyboard, [this] { showDocument(folders_.keyboard()); });
    a.setHandler(cmd::QuarvexWeb, [this] { openUrl(QUrl(kQuarvexHomePage)); });
    a.setHandler(cmd::ComponentsWeb, [this] { openUrl(QUrl(kComponentsPage)); });
    a.setHandler(cmd::About, [&w] {
        AboutBox box(&w);
        box.exec();
    });

    a.setHandler(cmd::Cascade, [&w] { w.mdiArea()->cascadeSubWindows(); });
    a.setHandler(cmd::Tile, [&w] { w.mdiArea()->tileSubWindows(); });
    a.setHandler(cmd::NextWindow, [&w] { w.mdiArea()->activateNextSubWindow(); });
    a.setHandler(cmd::PreviousWindow, [&w] { w.mdiArea()->activatePreviousSubWindow(); });

    for (int bar : {cmd::BarMainToolBar, cmd::BarToolBox, cmd::BarBrushes, cmd::BarColours, cmd::BarFrameList,
                    cmd::BarBackground, cmd::BarPalette, cmd::BarStatus})
        a.setHandler(bar, [&w, bar] { w.setBarShown(bar, !w.barShown(bar)); });
    installFilterMenuCommands(a, w, *ui_);
    installEffectCommands(a, w, context_->extensions, folders_, context_->ui);
    installPropertyCommands(a, w, *ui_);
    installPublishingCommands(a, w, d, *ui_, *questions_);
    installOutputCommands(a, w, context_->extensions, *ui_, *questions_);
    installViewCommands(a, w, [this](std::int32_t id) { return context_->extensions.effectName(id); });
    for (int index = 0; index < 6; ++index)
        a.setHandler(cmd::Brushes[index], [&w, index] { w.setBrushIndex(index); });
}

void EditorApplication::runWelcome()
{
    WelcomeModel model{lastDocument_};
    const auto choice = questions_->askWelcome(model);
    if (!choice || !model.enabled(*choice))
        return;
    switch (*choice) {
    case WelcomeChoice::Blank:
        documents_->newDocument();
        break;
    case WelcomeChoice::Wizard:
        if (QAction* wizard = actions_->action(cmd::AnimationWizard))
            wizard->trigger();
        break;
    case WelcomeChoice::OpenDialog:
        documents_->openWithDialog();
        break;
    case WelcomeChoice::LastDocument:
        documents_->openDocument(lastDocument_);
        break;
    case WelcomeChoice::Example:
        documents_->openDocument(folders_.exampleDocument());
        break;
    case WelcomeChoice::Tutorial:
        showDocument(folders_.tutorial());
        break;
    case WelcomeChoice::Help:
        showDocument(folders_.helpIndex());
        break;
    }
}

void EditorApplication::showDocument(const std::string& path)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
    QApplication::restoreOverrideCursor();
    // Whether or not the browser could open it, the editor steps aside.
    window_->showMinimized();
}

void EditorApplication::openUrl(const QUrl& url)
{
    QDesktopServices::openUrl(url);
    window_->showMinimized();
}

void EditorApplication::closeSplash()
{
    if (splash_)
        splash_->close();
}

bool EditorApplication::closeAll()
{
    return !documents_ || documents_->closeAll();
}

void EditorApplication::shutDown()
{
    if (shutDown_ || !window_)
        return;
    shutDown_ = true;
    const std::string folder = QDir::currentPath().toStdString();
    settings_.writeString("Current", "Directory", folder.size() <= 1024 ? folder : std::string());
    context_->extensions.unload();
    settings_.sync();
}

} // namespace lw
