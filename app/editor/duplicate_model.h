#pragma once
// "Дублирование": offsets and the number of copies.
#include "app/editor/dialog_result.h"
#include "model/layer_duplicate.h"

namespace lw {

// "Дублирование": X and Y offsets and "Сколько дублей:".
class DuplicateModel {
public:
    static constexpr int kMaxCount = 100;
    explicit DuplicateModel(DuplicateSettings start);
    QString dx;
    QString dy;
    QString count;
    DialogResult<DuplicateSettings> accept() const;
};

} // namespace lw
