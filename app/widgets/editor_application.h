#pragma once
// The editor's start-up and shut-down and the application-wide commands: the settings store, the
// main window and its command handlers, the documents, the extensions, the welcome choice and
// the help documents.
#include "app/editor/editor_command_line.h"
#include "app/editor/editor_questions.h"

#include "app/widgets/gif_save_dialog.h"
#include "engine/application_context.h"
#include "filters/filter_questions.h"
#include "platform/program_folders.h"
#include "platform/settings.h"

#include <QObject>
#include <QPointer>
#include <memory>
#include <optional>

class QUrl;

namespace lw {

class CommandActions;
class DocumentManager;
class DocumentSession;
class MainWindow;
class Splash;

// The addresses of the maker's two web pages.
inline constexpr const char* kQuarvexHomePage = "https://quarvex.example/";
inline constexpr const char* kComponentsPage = "https://quarvex.example/loopwright/extensions/";

class EditorApplication : public QObject {
    Q_OBJECT
public:
    // Without ports, the Qt dialogs answer; tests hand in scripted ones.
    explicit EditorApplication(std::unique_ptr<FilterUiPort> ui = nullptr,
                               std::unique_ptr<EditorQuestions> questions = nullptr);
    ~EditorApplication() override;

    // What a run outside tests does besides the steps tests need.
    struct StartOptions {
        bool showSplash = true;
        bool registerWithDesktop = true; // the user's file types, menu entry and icons
    };
    // Runs the start-up steps in order. Returns the exit status when the program must end now,
    // nothing when it runs on.
    std::optional<int> start(const EditorCommandLine& line, StartOptions options);

    MainWindow& mainWindow() const { return *window_; }
    DocumentManager& documents() const { return *documents_; }
    CommandActions& actions() const { return *actions_; }
    const ProgramFolders& folders() const { return folders_; }
    ApplicationContext& context() { return *context_; }

    // The welcome dialog and its choice.
    void runWelcome();
    // Shows a help document in the desktop's browser, then minimises the main window.
    void showDocument(const std::string& path);

private:
    void connectDocuments();
    void registerHandlers();
    // The GIF save dialog's preview and colour picking on the active document.
    GifSaveTools gifSaveTools();
    void closeSplash();
    void openUrl(const QUrl& url);
    bool closeAll();
    void shutDown();
    DocumentSession* active() const;

    Settings settings_;
    ProgramFolders folders_;
    std::unique_ptr<FilterUiPort> ui_;
    std::unique_ptr<EditorQuestions> questions_;
    std::unique_ptr<ApplicationContext> context_; // the prompts and the effect libraries
    std::unique_ptr<CommandActions> actions_;
    std::unique_ptr<MainWindow> window_;
    std::unique_ptr<DocumentManager> documents_;
    QPointer<Splash> splash_;
    std::string lastDocument_;
    bool shutDown_ = false;
};

} // namespace lw
