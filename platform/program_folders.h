#pragma once
// The folders a program reads beside itself: the effect libraries, the plug-in modules, the help
// pages and the example. A build tree keeps them next to the program (extensions/, plugins/,
// docs/, examples/); an installed program finds them under its prefix (bin/ →
// lib/loopwright/extensions, lib/loopwright/plugins, share/loopwright/docs,
// share/loopwright/examples). Each folder is looked up on its own, beside the program first.
#include <string>

namespace lw {

struct ProgramFolders {
    std::string extensions;
    std::string plugins;
    std::string docs;
    std::string examples;

    std::string helpIndex() const { return docs + "/index.htm"; }
    std::string tutorial() const { return docs + "/tutorial.htm"; }
    std::string keyboard() const { return docs + "/keyboard.htm"; }
    std::string exampleDocument() const { return examples + "/fashion.lwd"; }
};

// The folders of a program that lives in programDir. A folder found in neither place is named
// beside the program, so a message about it points where a build would put it.
ProgramFolders programFoldersFor(const std::string& programDir);

// The folders of the running program (needs a QCoreApplication).
ProgramFolders programFolders();

// The folder of the running executable, read from the system without Qt.
std::string runningProgramFolder();

} // namespace lw
