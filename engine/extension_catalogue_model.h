#pragma once
// The catalogue of installed extensions without its widgets: the list of modules by file name
// and the description shown for the selected one. The editor binds a list, a text box and the
// "Открыть папку с компонентами" button (which opens folder()) to it.
#include "engine/extension_host.h"

#include <optional>
#include <string>
#include <vector>

namespace lw {

class ExtensionCatalogueModel {
public:
    struct Item {
        std::string text;
        const void* data = nullptr; // the module's library handle; null for "<no extensions>"
    };

    ExtensionCatalogueModel(const ExtensionHost& host, std::string folder);

    // One item per module, sorted by file name; "<no extensions>" alone when there are none.
    const std::vector<Item>& items() const { return items_; }
    // The text for the item at index; none for an item without a module (the text box keeps
    // what it shows).
    std::optional<std::string> descriptionFor(std::size_t index) const;
    const std::string& folder() const { return folder_; }

    // The description of one module: vendor text and a separator when the library has one,
    // then "Effects Available:" and one line per effect, most recently registered first.
    static std::string describe(const ExtensionModule& module);

private:
    const ExtensionHost& host_;
    std::string folder_;
    std::vector<Item> items_;
};

} // namespace lw
