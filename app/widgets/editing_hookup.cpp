#include "app/widgets/editing_hookup.h"

#include "app/editor/command_actions.h"
#include "app/editor/command_ids.h"
#include "app/editor/document_manager.h"
#include "app/editor/editing_commands.h"
#include "app/editor/editing_view.h"
#include "app/editor/frame_list_model.h"
#include "app/widgets/canvas_view.h"
#include "app/widgets/frame_bars.h"
#include "app/widgets/main_window.h"
#include "app/widgets/qt_editing_questions.h"

#include <QDockWidget>

namespace lw {

EditingHookup::EditingHookup(MainWindow& window, CommandActions& actions, DocumentManager& documents,
                             PictureUiPort& ui)
    : QObject(&window), questions_(std::make_unique<QtEditingQuestions>([&window] { return &window; })),
      commands_(
          std::make_unique<EditingCommands>(ui, *questions_, [&window] { return window.activeDocument(); }))
{
    commands_->registerHandlers(actions);
    frameList_ = new FrameListBar(*commands_, actions);
    background_ = new FrameBackgroundBar(*commands_, actions);
    if (auto* dock = qobject_cast<QDockWidget*>(window.bar(cmd::BarFrameList)))
        dock->setWidget(frameList_);
    if (auto* dock = qobject_cast<QDockWidget*>(window.bar(cmd::BarBackground)))
        dock->setWidget(background_);
    auto follow = [this](DocumentSession* session) {
        frameList_->setSession(session);
        background_->setSession(session);
    };
    connect(&window, &MainWindow::activeDocumentChanged, this, follow);
    follow(window.activeDocument());
    // The lists listen to their document: they let go of it before it closes.
    connect(&documents, &DocumentManager::documentClosing, this, [this, follow](DocumentSession* session) {
        if (frameList_->model()->session() == session)
            follow(nullptr);
    });
}

EditingHookup::~EditingHookup() = default;

} // namespace lw
