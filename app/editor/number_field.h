#pragma once
// Reading the number fields of the editor's dialogs. A field whose text is not a number in its
// range refuses OK with the range message, and the dialog stays open on that field.
#include <QString>
#include <QStringView>

#include <optional>

namespace lw {

// The field that refused and the message to show.
struct FieldRefusal {
    int field = 0;
    QString message;
};

// A whole number: optional sign and decimal digits, spaces around allowed; nothing for anything
// else or a number that does not fit an int.
std::optional<int> parseWholeNumber(QStringView text);
// A decimal number with a point or a comma.
std::optional<double> parseDecimal(QStringView text);

// "Введите целое число от %1 до %2." and "Введите число от %1 до %2."
QString wholeRangeMessage(int minimum, int maximum);
QString decimalRangeMessage(double minimum, double maximum);

// The value of a whole-number field, or the refusal for field index `field`.
std::optional<FieldRefusal> checkWholeField(QStringView text, int minimum, int maximum, int field,
                                            int* value);
std::optional<FieldRefusal> checkDecimalField(QStringView text, double minimum, double maximum, int field,
                                              double* value);

} // namespace lw
