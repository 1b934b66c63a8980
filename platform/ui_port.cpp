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

std::optional<MetafileRasterAnswer> ScriptedUiPort::askMetafileRaster(const MetafileRasterQuestion& question)
{
    metafileQuestions_.push_back(question);
    if (metafileAnswers_.empty())
        return MetafileRasterAnswer{question.width, question.height, question.rememberForAll};
    const auto result = metafileAnswers_.front();
    metafileAnswers_.pop_front();
    return result;
}

std::optional<GifImportAnswer> ScriptedUiPort::askGifImport(const GifImportQuestion& question)
{
    gifImportQuestions_.push_back(question);
    if (gifImportAnswers_.empty())
        return GifImportAnswer{};
    const auto result = gifImportAnswers_.front();
    gifImportAnswers_.pop_front();
    return result;
}

} // namespace lw
