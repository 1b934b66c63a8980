#pragma once
// Dialog 234 "Настройки фильтра" over FilterSettingsModel.
#include "app/editor/filter_settings_model.h"
#include "app/widgets/checked_dialog.h"

class QCheckBox;
class QComboBox;

namespace lw {

class FilterSettingsDialog : public CheckedDialog {
    Q_DECLARE_TR_FUNCTIONS(FilterSettingsDialog)
public:
    FilterSettingsDialog(const FilterSettingsQuestion& question, QWidget* parent = nullptr);

    std::optional<FilterSettingsAnswer> answer() const { return answer_; }
    static std::optional<FilterSettingsAnswer> ask(QWidget* parent, const FilterSettingsQuestion& question);

protected:
    std::optional<FieldRefusal> commit() override;

private:
    FilterSettingsModel model_;
    QComboBox* choices_ = nullptr;
    QCheckBox* reverse_ = nullptr;
    std::optional<FilterSettingsAnswer> answer_;
};

} // namespace lw
