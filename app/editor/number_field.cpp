#include "app/editor/number_field.h"

#include <QCoreApplication>

#include <cmath>
#include <limits>

namespace lw {

std::optional<int> parseWholeNumber(QStringView text)
{
    const QStringView trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    std::size_t i = 0;
    bool negative = false;
    if (trimmed[0] == u'-' || trimmed[0] == u'+') {
        negative = trimmed[0] == u'-';
        ++i;
    }
    if (i == static_cast<std::size_t>(trimmed.size()))
        return std::nullopt;
    long long value = 0;
    for (; i < static_cast<std::size_t>(trimmed.size()); ++i) {
        const QChar c = trimmed[static_cast<qsizetype>(i)];
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
        if (value > static_cast<long long>(std::numeric_limits<int>::max()) + 1)
            return std::nullopt;
    }
    value = negative ? -value : value;
    if (value > std::numeric_limits<int>::max() || value < std::numeric_limits<int>::min())
        return std::nullopt;
    return static_cast<int>(value);
}

std::optional<double> parseDecimal(QStringView text)
{
    QString normal = text.trimmed().toString();
    normal.replace(u',', u'.');
    bool ok = false;
    const double value = normal.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

QString wholeRangeMessage(int minimum, int maximum)
{
    return QCoreApplication::translate("NumberField", "Введите целое число от %1 до %2.")
        .arg(minimum)
        .arg(maximum);
}

QString decimalRangeMessage(double minimum, double maximum)
{
    return QCoreApplication::translate("NumberField", "Введите число от %1 до %2.").arg(minimum).arg(maximum);
}

std::optional<FieldRefusal> checkWholeField(QStringView text, int minimum, int maximum, int field, int* value)
{
    const auto parsed = parseWholeNumber(text);
    if (!parsed || *parsed < minimum || *parsed > maximum)
        return FieldRefusal{field, wholeRangeMessage(minimum, maximum)};
    *value = *parsed;
    return std::nullopt;
}

std::optional<FieldRefusal> checkDecimalField(QStringView text, double minimum, double maximum, int field,
                                              double* value)
{
    const auto parsed = parseDecimal(text);
    if (!parsed || *parsed < minimum || *parsed > maximum)
        return FieldRefusal{field, decimalRangeMessage(minimum, maximum)};
    *value = *parsed;
    return std::nullopt;
}

} // namespace lw
