#pragma once
// The File menu's four most recent documents, kept in the settings store ("Recent File List",
// "File1" … "File4"), newest first.
#include <string>
#include <vector>

namespace lw {

class Settings;

class RecentFiles {
public:
    static constexpr int kSize = 4;

    // Reads the list from the store (empty names are skipped).
    void load(const Settings& settings);
    // Writes the list to the store, clearing unused names.
    void store(Settings& settings) const;

    // Puts a path first; an entry for the same file moves up rather than appearing twice.
    void add(const std::string& path);
    void remove(const std::string& path);
    const std::vector<std::string>& paths() const { return paths_; }

private:
    std::vector<std::string> paths_;
};

} // namespace lw
