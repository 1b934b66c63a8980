#pragma once
// "Правка текста" over TextDialogModel: the text (several lines allowed), "Шрифт...", the
// alignment (only for several lines), the outline and "Сгладить". OK with an empty text shows
// "Введите текст рисунка. " and stays open with the focus in the text.
#include "app/editor/text_dialog_model.h"
#include "app/widgets/checked_dialog.h"

#include <functional>

class QCheckBox;
class QComboBox;
class QPlainTextEdit;
class QPushButton;

namespace lw {

class TextDialog : public CheckedDialog {
    Q_DECLARE_TR_FUNCTIONS(TextDialog)
public:
    explicit TextDialog(const TextProperties& start, QWidget* parent = nullptr);

    // Asks for a font (the desktop's font dialog unless replaced); nothing on Cancel.
    std::function<std::optional<LogFont>(QWidget* parent, const LogFont& start)> askFont;

    const TextProperties& values() const { return model_.values; }
    static std::optional<TextProperties> ask(QWidget* parent, const TextProperties& start);

protected:
    std::optional<FieldRefusal> commit() override;

private:
    void chooseFont();
    void showFont();
    void textChanged();

    TextDialogModel model_;
    QPlainTextEdit* text_ = nullptr;
    QComboBox* alignment_ = nullptr;
    QComboBox* outline_ = nullptr;
    QCheckBox* smoothing_ = nullptr;
};

} // namespace lw
