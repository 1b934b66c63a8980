#pragma once
// An editor started on the offscreen platform with scripted questions: no splash, no desktop
// registration, the welcome dialog answered with `welcome`.
#include "app/editor/command_actions.h"
#include "app/editor/editor_questions.h"
#include "app/widgets/editor_application.h"
#include "app/widgets/main_window.h"
#include "filters/scripted_ui_port.h"

#include <QAction>
#include <QApplication>
#include <QDockWidget>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

namespace lw::test {

struct StartedEditor {
    std::unique_ptr<EditorApplication> app;

    explicit StartedEditor(std::optional<WelcomeChoice> welcome)
    {
        auto questions = std::make_unique<ScriptedEditorQuestions>();
        questions->queueWelcome(welcome);
        app = std::make_unique<EditorApplication>(std::make_unique<ScriptedUiPort>(), std::move(questions));
        EXPECT_EQ(app->start({}, {.showSplash = false, .registerWithDesktop = false}), std::nullopt);
    }
    template <class Bar> Bar* bar(int id) const
    {
        auto* dock = qobject_cast<QDockWidget*>(app->mainWindow().bar(id));
        return dock ? qobject_cast<Bar*>(dock->widget()) : nullptr;
    }
    void trigger(int id) const
    {
        app->mainWindow().refreshCommands();
        app->actions().action(id)->trigger();
    }
    // Runs `command`, handing its modal dialog to `drive` once it shows.
    template <class Drive> void trigger(int command, Drive drive) const
    {
        QTimer::singleShot(0, [drive] { drive(QApplication::activeModalWidget()); });
        trigger(command);
    }
};

} // namespace lw::test
