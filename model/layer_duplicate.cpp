#include "model/layer_duplicate.h"

#include "model/layer_clipboard.h"
#include "model/layer_rect.h"

#include <algorithm>

namespace lw {

int DuplicateSelected(CLayerList& list, const DuplicateSettings& settings)
{
    const LayerClipboardBlock block = CopySelectedToBlock(list);
    if (block.empty())
        return 0;
    int added = 0;
    for (int i = 1; i <= settings.count; ++i) {
        list.SelectNone();
        added += PasteBlock(list, block);
        // No step leaves the workspace further than its size; keeps the products in range.
        auto step = [i](int d) {
            return static_cast<int>(std::clamp<long long>(static_cast<long long>(i) * d, -2 * kWorkspaceSize,
                                                          2 * kWorkspaceSize));
        };
        list.MoveSelected(step(settings.dx), step(settings.dy));
    }
    return added;
}

} // namespace lw
