#include "engine/extension_catalogue_model.h"

#include "engine/list_sorting.h"

#include <algorithm>

namespace lw {

ExtensionCatalogueModel::ExtensionCatalogueModel(const ExtensionHost& host, std::string folder)
    : host_(host), folder_(std::move(folder))
{
    for (const ExtensionModule* m = host_.modules(); m; m = m->next.get())
        items_.push_back(Item{m->fileName, m->handle()});
    std::stable_sort(items_.begin(), items_.end(),
                     [](const Item& a, const Item& b) { return sortsBefore(a.text, b.text); });
    if (items_.empty())
        items_.push_back(Item{"<no extensions>", nullptr});
}

std::optional<std::string> ExtensionCatalogueModel::descriptionFor(std::size_t index) const
{
    if (index >= items_.size() || !items_[index].data)
        return std::nullopt;
    const ExtensionModule* module = host_.findModule(items_[index].data);
    if (!module)
        return std::nullopt;
    return describe(*module);
}

std::string ExtensionCatalogueModel::describe(const ExtensionModule& module)
{
    std::string text;
    if (const auto vendor = module.vendorText())
        text = *vendor + "\r\n==============\r\n";
    text += "Effects Available:\r\n";
    module.forEachEffect(
        [&](const ExtensionEffect& e) { text += "- " + e.name + " (#" + std::to_string(e.id) + ")\r\n"; });
    return text;
}

} // namespace lw
