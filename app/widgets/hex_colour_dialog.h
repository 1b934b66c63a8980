#pragma once
// Dialog 232 "Шестнадцатеричный Цвет": the colour as hexadecimal digits between "<...COLOR = #"
// and "...>". OK is refused while the field holds no digits.
#include "app/widgets/checked_dialog.h"

namespace lw {

class HexColourDialog : public CheckedDialog {
    Q_DECLARE_TR_FUNCTIONS(HexColourDialog)
public:
    HexColourDialog(const QString& digits, QWidget* parent = nullptr);

    QString digits() const;

protected:
    std::optional<FieldRefusal> commit() override;

private:
    QLineEdit* edit_ = nullptr;
};

} // namespace lw
