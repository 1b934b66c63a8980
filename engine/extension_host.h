#pragma once
// ExtensionHost: loads the effect libraries (*.lwx) of a folder, registers the effects they offer
// and forwards the engine's calls to them.
//
// Two singly linked lists, newest record first: the modules (one per loaded library) and the
// effects of all libraries. The effects of one library follow each other in the global list,
// starting at its module's firstEffect. With the same effect id in two libraries, the library
// loaded later wins every lookup. Libraries stay loaded until unload() or the host's end, so the
// entry points stay valid; names and vendor texts are copied.
//
// load() only lists the folder; the libraries are opened on the first question about them, so a
// program that handles documents without effects never pays for opening them. What any query
// sees is the same as if they had been opened at once.
//
// Usage:
//   lw::ExtensionHost host;
//   host.load("/path/to/extensions");          // every *.lwx, in file-name order
//   const lw::ExtensionEffect* e = host.findEffect(id);
//   LWXEffectContext ctx{...};
//   int result = host.prepare(id, ctx, frameIndex);
//   if (result == LWX_RENDER) { ctx.target = ...; host.doRender(id, ctx, frameIndex); }
#include "engine/lwx.h"
#include "model/effect_assignment.h"
#include "model/effect_catalog.h"
#include "platform/shared_library.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace lw {

class CFrame;
struct ExtensionModule;

struct ExtensionEffect {
    std::int32_t id = 0;
    std::unique_ptr<ExtensionEffect> next; // global list, older effects follow
    std::string name;                      // copied from LWXEffectInfo
    void* library = nullptr;               // the handle of its module's library
    const ExtensionModule* module = nullptr;
    std::int32_t maxSpeed = 0; // 0..5
    std::int32_t minSpeed = 0; // 0..5, never above maxSpeed
    std::int32_t kind = 0;     // EffectKind as the library reported it
    LWXPrepareProc prepare = nullptr;
    LWXDoRenderProc doRender = nullptr;
    LWXAdvancedProc advanced = nullptr;
};

struct ExtensionModule {
    std::unique_ptr<ExtensionModule> next;  // older modules follow
    ExtensionEffect* firstEffect = nullptr; // its most recently registered effect, or none
    SharedLibrary library;
    std::string fileName; // e.g. "fly.lwx"
    std::string path;     // full path
    LWXVendorInfoProc vendorInfo = nullptr;

    void* handle() const { return library.handle(); }
    // LWXVendorInfo(0) copied; none when the library has no vendor text.
    std::optional<std::string> vendorText() const;
    // The effects of this module's run in the global list: firstEffect and the following ones
    // of the same module, most recently registered first.
    template <typename F> void forEachEffect(F&& visit) const
    {
        for (const ExtensionEffect* e = firstEffect; e && e->module == this; e = e->next.get())
            visit(*e);
    }
};

class ExtensionHost : public EffectCatalog {
public:
    ExtensionHost() = default;
    ExtensionHost(const ExtensionHost&) = delete;
    ExtensionHost& operator=(const ExtensionHost&) = delete;
    ~ExtensionHost() override;

    // Loads every "*.lwx" file of the folder (when first needed, see above), in file-name order (so which of
    // two duplicate ids wins does not depend on the file system). Files that do not load, or lack
    // LWXGetExtensions, are skipped silently (and released at once). A library that lists ids
    // but lacks LWXGetInfo is kept as a module with no effects. Ids whose LWXGetInfo returns 0,
    // or that report no name or a kind other than 1..3, are skipped; speeds are clamped to 0..5
    // and put in order; at most 4096 ids and 255 bytes of a name are read. Always returns 0.
    int load(const std::string& folder);
    // Deletes every effect, then releases every library.
    void unload();

    const ExtensionModule* modules() const
    {
        openPending();
        return modules_.get();
    }
    const ExtensionEffect* effects() const
    {
        openPending();
        return effects_.get();
    }

    // The first effect with the id in the global list (the later-loaded library wins), or none.
    const ExtensionEffect* findEffect(std::int32_t id) const;
    // The module that holds the library handle, or none.
    const ExtensionModule* findModule(const void* libraryHandle) const;
    bool isRegistered(std::int32_t id) const { return findEffect(id) != nullptr; }
    bool isInstalled(std::int32_t effectId) const override { return isRegistered(effectId); }

    // Document load: an assignment naming an effect no library offers becomes {0, 0, 0}.
    // Returns 1 when it was cleared, else 0.
    int clearIfUnknown(EffectAssignment& assignment) const;
    // clearIfUnknown on the frame's intro and outro and on every object's intro and outro
    // (animation assignments are kept). Returns 1 when any was cleared.
    int clearUnknownInFrame(CFrame& frame) const;

    // 0 when the id is not registered.
    std::int32_t minSpeed(std::int32_t id) const;
    // 5 when the id is not registered.
    std::int32_t maxSpeed(std::int32_t id) const;
    // None for id 0, "Unknown" for an id that is not registered, else the effect's name.
    std::optional<std::string> effectName(std::int32_t id) const;

    // Forward to the effect's entry point with the same arguments and return its result;
    // 0 when the effect or the entry point is missing. The caller must not trust the context
    // the library hands back (see effect_drawing.h).
    std::int32_t prepare(std::int32_t id, LWXEffectContext& context, std::int32_t frameIndex) const;
    std::int32_t doRender(std::int32_t id, LWXEffectContext& context, std::int32_t frameIndex) const;
    // Whether the effect has advanced settings (the effect dialog's "Подробнее..." button).
    bool hasAdvanced(std::int32_t id) const;
    // LWXAdvanced(id, param, parent); 0 when missing.
    std::int32_t advanced(std::int32_t id, std::int32_t* param, void* parentWidget) const;

private:
    // Opens the libraries listed by load() and not opened yet, in the order listed.
    void openPending() const;
    void loadLibrary(const std::string& path, const std::string& fileName) const;

    // Filled on first use, hence mutable: the queries stay const. Effects are declared after
    // modules so they go first on destruction (unload order).
    mutable std::vector<std::pair<std::string, std::string>> pending_; // file name, full path
    mutable std::unique_ptr<ExtensionModule> modules_;
    mutable std::unique_ptr<ExtensionEffect> effects_;
};

} // namespace lw
