#pragma once
// What the document needs to know about the installed effects: whether an id is offered by
// any loaded extension. The extension host implements it; the reader uses it to clear
// assignments of effects that are not installed.
#include <cstdint>

namespace lw {

class EffectCatalog {
public:
    virtual ~EffectCatalog() = default;
    virtual bool isInstalled(std::int32_t effectId) const = 0;
};

} // namespace lw
