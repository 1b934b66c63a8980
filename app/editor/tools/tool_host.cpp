#include "app/editor/tools/tool_host.h"

namespace lw {

namespace {

template <class T> std::optional<T> next(std::deque<std::optional<T>>& queue)
{
    if (queue.empty())
        return std::nullopt;
    std::optional<T> answer = queue.front();
    queue.pop_front();
    return answer;
}

} // namespace

bool ScriptedToolHost::askYesNo(const std::string& text)
{
    questions.push_back(text);
    if (yesNo.empty())
        return false;
    const bool answer = yesNo.front();
    yesNo.pop_front();
    return answer;
}

std::optional<TextProperties> ScriptedToolHost::askText(const TextProperties&)
{
    return next(texts);
}

std::optional<GradientSettings> ScriptedToolHost::askGradient(const GradientSettings&)
{
    return next(gradients);
}

std::optional<int> ScriptedToolHost::askEllipseStyle(int)
{
    return next(ellipseStyles);
}

std::optional<std::uint32_t> ScriptedToolHost::askColour(const std::string& caption, std::uint32_t)
{
    colourCaptions.push_back(caption);
    return next(colours);
}

void ScriptedToolHost::runCommand(int id)
{
    commands.push_back(id);
    if (onCommand)
        onCommand(id);
}

} // namespace lw
