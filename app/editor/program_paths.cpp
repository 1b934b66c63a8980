#include "app/editor/program_paths.h"

#include <filesystem>

namespace lw {
namespace {

namespace fs = std::filesystem;

std::string folderFor(const fs::path& program, const char* name, const char* installedUnder)
{
    std::error_code ec;
    const fs::path beside = program / name;
    if (fs::is_directory(beside, ec))
        return beside.string();
    const fs::path installed = program.parent_path() / installedUnder / "loopwright" / name;
    if (fs::is_directory(installed, ec))
        return installed.string();
    return beside.string();
}

} // namespace

ProgramPaths findProgramPaths(const std::string& programFolder)
{
    const fs::path program = fs::path(programFolder).lexically_normal();
    const std::string docs = folderFor(program, "docs", "share");
    ProgramPaths paths;
    paths.helpIndex = docs + "/index.htm";
    paths.tutorial = docs + "/tutorial.htm";
    paths.keyboard = docs + "/keyboard.htm";
    paths.extensions = folderFor(program, "extensions", "lib") + "/";
    paths.example = folderFor(program, "examples", "share") + "/fashion.lwd";
    return paths;
}

} // namespace lw
