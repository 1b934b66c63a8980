#pragma once
// The plug-in modules of the running program: plugins/NAME.so beside it, or under its install
// prefix. A module is opened on first use and stays loaded until the program ends, so that what
// its libraries keep in globals at exit is still theirs.
#include <string>
#include <utility>

namespace lw {

// The module of that name ("avi_ffmpeg" → .../plugins/avi_ffmpeg.so) for the running executable.
// Programs in a subfolder of a build tree (bench/, fuzz/) use the build's plug-ins.
std::string pluginPath(const std::string& name);

struct PluginEntry {
    void* function = nullptr; // the module's entry point
    std::string problem;      // why there is none
};

// Opens the module and looks up its entry point.
PluginEntry openPluginEntry(const std::string& name, const char* entry);

// A module's interface: what its entry point, a function without arguments, returns.
template <typename Interface> struct Plugin {
    const Interface* api = nullptr;
    std::string problem; // why there is none
};

template <typename Interface> Plugin<Interface> openPlugin(const std::string& name, const char* entry)
{
    PluginEntry found = openPluginEntry(name, entry);
    if (!found.function)
        return {nullptr, std::move(found.problem)};
    const Interface* api = reinterpret_cast<const Interface* (*)()>(found.function)();
    if (!api)
        return {nullptr, pluginPath(name) + ": " + entry + " gave no interface"};
    return {api, {}};
}

} // namespace lw
