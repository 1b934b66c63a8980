#pragma once
// Dialog 225 "Окантовка кадра" over FrameBorderModel: the width list and "Выбор цвета", which
// opens the colour dialog without transparency.
#include "app/editor/frame_border_model.h"
#include "app/widgets/checked_dialog.h"

#include <functional>

class QComboBox;
class QLabel;

namespace lw {

class FrameBorderDialog : public CheckedDialog {
    Q_DECLARE_TR_FUNCTIONS(FrameBorderDialog)
public:
    FrameBorderDialog(const FrameBorderQuestion& question, QWidget* parent = nullptr);

    const FrameBorderModel& model() const { return model_; }
    std::optional<FrameBorderAnswer> answer() const { return answer_; }
    // Asks for the colour (the colour dialog unless replaced); nothing on Cancel.
    std::function<std::optional<std::uint32_t>(QWidget* parent, std::uint32_t colour, const QString& caption)>
        askColour;

    static std::optional<FrameBorderAnswer> ask(QWidget* parent, const FrameBorderQuestion& question);

protected:
    std::optional<FieldRefusal> commit() override;

private:
    void chooseColour();
    void showColour();

    FrameBorderModel model_;
    QComboBox* width_ = nullptr;
    QLabel* sample_ = nullptr;
    std::optional<FrameBorderAnswer> answer_;
};

} // namespace lw
