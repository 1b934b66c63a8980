#include "platform/ui_port.h"

namespace lw {

MsgResult defaultButton(MsgButtons buttons)
{
    switch (buttons) {
    case MsgButtons::Ok:
    case MsgButtons::OkCancel:
        return MsgResult::Ok;
    case MsgButtons::YesNo:
    case MsgButtons::YesNoCancel:
        return MsgResult::Yes;
    case MsgButtons::RetryCancel:
        return MsgResult::Retry;
    case MsgButtons::AbortRetryIgnore:
        return MsgResult::Abort;
    }
    return MsgResult::Ok;
}

MsgResult ScriptedUiPort::messageBox(const Message& message)
{
    messages_.push_back(message);
    if (buttons_.empty())
        return defaultButton(message.buttons);
    const MsgResult result = buttons_.front();
    buttons_.pop_front();
    return result;
}

std::optional<int> ScriptedUiPort::askNumber(const NumberQuestion& question)
{
    numberQuestions_.push_back(question);
    if (numbers_.empty())
        return question.value;
    const auto result = numbers_.front();
    numbers_.pop_front();
    return result;
}

} // namespace lw
