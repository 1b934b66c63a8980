#pragma once
// The program's folders: help pages, the example document and the extensions, found beside the
// program (the build tree) or under the installed prefix.
#include <string>

namespace lw {

struct ProgramPaths {
    std::string helpIndex;  // docs/index.htm
    std::string tutorial;   // docs/tutorial.htm
    std::string keyboard;   // docs/keyboard.htm
    std::string extensions; // extensions/ (with its trailing separator)
    std::string example;    // examples/fashion.lwd
};

// `programFolder` is the folder holding the program file. Each folder is taken beside the
// program when it is there, else under <prefix>/lib/loopwright (extensions) or
// <prefix>/share/loopwright (docs, examples), else beside the program all the same.
ProgramPaths findProgramPaths(const std::string& programFolder);

} // namespace lw
