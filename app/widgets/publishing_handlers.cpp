#include "app/widgets/publishing_handlers.h"

#include "app/editor/command_actions.h"
#include "app/editor/command_ids.h"
#include "app/editor/document_manager.h"
#include "app/widgets/html_settings_dialog.h"
#include "app/widgets/main_window.h"

namespace lw {
void installPublishingCommands(CommandActions& actions, MainWindow& window, DocumentManager& documents,
                               UiPort& ui, EditorQuestions& questions)
{
    MainWindow* w = &window;
    (void)documents, (void)ui, (void)questions;

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
