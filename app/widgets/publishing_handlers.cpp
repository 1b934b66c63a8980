#include "app/widgets/publishing_handlers.h"

#include "app/editor/command_actions.h"
#include "app/editor/command_ids.h"
#include "app/editor/document_manager.h"
#include "app/widgets/html_settings_dialog.h"
#include "app/widgets/main_window.h"
#include "app/widgets/new_animation_wizard.h"
#include "app/widgets/print_commands.h"
#include "app/widgets/quick_animation_dialog.h"
#include "imaging/picture_questions.h"

#include <QApplication>

namespace lw {
namespace {

// Builds a new document with the wait cursor on.
void buildDocument(DocumentManager& documents, const std::function<void(CLWDoc&)>& build)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    documents.newDocument(build);
    QApplication::restoreOverrideCursor();
}

} // namespace

void installPublishingCommands(CommandActions& actions, MainWindow& window, DocumentManager& documents,
                               PictureUiPort& ui, EditorQuestions& questions)
{
    MainWindow* w = &window;
    DocumentManager* d = &documents;
    PictureUiPort* port = &ui;
    EditorQuestions* ask = &questions;

    actions.setHandler(cmd::AnimationWizard, [w, d, port, ask] {
        NewAnimationWizard wizard(*port, *ask, w);
        if (wizard.exec() != QDialog::Accepted)
            return;
        const NewAnimationWizardModel& model = wizard.model();
        if (model.source == WizardSource::Slideshow)
            buildDocument(*d,
                          [&](CLWDoc& doc) { BuildPictureAnimation(doc, model.pictureRequest(), *port); });
        else
            buildDocument(*d, [&](CLWDoc& doc) { BuildBlankAnimation(doc, model.blankRequest()); });
    });
    actions.setHandler(cmd::QuickAnimation, [w, d, port, ask] {
        QuickAnimationDialog dialog(*ask, w);
        if (dialog.exec() != QDialog::Accepted)
            return;
        const PictureAnimationRequest request = dialog.model().request();
        buildDocument(*d, [&](CLWDoc& doc) { BuildPictureAnimation(doc, request, *port); });
    });
    installPrintCommands(actions, window, ui);
    actions.setHandler(cmd::HtmlSettings, [w] {
        DocumentSession* session = w->activeDocument();
        if (!session)
            return;
        HtmlSettingsDialog dialog(HtmlSettingsModel::fromDocument(session->doc), w);
        if (dialog.exec() != QDialog::Accepted)
            return;
        dialog.result().applyTo(session->doc);
        w->documentChanged(session);
    });
}

} // namespace lw
