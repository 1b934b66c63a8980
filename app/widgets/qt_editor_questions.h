#pragma once
// The editor's questions as Qt dialogs: file dialogs and the welcome dialog.
#include "app/editor/editor_questions.h"

#include <functional>

class QWidget;

namespace lw {

class QtEditorQuestions : public EditorQuestions {
public:
    explicit QtEditorQuestions(std::function<QWidget*()> parent, std::function<void()> beforeModal = {});

    std::optional<std::string> askOpenPath(const FileQuestion& question) override;
    std::optional<std::string> askSavePath(const FileQuestion& question) override;
    std::vector<std::string> askOpenPaths(const FileQuestion& question) override;
    std::optional<WelcomeChoice> askWelcome(const WelcomeModel& model) override;
    std::optional<SaveChoice> askSaveChoice(const FileQuestion& question) override;

private:
    std::function<QWidget*()> parent_;
    std::function<void()> beforeModal_;
};

} // namespace lw
