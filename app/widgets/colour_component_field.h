#pragma once
// A colour dialog field with its spin arrows: the text goes to the model as typed (the model keeps
// what it may), and the arrows step by one. The dialog writes the model's value back.
#include <QAbstractSpinBox>

#include <functional>

namespace lw {

class ColourComponentField : public QAbstractSpinBox {
public:
    explicit ColourComponentField(QWidget* parent);

    // Shows a value without reporting it back.
    void showValue(int value);

    std::function<void(const QString&)> onTyped;
    std::function<void(int)> onStep;

    void stepBy(int steps) override;
    QValidator::State validate(QString& input, int& pos) const override;

protected:
    StepEnabled stepEnabled() const override { return StepUpEnabled | StepDownEnabled; }

private:
    bool showing_ = false;
};

} // namespace lw
