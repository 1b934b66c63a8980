#pragma once
// The editor's place on a freedesktop desktop: the .lwd and .lwx file types, a menu entry that
// opens .lwd documents, and the icons. The installed files are generated from these texts at
// build time; at start-up the editor writes the same files for the current user, pointing at its
// own program file, so a build tree that was never installed is known to the desktop as well.
#include <string>

namespace lw {

inline constexpr const char* kDocumentMimeType = "application/x-loopwright-document";
inline constexpr const char* kExtensionMimeType = "application/x-loopwright-extension";
inline constexpr const char* kDesktopFileName = "loopwright.desktop";
inline constexpr const char* kMimePackageFileName = "loopwright.xml";
inline constexpr const char* kProgramIconName = "loopwright";

// shared-mime-info package declaring both file types.
std::string mimePackageXml();

// The desktop entry; execCommand is the program as it goes on the Exec line (already quoted).
std::string desktopEntry(const std::string& execCommand);

// A path quoted for an Exec line: inside double quotes, with ", `, $ and \ escaped, then every
// backslash doubled, every % doubled and line breaks and tabs escaped, as entry values require.
std::string quotedExecArgument(const std::string& path);

struct DesktopRegistration {
    std::string programPath; // the running program file
    std::string dataHome;    // usually ~/.local/share
    std::string iconFolder;  // holds loopwright.svg, document-lwd.svg and document-lwx.svg
};

struct DesktopRegistrationResult {
    bool complete = false; // every file is in place
    bool changed = false;  // some file was new or different, so the desktop's caches were refreshed
};

// Writes the user's copies of the files (only those that differ) and, when something changed,
// asks update-mime-database and update-desktop-database to reread them without waiting for them.
// Failures are ignored by the caller: the editor works the same without its desktop entries.
DesktopRegistrationResult registerWithDesktop(const DesktopRegistration& registration,
                                              bool refreshCaches = true);

// registerWithDesktop for the running editor: its own program file, the user's data folder and
// the icons compiled into it under ":/icons".
DesktopRegistrationResult registerRunningProgramWithDesktop();

} // namespace lw
