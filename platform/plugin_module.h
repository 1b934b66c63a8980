#pragma once
// The plug-in modules of the running program: plugins/NAME.so beside it, or under its install
// prefix. A module is opened on first use and stays loaded until the program ends, so that what
// its libraries keep in globals at exit is still theirs.
#include <string>

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

} // namespace lw
