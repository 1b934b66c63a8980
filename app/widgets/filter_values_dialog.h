#pragma once
// Dialogs 233 "Фильтр", 192 "Размытость" and 235 "Уменьшение цветов" over FilterValuesModel.
#include "app/editor/filter_values_model.h"
#include "app/widgets/checked_dialog.h"

namespace lw {

class FilterValuesDialog : public CheckedDialog {
    Q_DECLARE_TR_FUNCTIONS(FilterValuesDialog)
public:
    FilterValuesDialog(const FilterValuesQuestion& question, QWidget* parent = nullptr);

    // The values OK returned; nothing before OK.
    const std::optional<std::vector<int>>& answer() const { return answer_; }
    static std::optional<std::vector<int>> ask(QWidget* parent, const FilterValuesQuestion& question);

protected:
    std::optional<FieldRefusal> commit() override;

private:
    FilterValuesModel model_;
    std::vector<QLineEdit*> edits_;
    std::optional<std::vector<int>> answer_;
};

} // namespace lw
