#pragma once
// Dialog 242 "Тень / Размытость" over ShadowModel.
#include "app/editor/shadow_model.h"
#include "app/widgets/checked_dialog.h"

#include <array>

class QCheckBox;

namespace lw {

class ShadowDialog : public CheckedDialog {
    Q_DECLARE_TR_FUNCTIONS(ShadowDialog)
public:
    ShadowDialog(const ShadowQuestion& question, QWidget* parent = nullptr);

    std::optional<ShadowAnswer> answer() const { return answer_; }
    static std::optional<ShadowAnswer> ask(QWidget* parent, const ShadowQuestion& question);

protected:
    std::optional<FieldRefusal> commit() override;

private:
    ShadowModel model_;
    std::array<QLineEdit*, ShadowModel::FieldCount> edits_{};
    QCheckBox* background_ = nullptr;
    std::optional<ShadowAnswer> answer_;
};

} // namespace lw
