#pragma once
// Dialog 162 "Поворот" over RotationModel.
#include "app/editor/rotation_model.h"
#include "app/widgets/checked_dialog.h"

class QCheckBox;
class QRadioButton;

namespace lw {

class RotationDialog : public CheckedDialog {
    Q_DECLARE_TR_FUNCTIONS(RotationDialog)
public:
    RotationDialog(const RotationQuestion& question, QWidget* parent = nullptr);

    std::optional<RotationAnswer> answer() const { return answer_; }
    static std::optional<RotationAnswer> ask(QWidget* parent, const RotationQuestion& question);

protected:
    std::optional<FieldRefusal> commit() override;

private:
    RotationModel model_;
    QLineEdit* angle_ = nullptr;
    QRadioButton* clockwise_ = nullptr;
    QRadioButton* counterClockwise_ = nullptr;
    QCheckBox* smooth_ = nullptr;
    std::optional<RotationAnswer> answer_;
};

} // namespace lw
