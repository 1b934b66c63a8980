#include "app/widgets/effect_handlers.h"

#include "app/editor/command_actions.h"
#include "app/editor/command_ids.h"
#include "app/editor/document_session.h"
#include "app/editor/effect_commands.h"
#include "app/widgets/effect_dialog.h"
#include "app/widgets/installed_components_dialog.h"
#include "app/widgets/main_window.h"
#include "platform/program_folders.h"

#include <QCoreApplication>
#include <QMessageBox>

#include <exception>

namespace lw {

void installEffectCommands(CommandActions& actions, MainWindow& window, const ExtensionHost& host,
                           const ProgramFolders& folders, UiPort& ui)
{
    for (int id : effectCommandIds())
        actions.setHandler(id, [&window, &host, &ui, id] {
            DocumentSession* session = window.activeDocument();
            if (!session)
                return;
            const auto runDialog = [&](EffectKind kind, EffectAssignment& assignment, CFrame& frame) {
                return EffectDialog::ask(host, kind, assignment, session->doc.animation, frame, &window, ui);
            };
            try {
                if (runEffectCommand(id, *session, runDialog))
                    window.documentChanged(session);
            } catch (const std::exception& e) {
                // The undo copy of big layers may not fit; the assignment is then unchanged.
                QMessageBox::critical(&window, QCoreApplication::applicationName(),
                                      QString::fromStdString(e.what()));
            }
        });
    actions.setHandler(cmd::InstalledComponents, [&window, &host, &folders] {
        InstalledComponentsDialog::showCatalogue(host, folders.extensions, &window);
    });
}

} // namespace lw
