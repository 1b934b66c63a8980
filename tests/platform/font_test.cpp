#include "platform/gdi_font.h"
#include "platform/gdi_surface.h"
#include "platform/log_font.h"

#include <QFontInfo>
#include <gtest/gtest.h>

using namespace lw;

namespace {

LogFont arial(int height)
{
    LogFont f = LogFont::documentDefault();
    f.height = height;
    return f;
}

// Counts dark pixels of a white surface after drawing.
int darkPixels(const QImage& image)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += qRed(image.pixel(x, y)) < 128;
    return n;
}

} // namespace

TEST(LogFont, DocumentDefaultAndRecordLayout)
{
    const LogFont f = LogFont::documentDefault();
    const auto b = f.toBytes();
    ASSERT_EQ(b.size(), 60u);
    EXPECT_EQ(b[0], 24);  // height
    EXPECT_EQ(b[16], 0x90); // weight 400 = 0x190
    EXPECT_EQ(b[17], 0x01);
    EXPECT_EQ(b[24], 4);  // output precision
    EXPECT_EQ(b[26], 1);  // quality
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&b[28])), "Arial");
    EXPECT_EQ(LogFont::fromBytes(b), f);
}

TEST(LogFont, FaceNameIsCodePage1251AndCutTo31Bytes)
{
    LogFont f;
    f.setFace("Шрифт");
    EXPECT_EQ(static_cast<unsigned char>(f.faceName[0]), 0xD8);
    EXPECT_EQ(f.face(), "Шрифт");
    f.setFace(std::string(40, 'x'));
    EXPECT_EQ(f.face().size(), 31u);
    EXPECT_EQ(f.faceName[31], '\0');
}

TEST(GdiFont, ArialResolvesToAMetricCompatibleFace)
{
    const GdiFont font(arial(-20));
    const QString family = QFontInfo(font.qfont()).family();
    EXPECT_TRUE(family.contains("Liberation Sans") || family.contains("Arial")) << family.toStdString();
}

TEST(GdiFont, HeightSignSelectsCharacterOrCellHeight)
{
    const FontMetrics cell = GdiFont(arial(40)).metrics();
    EXPECT_NEAR(cell.height(), 40, 1) << "positive heights ask for the cell height";
    const FontMetrics character = GdiFont(arial(-40)).metrics();
    EXPECT_GT(character.height(), 40) << "negative heights ask for the character height; the cell is taller";
}

TEST(GdiFont, WidthStretchesTheAverageCharacterWidth)
{
    LogFont narrow = arial(-30);
    const int natural = GdiFont(narrow).metrics().averageCharWidth;
    narrow.width = natural * 2;
    const GdiFont wide(narrow);
    EXPECT_GT(wide.measureLine("MMMM").width, GdiFont(arial(-30)).measureLine("MMMM").width * 3 / 2);
}

TEST(GdiFont, ExtraSpacingFollowsEveryCharacter)
{
    const GdiFont font(arial(-20));
    const TextExtent plain = font.measureLine("AB");
    const TextExtent spaced = font.measureLine("AB", 5);
    EXPECT_EQ(spaced.width, plain.width + 10);
    EXPECT_EQ(spaced.height, font.metrics().height());
}

TEST(GdiFont, CharacterWidthsAddUpToTheAdvance)
{
    const GdiFont font(arial(-40));
    const auto w = font.charWidths(U'W');
    ASSERT_TRUE(w.has_value());
    EXPECT_EQ(w->a + w->b + w->c, font.measureLine("W").width);
}

TEST(GdiFont, GlyphsAreDrawnTwoLevel)
{
    CGdiSurface surface(120, 40);
    surface.Clear(true);
    GdiFont(arial(-28)).drawLine(surface.painter(), 2, 2, "Ag", 0, Qt::black);
    surface.Capture(0);
    const auto& rows = surface.capture(0);
    bool sawBlack = false;
    for (std::uint8_t v : rows) {
        EXPECT_TRUE(v == 0 || v == 255) << int(v);
        sawBlack |= v == 0;
    }
    EXPECT_TRUE(sawBlack);
}

TEST(GdiFont, OutlineIsHollow)
{
    const GdiFont font(arial(-60));
    QImage filled(120, 80, QImage::Format_RGB32), outlined(120, 80, QImage::Format_RGB32);
    filled.fill(Qt::white);
    outlined.fill(Qt::white);
    {
        QPainter p(&filled);
        font.drawLine(p, 4, 4, "HO", 0, Qt::black);
    }
    {
        QPainter p(&outlined);
        font.strokeLine(p, 4, 4, "HO", 0, 1, Qt::black);
    }
    const int fill = darkPixels(filled), stroke = darkPixels(outlined);
    EXPECT_GT(stroke, 0);
    EXPECT_LT(stroke, fill);
}

TEST(GdiFont, ParagraphAlignment)
{
    const GdiFont font(arial(-20));
    const std::string text = "Wide line here\nx";
    const TextExtent extent = font.measureParagraph(text);
    EXPECT_EQ(extent.height, 2 * font.metrics().height());
    EXPECT_EQ(extent.width, font.measureLine("Wide line here").width);
    auto firstDarkColumnOfSecondLine = [&](ParagraphAlign align) {
        QImage image(extent.width, extent.height, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter p(&image);
            font.drawParagraph(p, 0, 0, extent.width, text, align, 0, Qt::black);
        }
        for (int x = 0; x < image.width(); ++x)
            for (int y = font.metrics().height(); y < image.height(); ++y)
                if (qRed(image.pixel(x, y)) < 128)
                    return x;
        return -1;
    };
    const int left = firstDarkColumnOfSecondLine(ParagraphAlign::Left);
    const int centre = firstDarkColumnOfSecondLine(ParagraphAlign::Centre);
    const int right = firstDarkColumnOfSecondLine(ParagraphAlign::Right);
    EXPECT_LT(left, centre);
    EXPECT_LT(centre, right);
}

TEST(CGdiSurface, CompareFindsThePixelsADrawingCovered)
{
    CGdiSurface surface(10, 6);
    const QColor colour(0x12, 0x34, 0x56);
    for (int slot = 0; slot < 2; ++slot) {
        surface.Clear(slot == 1);
        surface.painter().fillRect(QRect(2, 1, 3, 2), colour);
        surface.Capture(slot);
    }
    EXPECT_EQ(surface.captureStride(), 32); // 30 bytes rounded up to a multiple of 4
    EXPECT_EQ(surface.Compare(2, 1), 0x00563412u); // red | green << 8 | blue << 16, captures agree
    EXPECT_EQ(surface.Compare(4, 2), 0x00563412u);
    EXPECT_EQ(surface.Compare(5, 2), 0xFF000000u); // black on the first capture, white on the other
    EXPECT_EQ(surface.Compare(0, 0), 0xFF000000u);
    EXPECT_EQ(surface.Compare(-1, 0), 0u);
    EXPECT_EQ(surface.Compare(10, 0), 0u);
}

TEST(CGdiSurface, CaptureRowsAreBottomUp)
{
    CGdiSurface surface(3, 2);
    surface.Clear(false);
    surface.painter().fillRect(QRect(0, 0, 3, 1), Qt::white); // top row white
    surface.Capture(0);
    const auto& rows = surface.capture(0);
    ASSERT_EQ(rows.size(), 24u);
    EXPECT_EQ(rows[0], 0);    // first stored row is the bottom one: black
    EXPECT_EQ(rows[12], 255); // second stored row is the top one: white
}
