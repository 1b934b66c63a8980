#include "app/editor/recent_files.h"

#include "platform/settings.h"

#include <algorithm>
#include <filesystem>

namespace lw {
namespace {

constexpr const char* kSection = "Recent File List";

std::string nameOf(int slot)
{
    return "File" + std::to_string(slot + 1);
}

// Two spellings of one file ("a/../b.lwd" and "b.lwd") are one entry.
std::string canonical(const std::string& path)
{
    std::error_code ec;
    const auto absolute = std::filesystem::absolute(path, ec);
    return ec ? path : absolute.lexically_normal().string();
}

} // namespace

void RecentFiles::load(const Settings& settings)
{
    paths_.clear();
    for (int slot = 0; slot < kSize; ++slot) {
        const std::string path = settings.readString(kSection, nameOf(slot));
        if (!path.empty())
            paths_.push_back(path);
    }
}

void RecentFiles::store(Settings& settings) const
{
    for (int slot = 0; slot < kSize; ++slot) {
        if (slot < static_cast<int>(paths_.size()))
            settings.writeString(kSection, nameOf(slot), paths_[slot]);
        else
            settings.remove(kSection, nameOf(slot));
    }
}

void RecentFiles::add(const std::string& path)
{
    const std::string entry = canonical(path);
    remove(entry);
    paths_.insert(paths_.begin(), entry);
    if (paths_.size() > kSize)
        paths_.resize(kSize);
}

void RecentFiles::remove(const std::string& path)
{
    const std::string entry = canonical(path);
    std::erase_if(paths_, [&entry](const std::string& p) { return canonical(p) == entry; });
}

} // namespace lw
