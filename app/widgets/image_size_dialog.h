#pragma once
// ImageSizeDialog: its fields show ImageSizeModel, OK hands the typed texts back to it.
#include "app/editor/image_size_model.h"
#include "app/widgets/checked_dialog.h"

class QCheckBox;

namespace lw {

// "Размер рисунка".
class ImageSizeDialog : public CheckedDialog {
    Q_DECLARE_TR_FUNCTIONS(ImageSizeDialog)
public:
    ImageSizeDialog(CanvasSize size, QWidget* parent = nullptr);
    std::optional<CanvasSize> answer() const { return answer_; }

protected:
    std::optional<FieldRefusal> commit() override;

private:
    ImageSizeModel model_;
    QLineEdit* width_ = nullptr;
    QLineEdit* height_ = nullptr;
    QCheckBox* keep_ = nullptr;
    std::optional<CanvasSize> answer_;
};

} // namespace lw
