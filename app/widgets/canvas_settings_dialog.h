#pragma once
// CanvasSettingsDialog: its fields show CanvasSettingsModel, OK hands the typed texts back to it.
#include "app/editor/canvas_settings_model.h"
#include "app/widgets/checked_dialog.h"

namespace lw {

// "Установки кадра".
class CanvasSettingsDialog : public CheckedDialog {
    Q_DECLARE_TR_FUNCTIONS(CanvasSettingsDialog)
public:
    CanvasSettingsDialog(CanvasSize size, QWidget* parent = nullptr);
    std::optional<CanvasSize> answer() const { return answer_; }

protected:
    std::optional<FieldRefusal> commit() override;

private:
    CanvasSettingsModel model_;
    QLineEdit* width_ = nullptr;
    QLineEdit* height_ = nullptr;
    std::optional<CanvasSize> answer_;
};

} // namespace lw
