#pragma once
// What one running program hands to the documents it works on: the prompts that loading,
// importing and exporting raise (and where layer objects report a failed rendering) and the loaded
// effect libraries.
// The editor, lwtool and each test make their own, so two of them can live side by side.
#include "engine/extension_host.h"
#include "imaging/picture_questions.h"

namespace lw {

struct ApplicationContext {
    explicit ApplicationContext(PictureUiPort& prompts) : ui(prompts) {}
    ApplicationContext(const ApplicationContext&) = delete;
    ApplicationContext& operator=(const ApplicationContext&) = delete;

    PictureUiPort& ui;
    ExtensionHost extensions;
};

} // namespace lw
