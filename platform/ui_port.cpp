#include "platform/ui_port.h"

#include <algorithm>

namespace lw {

std::vector<MsgResult> offeredButtons(MsgButtons buttons)
{
    using R = MsgResult;
    switch (buttons) {
    case MsgButtons::Ok:
        return {R::Ok};
    case MsgButtons::OkCancel:
        return {R::Ok, R::Cancel};
    case MsgButtons::YesNo:
        return {R::Yes, R::No};
    case MsgButtons::YesNoCancel:
        return {R::Yes, R::No, R::Cancel};
    case MsgButtons::RetryCancel:
        return {R::Retry, R::Cancel};
    case MsgButtons::AbortRetryIgnore:
        return {R::Abort, R::Retry, R::Ignore};
    }
    return {R::Ok};
}

MsgResult defaultButton(MsgButtons buttons)
{
    return offeredButtons(buttons).front();
}

MsgResult defaultButton(const Message& message)
{
    const std::vector<MsgResult> offered = offeredButtons(message.buttons);
    if (message.defaultResult &&
        std::find(offered.begin(), offered.end(), *message.defaultResult) != offered.end())
        return *message.defaultResult;
    return offered.front();
}

} // namespace lw
