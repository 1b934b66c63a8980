#pragma once
// The editor's own questions (file names, the welcome choice), apart from the core's UiPort so
// that commands run without windows: the widgets answer with dialogs, tests with ScriptedEditorQuestions.
#include "app/editor/welcome_model.h"

#include <deque>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace lw {

struct FileQuestion {
    std::string title;
    // Filter name and its patterns separated by ';' ("*.lwd;*.gif"), in order.
    std::vector<std::pair<std::string, std::string>> filters;
    std::string defaultName;      // save dialogs: the proposed file name
    std::string defaultExtension; // save dialogs: appended to a name typed without one
};

// A save dialog's answer with the filter that was chosen in it (-1: not known).
struct SaveChoice {
    std::string path;
    int filter = -1;
};

class EditorQuestions {
public:
    virtual ~EditorQuestions() = default;
    // A path, or nothing when the user cancels.
    virtual std::optional<std::string> askOpenPath(const FileQuestion& question) = 0;
    virtual std::optional<std::string> askSavePath(const FileQuestion& question) = 0;
    // Several existing files in the order the dialog gives them; none when the user cancels.
    virtual std::vector<std::string> askOpenPaths(const FileQuestion& question) = 0;
    // The save dialog when the chosen filter matters (it gives a name typed bare its extension).
    virtual std::optional<SaveChoice> askSaveChoice(const FileQuestion& question);
    virtual std::optional<WelcomeChoice> askWelcome(const WelcomeModel& model) = 0;
};

// Answers from queues (an empty queue cancels) and records every question.
class ScriptedEditorQuestions : public EditorQuestions {
public:
    std::optional<std::string> askOpenPath(const FileQuestion& question) override;
    std::optional<std::string> askSavePath(const FileQuestion& question) override;
    // From its own queue of path lists (an empty queue cancels); recorded with the open questions.
    std::vector<std::string> askOpenPaths(const FileQuestion& question) override;
    std::optional<WelcomeChoice> askWelcome(const WelcomeModel& model) override;
    // The path comes from the path queue, the filter from its own queue (-1 when it is empty).
    std::optional<SaveChoice> askSaveChoice(const FileQuestion& question) override;

    void queueFilter(int filter) { filters_.push_back(filter); }
    void queuePath(std::optional<std::string> path) { paths_.push_back(std::move(path)); }
    void queuePaths(std::vector<std::string> paths) { pathLists_.push_back(std::move(paths)); }
    void queueWelcome(std::optional<WelcomeChoice> choice) { welcome_.push_back(choice); }

    const std::vector<FileQuestion>& openQuestions() const { return openQuestions_; }
    const std::vector<FileQuestion>& saveQuestions() const { return saveQuestions_; }
    const std::vector<WelcomeModel>& welcomeQuestions() const { return welcomeQuestions_; }

private:
    std::optional<std::string> nextPath();

    std::deque<std::optional<std::string>> paths_;
    std::deque<std::vector<std::string>> pathLists_;
    std::deque<std::optional<WelcomeChoice>> welcome_;
    std::deque<int> filters_;
    std::vector<FileQuestion> openQuestions_;
    std::vector<FileQuestion> saveQuestions_;
    std::vector<WelcomeModel> welcomeQuestions_;
};

// The open dialogs' filter lists.
std::vector<std::pair<std::string, std::string>> openDocumentFilters(); // the editor's own, six
std::vector<std::pair<std::string, std::string>> lwdFilters();          // .lwd documents only

} // namespace lw
