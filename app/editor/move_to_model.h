#pragma once
// "Сместить в...": direction and distance.
#include "app/editor/dialog_result.h"
#include "model/layer_placement.h"

namespace lw {

// "Сместить в...": direction ("верх", "право", "низ", "лево") and distance.
struct MoveToAnswer {
    MoveDirection direction = MoveDirection::Up;
    int distance = 10;
};
class MoveToModel {
public:
    explicit MoveToModel(MoveToAnswer start);
    int direction = 0;
    QString distance;
    DialogResult<MoveToAnswer> accept() const;
};

} // namespace lw
