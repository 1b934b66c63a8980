#include "platform/font_choice.h"

#include "platform/gdi_font.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>
#include <cmath>

namespace lw {
namespace {

constexpr double kPointsPerPixel = 72.0 / 96.0;

// The pixel size a font asks for, whichever unit it was given in.
int pixelSizeOf(const QFont& font)
{
    if (font.pixelSize() > 0)
        return font.pixelSize();
    return static_cast<int>(std::lround(font.pointSizeF() / kPointsPerPixel));
}

// The dialog lists whole points; a start of 13 pixels (9.75 points) comes back as 10 points.
bool sameSize(const QFont& chosen, int startPixels)
{
    if (pixelSizeOf(chosen) == startPixels)
        return true;
    return chosen.pixelSize() <= 0 &&
           std::lround(chosen.pointSizeF()) == std::lround(startPixels * kPointsPerPixel);
}

// The shortest style name of the font's family with its weight and slant ("Book" rather than
// "Book Condensed"); empty when the family has none.
QString styleNamed(const QFont& font)
{
    QString best;
    for (const QString& style : QFontDatabase::styles(font.family()))
        if (QFontDatabase::weight(font.family(), style) == font.weight() &&
            QFontDatabase::italic(font.family(), style) == font.italic() &&
            (best.isEmpty() || style.size() < best.size()))
            best = style;
    return best;
}

} // namespace

QString plainFamily(const QString& family)
{
    const qsizetype bracket = family.indexOf(QLatin1String(" ["));
    return bracket > 0 && family.endsWith(u']') ? family.left(bracket) : family;
}

QFont dialogFontOf(const LogFont& record)
{
    QFont font = GdiFont(record).qfont();
    const int pixels = font.pixelSize();
    // Qt keeps one unit at a time: setting the points forgets the pixels.
    font.setPointSizeF(pixels * kPointsPerPixel);
    font.setStyleStrategy(QFont::PreferDefault);
    // A face the system lacks is shown as the face it resolves to, which reads back as unchanged;
    // otherwise the dialog would fall back to a generic family and change the face on OK.
    if (!QFontDatabase::hasFamily(font.family()))
        font.setFamily(plainFamily(QFontInfo(GdiFont(record).qfont()).family()));
    // The dialog finds a style by its name and takes its first style when the name is not listed
    // ("Normal" in a family whose regular style is "Book"), so name the family's own style.
    if (const QString style = styleNamed(font); !style.isEmpty())
        font.setStyleName(style);
    return font;
}

LogFont logFontOf(const QFont& chosen, const LogFont& start)
{
    const QFont mapped = GdiFont(start).qfont();
    LogFont record = start;
    const QString family = plainFamily(chosen.family());
    const bool newFace = family != mapped.family() && family != plainFamily(QFontInfo(mapped).family());
    const bool newSize = !sameSize(chosen, mapped.pixelSize());
    if (newSize)
        record.height = -std::max(1, pixelSizeOf(chosen));
    if (newFace)
        record.setFace(family.toStdString());
    // An average width belongs to the face and size it was measured for.
    if (newFace || newSize)
        record.width = 0;
    if (chosen.weight() != mapped.weight())
        record.weight = chosen.weight();
    record.italic = chosen.italic() ? 1 : 0;
    record.underline = chosen.underline() ? 1 : 0;
    record.strikeOut = chosen.strikeOut() ? 1 : 0;
    return record;
}

} // namespace lw
