#pragma once
// What one running program hands to the documents it works on: the prompts every core operation
// raises (and where layer objects report a failed rendering) and the loaded effect libraries.
// The editor, lwtool and each test make their own, so two of them can live side by side.
#include "engine/extension_host.h"
#include "platform/ui_port.h"

namespace lw {

struct ApplicationContext {
    explicit ApplicationContext(UiPort& prompts) : ui(prompts) {}
    ApplicationContext(const ApplicationContext&) = delete;
    ApplicationContext& operator=(const ApplicationContext&) = delete;

    UiPort& ui;
    ExtensionHost extensions;
};

} // namespace lw
