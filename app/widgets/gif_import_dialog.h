#pragma once
// "Импортирование GIF-файла" over GifImportModel.
#include "app/editor/gif_import_model.h"
#include "app/widgets/checked_dialog.h"

class QCheckBox;
class QRadioButton;

namespace lw {

class GifImportDialog : public CheckedDialog {
    Q_DECLARE_TR_FUNCTIONS(GifImportDialog)
public:
    GifImportDialog(const GifImportQuestion& question, QWidget* parent = nullptr);

    std::optional<GifImportAnswer> answer() const { return answer_; }
    static std::optional<GifImportAnswer> ask(QWidget* parent, const GifImportQuestion& question);

protected:
    std::optional<FieldRefusal> commit() override;

private:
    GifImportModel model_;
    QCheckBox* allFrames_ = nullptr;
    QRadioButton* full_ = nullptr;
    QRadioButton* optimised_ = nullptr;
    std::optional<GifImportAnswer> answer_;
};

} // namespace lw
