#pragma once
// Where the tests find the build tree (extensions, programs) and the sources (test data).
#include <cstdlib>
#include <string>

namespace lwtest {

inline std::string buildDir()
{
    const char* dir = std::getenv("LW_BUILD_DIR");
    return dir ? dir : ".";
}

inline std::string sourceDir()
{
    const char* dir = std::getenv("LW_SOURCE_DIR");
    return dir ? dir : "..";
}

} // namespace lwtest
