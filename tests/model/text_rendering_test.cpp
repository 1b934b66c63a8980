// Text rasterising depends on the installed fonts, so these tests check relations that hold for
// any face: where the baseline lies, what antialiasing and outlines do, how spacing adds width.
#include "model/text_rendering.h"

#include <gtest/gtest.h>

using namespace lw;

namespace {

TextStyle style(const std::string& text, int height = -30)
{
    TextStyle s;
    s.text = text;
    s.font = LogFont::documentDefault();
    s.font.height = height;
    s.textColour = 0x00204060;
    return s;
}

RenderedText render(const TextStyle& s)
{
    TextRenderResult r = renderText(s);
    EXPECT_FALSE(r.error.has_value()) << (r.error ? r.error->text : "");
    if (!r.text)
        return {};
    return std::move(*r.text);
}

bool opaqueAt(const CRaster& r, int x, int y)
{
    return (r.bits()[r.indexOf(x, y)] >> 24) == 0;
}

// Lowest and highest rows holding any opaque pixel; -1 when none.
std::pair<int, int> inkRows(const CRaster& r)
{
    int top = -1, bottom = -1;
    for (int y = 0; y < r.height(); ++y)
        for (int x = 0; x < r.width(); ++x)
            if (opaqueAt(r, x, y)) {
                if (top < 0)
                    top = y;
                bottom = y;
            }
    return {top, bottom};
}

int opaqueCount(const CRaster& r)
{
    int n = 0;
    for (std::uint32_t p : r.pixels())
        n += (p >> 24) == 0;
    return n;
}

} // namespace

TEST(TextRendering, CapitalsSitOnTheBaselineAndDescendersGoBelow)
{
    const RenderedText h = render(style("HE"));
    EXPECT_EQ(h.metrics.height, h.metrics.ascent + h.metrics.descent);
    EXPECT_EQ(h.image.width(), h.metrics.width);
    EXPECT_EQ(h.image.height(), h.metrics.height);
    const auto [top, bottom] = inkRows(h.image);
    ASSERT_GE(top, 0);
    EXPECT_GE(bottom, h.metrics.ascent - 2);
    EXPECT_LT(bottom, h.metrics.ascent) << "capitals end on the baseline";
    EXPECT_LT(top, h.metrics.ascent / 2);

    const RenderedText g = render(style("gy"));
    EXPECT_GT(inkRows(g.image).second, g.metrics.ascent) << "descenders hang below the baseline";
}

TEST(TextRendering, PlainPixelsAreTwoLevelInTheTextColour)
{
    const RenderedText t = render(style("Ab"));
    for (std::uint32_t p : t.image.pixels())
        EXPECT_TRUE(p == 0x00204060u || p == 0xFF204060u) << std::hex << p;
    EXPECT_GT(opaqueCount(t.image), 20);
}

TEST(TextRendering, AntialiasedEdgesArePartlyTransparent)
{
    TextStyle s = style("Os");
    s.antialiased = true;
    const RenderedText t = render(s);
    int partial = 0;
    for (std::uint32_t p : t.image.pixels()) {
        EXPECT_EQ(p & 0xFFFFFFu, 0x204060u);
        partial += (p >> 24) != 0 && (p >> 24) != 255;
    }
    EXPECT_GT(partial, 10);
    EXPECT_GT(opaqueCount(t.image), 0);
    // Same size on screen as the plain rendering, within the rounding of the 4 × 4 blocks.
    const RenderedText plain = render(style("Os"));
    EXPECT_NEAR(t.metrics.ascent, plain.metrics.ascent, 2);
    EXPECT_NEAR(t.metrics.width, plain.metrics.width, 4);

    // A half transparent colour never gets more opaque than the colour itself.
    s.textColour = 0x80204060;
    const RenderedText faint = render(s);
    for (std::uint32_t p : faint.image.pixels())
        EXPECT_GE(p >> 24, 0x80u);
}

