#pragma once
// "Повторы": loop forever, or a count.
#include "app/editor/dialog_result.h"

namespace lw {

// "Повторы": "Постоянно" (0, loop forever) or "Время" with a count.
class LoopCountModel {
public:
    static constexpr int kMaxCount = 65535;
    explicit LoopCountModel(int loopCount);
    bool forever = true;
    QString count;
    DialogResult<int> accept() const;
};

} // namespace lw
