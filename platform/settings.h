#pragma once
// The per-user settings store. Sections ("Current", "Recent File List", "Frame", "Align") become
// groups; names and defaults are the callers'. Tests and lwtool can point it at a private folder.
#include <cstdint>
#include <string>

namespace lw {

class Settings {
public:
    static constexpr const char* kOrganization = "Quarvex";

    // Redirects every later Settings to an INI file in the given folder (never the user's store).
    static void usePrivateLocation(const std::string& folder);

    std::int32_t readInt(const std::string& section, const std::string& name, std::int32_t fallback) const;
    void writeInt(const std::string& section, const std::string& name, std::int32_t value);
    std::string readString(const std::string& section, const std::string& name,
                           const std::string& fallback = {}) const;
    void writeString(const std::string& section, const std::string& name, const std::string& value);
    bool contains(const std::string& section, const std::string& name) const;
    void remove(const std::string& section, const std::string& name);
    void sync();
};

} // namespace lw
