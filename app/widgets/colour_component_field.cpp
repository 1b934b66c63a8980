#include "app/widgets/colour_component_field.h"

#include <QFontMetrics>
#include <QLineEdit>

namespace lw {

ColourComponentField::ColourComponentField(QWidget* parent) : QAbstractSpinBox(parent)
{
    setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    setAccelerated(true);
    const QFontMetrics metrics(font());
    setFixedWidth(metrics.horizontalAdvance(QStringLiteral("00000")) + 32);
    connect(lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) {
        if (!showing_ && onTyped)
            onTyped(text);
    });
}

void ColourComponentField::showValue(int value)
{
    const QString text = QString::number(value);
    if (lineEdit()->text() == text)
        return;
    showing_ = true;
    lineEdit()->setText(text);
    showing_ = false;
}

void ColourComponentField::stepBy(int steps)
{
    if (onStep)
        onStep(steps);
}

QValidator::State ColourComponentField::validate(QString& input, int&) const
{
    // Decimal digits only; the model keeps the low bits or the ceiling of what is typed.
    if (input.size() > 9)
        return QValidator::Invalid;
    for (const QChar c : input)
        if (!c.isDigit())
            return QValidator::Invalid;
    return QValidator::Acceptable;
}

} // namespace lw
