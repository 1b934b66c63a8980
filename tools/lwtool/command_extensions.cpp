// lwtool extensions: the installed effect libraries as the editor's catalogue shows them.
#include "tools/lwtool/commands.h"

#include "engine/extension_catalogue_model.h"
#include "engine/extension_host.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>
#include <filesystem>

namespace lwtool {
namespace {

const char* kindName(int kind)
{
    switch (kind) {
    case LWX_KIND_INTRO:
        return "intro";
    case LWX_KIND_OUTRO:
        return "outro";
    case LWX_KIND_ANIMATION:
        return "animation";
    }
    return "unknown";
}

std::string withoutCarriageReturns(std::string text)
{
    std::erase(text, '\r');
    return text;
}

} // namespace

int runExtensions(const Options& options, ConsoleUiPort&)
{
    const std::string folder = extensionsFolder(options);
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec))
        throw ToolError{kExitBadInput, folder + ": no such extensions folder"};
    lw::ExtensionHost host;
    host.load(folder);
    const lw::ExtensionCatalogueModel catalogue(host, folder);

    if (options.json) {
        QJsonArray modules;
        for (const auto& item : catalogue.items()) {
            const lw::ExtensionModule* module = host.findModule(item.data);
            if (!module)
                continue;
            QJsonArray effects;
            module->forEachEffect([&](const lw::ExtensionEffect& e) {
                effects.append(QJsonObject{{"id", e.id},
                                           {"name", QString::fromStdString(e.name)},
                                           {"kind", kindName(e.kind)},
                                           {"minSpeed", e.minSpeed},
                                           {"maxSpeed", e.maxSpeed},
                                           {"advanced", e.advanced != nullptr}});
            });
            modules.append(QJsonObject{{"file", QString::fromStdString(module->fileName)},
                                       {"vendor", QString::fromStdString(module->vendorText().value_or(""))},
                                       {"effects", effects}});
        }
        std::fputs(QJsonDocument(modules).toJson(QJsonDocument::Indented).constData(), stdout);
        return kExitOk;
    }

    for (std::size_t i = 0; i < catalogue.items().size(); ++i) {
        std::printf("%s\n", catalogue.items()[i].text.c_str());
        if (const auto text = catalogue.descriptionFor(i))
            std::printf("%s\n\n", withoutCarriageReturns(*text).c_str());
    }
    return kExitOk;
}

} // namespace lwtool
