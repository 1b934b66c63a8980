#pragma once
// Duplicating the selected layers several times, each copy shifted a further step.
namespace lw {

class CLayerList;

struct DuplicateSettings {
    int dx = 10;
    int dy = 10;
    int count = 1;
};

// Copies the selection once and pastes it `count` times; copy i moves by (i × dx, i × dy) and
// only the last copy stays selected. Returns the number of layers added (0 without a selection).
int DuplicateSelected(CLayerList& list, const DuplicateSettings& settings);

} // namespace lw
