#include "engine/extension_host.h"

#include "engine/speed_name.h"
#include "model/frame.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <filesystem>
#include <utility>
#include <vector>

namespace lw {

namespace {

// A library cannot tell us how long its id list or its texts are; these bound what we read.
constexpr std::size_t kMaxIdsPerLibrary = 4096;
constexpr std::size_t kMaxNameLength = 255;
constexpr std::size_t kMaxVendorTextLength = 64 * 1024;

std::string copyText(const char* text, std::size_t maxLength)
{
    return std::string(text, strnlen(text, maxLength));
}

bool hasExtensionSuffix(const std::string& fileName)
{
    if (fileName.size() <= 4)
        return false;
    std::string suffix = fileName.substr(fileName.size() - 4);
    std::transform(suffix.begin(), suffix.end(), suffix.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return suffix == ".lwx";
}

template <typename Node> void freeChain(std::unique_ptr<Node>& head)
{
    // Node by node, so a long list never recurses deeply.
    while (head)
        head = std::move(head->next);
}

} // namespace

std::optional<std::string> ExtensionModule::vendorText() const
{
    if (!vendorInfo)
        return std::nullopt;
    const char* text = vendorInfo(0);
    if (!text)
        return std::nullopt;
    return copyText(text, kMaxVendorTextLength);
}

ExtensionHost::~ExtensionHost()
{
    unload();
}

int ExtensionHost::load(const std::string& folder)
{
    std::vector<std::pair<std::string, std::string>> files; // file name, full path
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        std::error_code statError;
        if (!it->is_regular_file(statError))
            continue;
        const std::string fileName = it->path().filename().string();
        if (hasExtensionSuffix(fileName))
            files.emplace_back(fileName, it->path().string());
    }
    std::sort(files.begin(), files.end());
    pending_.insert(pending_.end(), files.begin(), files.end());
    return 0;
}

void ExtensionHost::openPending() const
{
    if (pending_.empty())
        return;
    const auto files = std::exchange(pending_, {});
    for (const auto& [fileName, path] : files)
        loadLibrary(path, fileName);
}

void ExtensionHost::loadLibrary(const std::string& path, const std::string& fileName) const
{
    SharedLibrary library = SharedLibrary::open(path);
    if (!library.isLoaded())
        return;
    const auto getExtensions = library.function<LWXGetExtensionsProc>("LWXGetExtensions");
    if (!getExtensions)
        return; // not an extension; released at once

    auto module = std::make_unique<ExtensionModule>();
    module->fileName = fileName;
    module->path = path;
    module->vendorInfo = library.function<LWXVendorInfoProc>("LWXVendorInfo");
    const auto getInfo = library.function<LWXGetInfoProc>("LWXGetInfo");
    const auto prepare = library.function<LWXPrepareProc>("LWXPrepare");
    const auto doRender = library.function<LWXDoRenderProc>("LWXDoRender");
    const auto advanced = library.function<LWXAdvancedProc>("LWXAdvanced");
    module->library = std::move(library);
    module->next = std::move(modules_);
    modules_ = std::move(module);
    ExtensionModule& registered = *modules_;

    const std::int32_t* ids = getExtensions();
    // A library that lists ids but cannot describe them stays listed, with no effects.
    if (!ids || !getInfo)
        return;
    for (std::size_t i = 0; i < kMaxIdsPerLibrary && ids[i] != 0; ++i) {
        const std::int32_t id = ids[i];
        LWXEffectInfo info{};
        if (getInfo(id, &info) == 0)
            continue;
        // An effect with no name or no known kind could never be chosen or shown; skip it.
        if (!info.name || info.kind < LWX_KIND_INTRO || info.kind > LWX_KIND_ANIMATION)
            continue;
        auto effect = std::make_unique<ExtensionEffect>();
        effect->id = id;
        effect->name = copyText(info.name, kMaxNameLength);
        effect->library = registered.handle();
        effect->module = &registered;
        effect->minSpeed = std::clamp<std::int32_t>(info.minSpeed, 0, kSlowestSpeed);
        effect->maxSpeed = std::clamp<std::int32_t>(info.maxSpeed, 0, kSlowestSpeed);
        if (effect->minSpeed > effect->maxSpeed)
            std::swap(effect->minSpeed, effect->maxSpeed);
        effect->kind = info.kind;
        effect->prepare = prepare;
        effect->doRender = doRender;
        effect->advanced = advanced;
        effect->next = std::move(effects_);
        effects_ = std::move(effect);
        registered.firstEffect = effects_.get();
    }
}

void ExtensionHost::unload()
{
    pending_.clear();
    freeChain(effects_);
    freeChain(modules_);
}

const ExtensionEffect* ExtensionHost::findEffect(std::int32_t id) const
{
    openPending();
    for (const ExtensionEffect* e = effects_.get(); e; e = e->next.get())
        if (e->id == id)
            return e;
    return nullptr;
}

const ExtensionModule* ExtensionHost::findModule(const void* libraryHandle) const
{
    if (!libraryHandle)
        return nullptr;
    for (const ExtensionModule* m = modules(); m; m = m->next.get())
        if (m->handle() == libraryHandle)
            return m;
    return nullptr;
}

std::int32_t ExtensionHost::minSpeed(std::int32_t id) const
{
    const ExtensionEffect* e = findEffect(id);
    return e ? e->minSpeed : 0;
}

std::int32_t ExtensionHost::maxSpeed(std::int32_t id) const
{
    const ExtensionEffect* e = findEffect(id);
    return e ? e->maxSpeed : kSlowestSpeed;
}

std::optional<std::string> ExtensionHost::effectName(std::int32_t id) const
{
    if (id == 0)
        return std::nullopt;
    const ExtensionEffect* e = findEffect(id);
    return e ? e->name : std::string("Unknown");
}

std::int32_t ExtensionHost::prepare(std::int32_t id, LWXEffectContext& context, std::int32_t frameIndex) const
{
    const ExtensionEffect* e = findEffect(id);
    return e && e->prepare ? e->prepare(id, &context, frameIndex) : 0;
}

std::int32_t ExtensionHost::doRender(std::int32_t id, LWXEffectContext& context,
                                     std::int32_t frameIndex) const
{
    const ExtensionEffect* e = findEffect(id);
    return e && e->doRender ? e->doRender(id, &context, frameIndex) : 0;
}

int ExtensionHost::clearIfUnknown(EffectAssignment& assignment) const
{
    if (assignment.effectId == 0 || isRegistered(assignment.effectId))
        return 0;
    assignment = EffectAssignment{};
    return 1;
}

int ExtensionHost::clearUnknownInFrame(CFrame& frame) const
{
    int cleared = clearIfUnknown(frame.introEffect) | clearIfUnknown(frame.outroEffect);
    for (CLayerObject* object = frame.head.get(); object; object = object->next.get())
        cleared |= clearIfUnknown(object->introEffect) | clearIfUnknown(object->outroEffect);
    return cleared;
}

bool ExtensionHost::hasAdvanced(std::int32_t id) const
{
    const ExtensionEffect* e = findEffect(id);
    return e && e->advanced;
}

std::int32_t ExtensionHost::advanced(std::int32_t id, std::int32_t* param, void* parentWidget) const
{
    const ExtensionEffect* e = findEffect(id);
    return e && e->advanced ? e->advanced(id, param, parentWidget) : 0;
}

} // namespace lw
