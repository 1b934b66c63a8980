#include "platform/program_folders.h"

#include <QCoreApplication>
#include <filesystem>

// The build passes the installed layout relative to the prefix; these are its defaults.
#ifndef LW_INSTALL_EXTENSIONS_DIR
#define LW_INSTALL_EXTENSIONS_DIR "lib/loopwright/extensions"
#endif
#ifndef LW_INSTALL_PLUGINS_DIR
#define LW_INSTALL_PLUGINS_DIR "lib/loopwright/plugins"
#endif
#ifndef LW_INSTALL_DATA_DIR
#define LW_INSTALL_DATA_DIR "share/loopwright"
#endif

namespace lw {
namespace {

namespace fs = std::filesystem;

std::string pick(const fs::path& beside, const fs::path& installed)
{
    std::error_code ec;
    if (fs::is_directory(beside, ec))
        return beside.string();
    if (fs::is_directory(installed, ec))
        return installed.string();
    return beside.string();
}

} // namespace

ProgramFolders programFoldersFor(const std::string& programDir)
{
    const fs::path dir(programDir);
    // Programs are installed in PREFIX/bin, so the prefix is the folder above.
    const fs::path prefix = (dir / "..").lexically_normal();
    const fs::path data = prefix / LW_INSTALL_DATA_DIR;
    ProgramFolders folders;
    folders.extensions = pick(dir / "extensions", prefix / LW_INSTALL_EXTENSIONS_DIR);
    folders.plugins = pick(dir / "plugins", prefix / LW_INSTALL_PLUGINS_DIR);
    folders.docs = pick(dir / "docs", data / "docs");
    folders.examples = pick(dir / "examples", data / "examples");
    return folders;
}

ProgramFolders programFolders()
{
    return programFoldersFor(QCoreApplication::applicationDirPath().toStdString());
}

std::string runningProgramFolder()
{
    std::error_code ec;
    const fs::path program = fs::read_symlink("/proc/self/exe", ec);
    return ec ? std::string(".") : program.parent_path().string();
}

} // namespace lw
