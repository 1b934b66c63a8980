#pragma once
// lwtool's UiPort: every message the core raises goes to stderr (unless quiet) and every
// question takes the dialog's default or the answer the command line preset.
#include "filters/scripted_ui_port.h"

#include <string>

namespace lwtool {

class ConsoleUiPort : public lw::ScriptedUiPort {
public:
    explicit ConsoleUiPort(bool quiet) : quiet_(quiet) {}
    lw::MsgResult messageBox(const lw::Message& message) override;
    // The last error or warning text raised, for the one-line failure message.
    const std::string& lastText() const { return lastText_; }

private:
    bool quiet_;
    std::string lastText_;
};

} // namespace lwtool
