#include "model/flood_fill.h"

#include <vector>

namespace lw {

bool floodFill(CRaster& image, int x, int y, std::uint32_t colour)
{
    if (!image.hasBlock() || !image.contains(x, y))
        return false;
    const std::uint32_t target = image.bits()[image.indexOf(x, y)];
    if (target == colour)
        return false;
    const int w = image.width();
    const int h = image.height();
    struct Seed {
        int x, y;
    };
    std::vector<Seed> work{{x, y}};
    // Pushes one seed for every run of target pixels of row y within [left, right].
    auto seedRow = [&](int left, int right, int row) {
        if (row < 0 || row >= h)
            return;
        const std::uint32_t* p = image.bits() + image.indexOf(0, row);
        for (int i = left; i <= right; ++i) {
            if (p[i] != target)
                continue;
            work.push_back({i, row});
            while (i <= right && p[i] == target)
                ++i;
        }
    };
    while (!work.empty()) {
        const Seed s = work.back();
        work.pop_back();
        std::uint32_t* row = image.bits() + image.indexOf(0, s.y);
        if (row[s.x] != target)
            continue;
        int left = s.x;
        while (left > 0 && row[left - 1] == target)
            --left;
        int right = s.x;
        while (right + 1 < w && row[right + 1] == target)
            ++right;
        for (int i = left; i <= right; ++i)
            row[i] = colour;
        seedRow(left, right, s.y - 1);
        seedRow(left, right, s.y + 1);
    }
    return true;
}

} // namespace lw
