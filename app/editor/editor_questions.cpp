#include "app/editor/editor_questions.h"

namespace lw {

std::optional<SaveChoice> EditorQuestions::askSaveChoice(const FileQuestion& question)
{
    auto path = askSavePath(question);
    if (!path)
        return std::nullopt;
    return SaveChoice{std::move(*path), -1};
}

std::optional<SaveChoice> ScriptedEditorQuestions::askSaveChoice(const FileQuestion& question)
{
    auto path = askSavePath(question);
    int filter = -1;
    if (!filters_.empty()) {
        filter = filters_.front();
        filters_.pop_front();
    }
    if (!path)
        return std::nullopt;
    return SaveChoice{std::move(*path), filter};
}

std::optional<std::string> ScriptedEditorQuestions::nextPath()
{
    if (paths_.empty())
        return std::nullopt;
    auto path = std::move(paths_.front());
    paths_.pop_front();
    return path;
}

std::optional<std::string> ScriptedEditorQuestions::askOpenPath(const FileQuestion& question)
{
    openQuestions_.push_back(question);
    return nextPath();
}

std::optional<std::string> ScriptedEditorQuestions::askSavePath(const FileQuestion& question)
{
    saveQuestions_.push_back(question);
    return nextPath();
}

std::vector<std::string> ScriptedEditorQuestions::askOpenPaths(const FileQuestion& question)
{
    openQuestions_.push_back(question);
    if (pathLists_.empty())
        return {};
    auto paths = std::move(pathLists_.front());
    pathLists_.pop_front();
    return paths;
}

std::optional<WelcomeChoice> ScriptedEditorQuestions::askWelcome(const WelcomeModel& model)
{
    welcomeQuestions_.push_back(model);
    if (welcome_.empty())
        return std::nullopt;
    const auto choice = welcome_.front();
    welcome_.pop_front();
    return choice;
}

std::vector<std::pair<std::string, std::string>> openDocumentFilters()
{
    return {
        {"Editable Files", "*.lwd;*.gif;*.jpg;*.bmp;*.wmf"},
        {"Loopwright Document (*.lwd)", "*.lwd"},
        {"Compuserve GIF (*.gif)", "*.gif"},
        {"JPEG (*.jpg)", "*.jpg"},
        {"Windows Bitmap (*.bmp)", "*.bmp"},
        {"Metafiles (*.wmf)", "*.wmf"},
    };
}

std::vector<std::pair<std::string, std::string>> lwdFilters()
{
    return {{"Loopwright GIF Animation (*.lwd)", "*.lwd"}};
}

} // namespace lw
