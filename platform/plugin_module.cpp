#include "platform/plugin_module.h"

#include "platform/program_folders.h"
#include "platform/shared_library.h"

#include <dlfcn.h>
#include <filesystem>

namespace lw {

namespace fs = std::filesystem;

std::string pluginPath(const std::string& name)
{
    const fs::path dir(runningProgramFolder());
    std::string folder = programFoldersFor(dir.string()).plugins;
    std::error_code ec;
    if (!fs::is_directory(folder, ec) && fs::is_directory(dir.parent_path() / "plugins", ec))
        folder = (dir.parent_path() / "plugins").string();
    return folder + "/" + name + ".so";
}

PluginEntry openPluginEntry(const std::string& name, const char* entry)
{
    const std::string path = pluginPath(name);
    // Never unloaded: no handle to keep.
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
    if (!handle)
        return {nullptr, SharedLibrary::lastError()};
    void* function = dlsym(handle, entry);
    if (!function)
        return {nullptr, path + " has no entry point " + entry};
    return {function, {}};
}

} // namespace lw
