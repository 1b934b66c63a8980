#include "app/widgets/output_handlers.h"

#include "app/editor/avi_export_command.h"
#include "app/editor/command_actions.h"
#include "app/editor/command_ids.h"
#include "app/editor/document_session.h"
#include "app/editor/optimisation_run.h"
#include "app/editor/preview_command.h"
#include "app/widgets/avi_codec_dialog.h"
#include "app/widgets/main_window.h"
#include "app/widgets/optimisation_wizard.h"
#include "app/widgets/preview_dialog.h"
#include "platform/application_names.h"
#include "platform/errors.h"
#include "platform/ui_port.h"

#include <QDesktopServices>
#include <QUrl>

namespace lw {
namespace {

void openInBrowser(const std::string& url)
{
    QDesktopServices::openUrl(QUrl::fromUserInput(QString::fromStdString(url)));
}

void preview(MainWindow& window, const ExtensionHost& host, UiPort& ui, PreviewRange range)
{
    DocumentSession* session = window.activeDocument();
    if (!session)
        return;
    std::unique_ptr<GrowingSequence> sequence;
    try {
        sequence = startPreview(session->doc, host, range, session->currentFrame());
    } catch (const MemoryError& e) {
        ui.messageBox(Message{e.what(), kProductName, MsgIcon::Error, MsgButtons::Ok});
        return;
    }
    if (sequence->sequence().empty())
        return;
    PreviewDialog::play(&window, std::move(sequence), openInBrowser, ui);
    window.documentChanged(session);
}

void reportError(UiPort& ui, const std::string& text)
{
    ui.messageBox(Message{text, kProductName, MsgIcon::Error, MsgButtons::Ok});
}

void optimisationWizard(MainWindow& window, const ExtensionHost& host, UiPort& ui, EditorQuestions& questions)
{
    DocumentSession* session = window.activeDocument();
    if (!session)
        return;
    std::unique_ptr<OptimisationRun> run;
    try {
        run = OptimisationRun::start(session->doc, host);
    } catch (const MemoryError& e) {
        reportError(ui, e.what());
        return;
    }
    if (!run)
        return;
    OptimisationWizardTools tools;
    tools.trial = [&](int count) -> std::int64_t {
        try {
            return run->trial(count);
        } catch (const MemoryError& e) {
            reportError(ui, e.what());
            return 0;
        }
    };
    tools.play = [&] {
        try {
            if (auto playback = run->trialPlayback())
                PreviewDialog::play(&window, std::move(playback->sequence), std::move(playback->images),
                                    openInBrowser, ui);
        } catch (const MemoryError& e) {
            reportError(ui, e.what());
        }
    };
    tools.browse = [&](const FileQuestion& question) { return questions.askSavePath(question); };
    tools.finish = [&](int count, const std::string& path) {
        try {
            run->finish(count, path);
            return true;
        } catch (const FileError& e) {
            reportError(ui, e.what());
        } catch (const MemoryError& e) {
            reportError(ui, e.what());
        }
        return false;
    };
    OptimisationWizard wizard(OptimisationWizardModel(run->colourCount(),
                                                      session->doc.animation.sourceFileSize,
                                                      defaultGifName(session->doc)),
                              std::move(tools), &window);
    wizard.exec();
    window.documentChanged(session);
}

void aviExport(MainWindow& window, const ExtensionHost& host, UiPort& ui, EditorQuestions& questions)
{
    DocumentSession* session = window.activeDocument();
    if (!session)
        return;
    std::unique_ptr<AviProgressWindow> progress;
    AviExportSteps steps;
    steps.chooseCodec = [&](const std::vector<AviCodec>& codecs) {
        auto codec = AviCodecDialog::ask(&window, codecs);
        if (codec)
            progress = std::make_unique<AviProgressWindow>(&window);
        return codec;
    };
    steps.progress = [&](std::size_t written, std::size_t total) {
        return !progress || progress->callback()(written, total);
    };
    exportDocumentAvi(session->doc, host, ui, questions, steps);
    window.documentChanged(session);
}

} // namespace

void installOutputCommands(CommandActions& actions, MainWindow& window, const ExtensionHost& host, UiPort& ui,
                           EditorQuestions& questions)
{
    actions.setHandler(cmd::OptimisationWizard, [&window, &host, &ui, &questions] {
        optimisationWizard(window, host, ui, questions);
    });
    actions.setHandler(cmd::AviExport,
                       [&window, &host, &ui, &questions] { aviExport(window, host, ui, questions); });
    const std::pair<int, PreviewRange> previews[] = {{cmd::Preview, PreviewRange::Whole},
                                                     {cmd::PreviewFromHere, PreviewRange::FromCurrent},
                                                     {cmd::PreviewFrame, PreviewRange::CurrentOnly}};
    for (const auto& [id, range] : previews)
        actions.setHandler(id, [&window, &host, &ui, range] { preview(window, host, ui, range); });
}

} // namespace lw
