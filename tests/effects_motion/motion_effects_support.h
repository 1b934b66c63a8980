#pragma once
// Loading one effect library of the build tree through the extension host, and building the
// contexts and pixel blocks the host would pass.
#include "engine/extension_host.h"
#include "engine/lwx.h"

#include <cstdint>
#include <string>
#include <vector>

namespace lwtest {

// A host that has loaded only <name>.lwx from the build tree's extensions/ folder (copied into a
// private folder, so other libraries with the same ids cannot take over a lookup). Loaded once
// per program and kept until exit, as the application does.
const lw::ExtensionHost& hostWithLibrary(const std::string& name);

// A host that has loaded the given libraries (names without ".lwx") the same way, together.
const lw::ExtensionHost& hostWithLibraries(const std::vector<std::string>& names);

// The module of <name>.lwx in that host; fails the test when it was not loaded.
const lw::ExtensionModule& libraryModule(const std::string& name);

// A context as the host builds it for an object: current = home, no target.
LWXEffectContext objectContext(const LWXRect& canvas, const LWXRect& home, std::int32_t frameCount,
                               std::int32_t speed = 0, std::int32_t param = 0);

// Bottom-up pixels of a w x h image whose pixel (x, y) (row 0 on top) is pixel(x, y).
template <typename F> std::vector<std::uint32_t> bottomUpImage(int w, int h, F pixel)
{
    std::vector<std::uint32_t> out(static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            out[static_cast<std::size_t>(x + (h - 1 - y) * w)] = pixel(x, y);
    return out;
}

// Pixel (x, y), row 0 on top, of a bottom-up w x h block.
inline std::uint32_t pixelAt(const std::vector<std::uint32_t>& image, int w, int h, int x, int y)
{
    return image.at(static_cast<std::size_t>(x + (h - 1 - y) * w));
}

inline int widthOf(const LWXRect& r)
{
    return r.right - r.left;
}

inline int heightOf(const LWXRect& r)
{
    return r.bottom - r.top;
}

// A target block of w x h pixels followed by guard pixels that an extension must never touch.
class GuardedTarget {
public:
    static constexpr std::uint32_t kGuard = 0xDEADBEEFu;
    static constexpr std::size_t kGuardCount = 64;

    GuardedTarget(int w, int h)
        : pixelCount_(static_cast<std::size_t>(w) * static_cast<std::size_t>(h)),
          block_(pixelCount_ + kGuardCount, 0)
    {
        for (std::size_t i = pixelCount_; i < block_.size(); ++i)
            block_[i] = kGuard;
    }
    std::uint32_t* pixels() { return block_.data(); }
    bool guardsIntact() const
    {
        for (std::size_t i = pixelCount_; i < block_.size(); ++i)
            if (block_[i] != kGuard)
                return false;
        return true;
    }
    std::vector<std::uint32_t> image() const
    {
        return {block_.begin(), block_.begin() + static_cast<std::ptrdiff_t>(pixelCount_)};
    }

private:
    std::size_t pixelCount_;
    std::vector<std::uint32_t> block_;
};

} // namespace lwtest
