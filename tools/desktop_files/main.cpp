// desktop_files: writes the installed MIME package and desktop entry, from the same texts the
// editor registers for its user at start-up.
#include "platform/desktop_integration.h"

#include <cstdio>
#include <fstream>
#include <string>

namespace {

bool write(const std::string& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    if (!out) {
        std::fprintf(stderr, "desktop_files: cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fputs("Usage: desktop_files OUTPUT_FOLDER\n", stderr);
        return 2;
    }
    const std::string folder = argv[1];
    // Installed, the program is on the PATH, so the entry names it plainly.
    const bool ok = write(folder + "/" + lw::kMimePackageFileName, lw::mimePackageXml()) &&
                    write(folder + "/" + lw::kDesktopFileName, lw::desktopEntry("lw"));
    return ok ? 0 : 1;
}
