#pragma once
// CloneFramesDialog: its fields show CloneFramesModel, OK hands the typed texts back to it.
#include "app/editor/clone_frames_model.h"
#include "app/widgets/checked_dialog.h"

class QListWidget;

namespace lw {

// "Клонирование пункта": the other frames, checked where a clone is wanted.
class CloneFramesDialog : public CheckedDialog {
    Q_DECLARE_TR_FUNCTIONS(CloneFramesDialog)
public:
    CloneFramesDialog(std::vector<CloneFrameItem> items, QWidget* parent = nullptr);
    std::optional<std::vector<bool>> answer() const { return answer_; }
    QListWidget* list() const { return list_; }

protected:
    std::optional<FieldRefusal> commit() override;

private:
    CloneFramesModel model_;
    QListWidget* list_ = nullptr;
    std::optional<std::vector<bool>> answer_;
};

} // namespace lw
