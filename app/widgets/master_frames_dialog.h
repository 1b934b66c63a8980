#pragma once
// MasterFramesDialog: its fields show MasterFramesModel, OK hands the typed texts back to it.
#include "app/editor/master_frames_model.h"
#include "app/widgets/checked_dialog.h"

namespace lw {

// "Мастер кадров".
class MasterFramesDialog : public CheckedDialog {
    Q_DECLARE_TR_FUNCTIONS(MasterFramesDialog)
public:
    explicit MasterFramesDialog(QWidget* parent = nullptr);
    std::optional<MasterFramesAnswer> answer() const { return answer_; }

protected:
    std::optional<FieldRefusal> commit() override;

private:
    MasterFramesModel model_;
    QLineEdit* count_ = nullptr;
    QLineEdit* seconds_ = nullptr;
    std::optional<MasterFramesAnswer> answer_;
};

} // namespace lw
