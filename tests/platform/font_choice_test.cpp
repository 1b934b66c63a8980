// Fonts chosen in the font dialog back to the 60-byte record: the mapping's own fonts and the
// dialog's point-sized ones come back as the record they were made from; changed choices carry
// their size, weight, style and face, keeping what a Qt font cannot hold.
#include "platform/font_choice.h"
#include "platform/gdi_font.h"

#include <QFontInfo>
#include <gtest/gtest.h>

using namespace lw;

namespace {

LogFont record(int height, int weight, bool styled, std::uint8_t charSet, const char* face)
{
    LogFont f = LogFont::documentDefault();
    f.height = height;
    f.weight = weight;
    f.italic = f.underline = f.strikeOut = styled ? 1 : 0;
    f.charSet = charSet;
    f.setFace(face);
    return f;
}

} // namespace

TEST(FontChoice, RecordsSurviveTheQtFontAndTheDialogFont)
{
    const LogFont cases[] = {
        LogFont::documentDefault(),                  // cell height, Arial (resolved to another face)
        record(-40, 700, true, 204, "DejaVu Serif"), // character height, bold, every style, Cyrillic set
        record(0, 0, false, 2, "Шрифт"),             // defaults, symbol set, a face the system lacks
        record(-13, 300, false, 1, "Liberation Mono"),
        record(100, 400, false, 1, "Standard Symbols PS"),
    };
    for (const LogFont& start : cases) {
        EXPECT_EQ(logFontOf(GdiFont(start).qfont(), start), start) << start.face();
        EXPECT_EQ(logFontOf(dialogFontOf(start), start), start) << start.face();
        // The face the system resolves the start to counts as the same face.
        QFont resolved = dialogFontOf(start);
        resolved.setFamily(QFontInfo(GdiFont(start).qfont()).family());
        EXPECT_EQ(logFontOf(resolved, start).face(), start.face());
    }
}

TEST(FontChoice, ChangedChoicesCarryTheirValuesAndKeepTheRest)
{
    LogFont start = record(24, 400, false, 204, "Liberation Sans");
    start.width = 11;
    start.quality = 3;

    QFont chosen(QStringLiteral("DejaVu Serif [UKWN]"));
    chosen.setPixelSize(30);
    chosen.setWeight(QFont::Bold);
    chosen.setItalic(true);
    chosen.setStrikeOut(true);
    LogFont got = logFontOf(chosen, start);
    EXPECT_EQ(got.height, -30);
    EXPECT_EQ(got.weight, 700);
    EXPECT_EQ(std::tuple(got.italic, got.underline, got.strikeOut), std::tuple(1, 0, 1));
    EXPECT_EQ(got.face(), "DejaVu Serif");
    EXPECT_EQ(std::tuple(got.width, got.charSet, got.quality, got.outPrecision), std::tuple(0, 204, 3, 4));

    QFont points(QStringLiteral("Liberation Sans"));
    points.setPointSize(18); // 24 pixels at 96 dots per inch
    got = logFontOf(points, record(-40, 400, false, 0, "Liberation Sans"));
    EXPECT_EQ(got.height, -24);
    EXPECT_EQ(got.face(), "Liberation Sans");
}
