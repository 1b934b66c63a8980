#include "app/editor/symbol_grid.h"

#include "platform/cp1251.h"
#include "platform/font_choice.h"

#include <QFontDatabase>
#include <QStringList>
#include <algorithm>

namespace lw {

namespace {

constexpr std::uint8_t kDefaultCharSet = 1;
constexpr std::uint8_t kTrueTypePrecision = 4;
constexpr int kSymbolHeight = 100;

bool dingbatName(const QString& family)
{
    for (const char* word : {"wingdings", "webdings", "dingbat", "symbol"})
        if (family.contains(QLatin1String(word), Qt::CaseInsensitive))
            return true;
    return false;
}

} // namespace

int symbolCodeAtPoint(QPoint point, QSize cell)
{
    if (cell.width() <= 0 || cell.height() <= 0 || point.x() < 0 || point.y() < 0)
        return 0;
    const int column = point.x() / cell.width();
    const int row = point.y() / cell.height();
    if (column >= kSymbolColumns || row >= kSymbolRows)
        return 0;
    return symbolCodeAt(column, row);
}

std::string symbolText(int code)
{
    if (code < kFirstSymbolCode || code > 255 || cp1251CodePoint(static_cast<unsigned char>(code)) == 0xFFFD)
        return {};
    return cp1251ToUtf8(std::string(1, static_cast<char>(code)));
}

LogFont symbolFont(const std::string& face)
{
    LogFont font;
    font.height = kSymbolHeight;
    font.weight = 400;
    font.charSet = kDefaultCharSet;
    font.outPrecision = kTrueTypePrecision;
    font.setFace(face);
    return font;
}

std::vector<std::string> symbolFontFamilies()
{
    const QStringList all = QFontDatabase::families();
    QStringList chosen;
    for (const QString& family : all)
        if (QFontDatabase::writingSystems(family).contains(QFontDatabase::Symbol) || dingbatName(family))
            chosen.append(plainFamily(family));
    if (chosen.isEmpty())
        for (const QString& family : all)
            chosen.append(plainFamily(family));
    chosen.removeDuplicates();
    chosen.sort(Qt::CaseInsensitive);
    std::vector<std::string> families;
    for (const QString& family : chosen)
        families.push_back(family.toStdString());
    return families;
}

std::string preferredSymbolFamily(const std::vector<std::string>& families)
{
    const auto wingdings = std::find(families.begin(), families.end(), "Wingdings");
    if (wingdings != families.end())
        return *wingdings;
    return families.empty() ? std::string() : families.front();
}

} // namespace lw
