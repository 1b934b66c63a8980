#pragma once
// "Выравнивание": the two choices, the frame box and the margin.
#include "app/editor/dialog_result.h"
#include "model/layer_placement.h"

namespace lw {

// "Выравнивание": the two choices, "Выравнивание в кадре" (forced on for one layer) and the margin.
class AlignModel {
public:
    AlignModel(AlignSettings start, bool forceFrame);
    int horizontal = 0;
    int vertical = 0;
    bool toFrame = false;
    bool frameForced = false;
    QString margin;
    DialogResult<AlignSettings> accept() const;
};

} // namespace lw