TEST(TextRendering, OutlineGlyphsAreHollowAndAddThePenToTheHeight)
{
    TextStyle filled = style("OH", -60);
    TextStyle outlined = filled;
    outlined.outlineWidth = 2;
    const RenderedText f = render(filled);
    const RenderedText o = render(outlined);
    EXPECT_EQ(o.metrics.height, o.metrics.ascent + 4 + o.metrics.descent);
    EXPECT_GT(opaqueCount(o.image), 0);
    EXPECT_LT(opaqueCount(o.image), opaqueCount(f.image));
    // The middle of the H's left stem is inside the glyph: filled there, not on the outline.
    const auto [top, bottom] = inkRows(f.image);
    const int midRow = (top + bottom) / 2;
    int filledRun = 0;
    for (int x = 0; x < f.image.width(); ++x)
        filledRun = std::max(filledRun, opaqueAt(f.image, x, midRow) ? filledRun + 1 : 0);
    EXPECT_GT(filledRun, 4);
}

TEST(TextRendering, LetterSpacingWidensByTheGapsBetweenCharacters)
{
    for (bool antialiased : {false, true}) {
        TextStyle s = style("AB");
        s.antialiased = antialiased;
        const RenderedText plain = render(s);
        s.letterSpacing = 7;
        const RenderedText spaced = render(s);
        EXPECT_EQ(spaced.metrics.width - plain.metrics.width, 7) << antialiased;
        EXPECT_EQ(spaced.metrics.naturalWidth, plain.metrics.naturalWidth) << antialiased;
        s.text = "ABCD";
        const int four = render(s).metrics.width;
        s.letterSpacing = 0;
        EXPECT_EQ(four - render(s).metrics.width, 21) << antialiased;
    }
}

TEST(TextRendering, WidthScaleStretchesTheGlyphs)
{
    TextStyle s = style("MMMM");
    const int normal = render(s).metrics.naturalWidth;
    s.widthScale = 2.0;
    EXPECT_GT(render(s).metrics.naturalWidth, normal * 3 / 2);
}

TEST(TextRendering, ParagraphsStackLinesAndAlignThem)
{
    TextStyle s = style("Wide line\nx");
    const RenderedText left = render(s);
    const RenderedText single = render(style("Wide line"));
    EXPECT_GT(left.metrics.height, 2 * single.metrics.height - 4);
    auto firstInkColumnOfLastLine = [](const RenderedText& t) {
        for (int x = 0; x < t.image.width(); ++x)
            for (int y = t.image.height() / 2 + 2; y < t.image.height(); ++y)
                if (opaqueAt(t.image, x, y))
                    return x;
        return -1;
    };
    s.alignment = 1;
    const RenderedText centre = render(s);
    s.alignment = 2;
    const RenderedText right = render(s);
    s.alignment = 7; // unknown values align left
    const RenderedText unknown = render(s);
    EXPECT_LT(firstInkColumnOfLastLine(left), firstInkColumnOfLastLine(centre));
    EXPECT_LT(firstInkColumnOfLastLine(centre), firstInkColumnOfLastLine(right));
    EXPECT_EQ(firstInkColumnOfLastLine(unknown), firstInkColumnOfLastLine(left));
}

TEST(TextRendering, EmptyTextStillHasASize)
{
    const RenderedText t = render(style(""));
    EXPECT_GT(t.metrics.width, 0);
    EXPECT_EQ(t.metrics.height, t.metrics.ascent + t.metrics.descent);
    EXPECT_EQ(opaqueCount(t.image), 0);
}

TEST(TextRendering, OversizedBitmapShowsTheErrorBox)
{
    TextStyle s = style("WWWWWWWW", 2400);
    s.antialiased = true;
    const TextRenderResult r = renderText(s);
    EXPECT_FALSE(r.text.has_value());
    ASSERT_TRUE(r.error.has_value());
    EXPECT_EQ(r.error->text.rfind("Не удалось записать bitmap (", 0), 0u) << r.error->text;
    EXPECT_NE(r.error->text.find(" пикс.) ."), std::string::npos);
}

TEST(TextRendering, CharacterCountIsInCodePoints)
{
    EXPECT_EQ(characterCount("AB"), 2);
    EXPECT_EQ(characterCount("Привет"), 6);
    EXPECT_EQ(characterCount(""), 0);
}
