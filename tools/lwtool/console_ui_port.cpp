#include "tools/lwtool/console_ui_port.h"

#include <cstdio>

namespace lwtool {

lw::MsgResult ConsoleUiPort::messageBox(const lw::Message& message)
{
    lastText_ = message.text;
    if (!quiet_ || message.icon == lw::MsgIcon::Error) {
        std::string text = message.text;
        for (char& c : text)
            if (c == '\r' || c == '\n')
                c = ' ';
        std::fprintf(stderr, "lwtool: %s%s%s\n", message.caption.empty() ? "" : message.caption.c_str(),
                     message.caption.empty() ? "" : ": ", text.c_str());
    }
    return ScriptedUiPort::messageBox(message);
}

} // namespace lwtool
