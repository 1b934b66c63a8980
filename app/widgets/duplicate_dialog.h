#pragma once
// DuplicateDialog: its fields show DuplicateModel, OK hands the typed texts back to it.
#include "app/editor/duplicate_model.h"
#include "app/widgets/checked_dialog.h"

namespace lw {

// "Дублирование".
class DuplicateDialog : public CheckedDialog {
    Q_DECLARE_TR_FUNCTIONS(DuplicateDialog)
public:
    DuplicateDialog(DuplicateSettings start, QWidget* parent = nullptr);
    std::optional<DuplicateSettings> answer() const { return answer_; }

protected:
    std::optional<FieldRefusal> commit() override;

private:
    DuplicateModel model_;
    QLineEdit* dx_ = nullptr;
    QLineEdit* dy_ = nullptr;
    QLineEdit* count_ = nullptr;
    std::optional<DuplicateSettings> answer_;
};

} // namespace lw
