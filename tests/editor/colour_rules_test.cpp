#include "app/editor/colour_rules.h"
#include "app/editor/document_session.h"

#include "model/bitmap_object.h"
#include "model/ellipse_object.h"
#include "model/rect_object.h"
#include "model/text_object.h"

#include <gtest/gtest.h>

namespace {

using namespace lw;

template <class Kind> Kind* add(DocumentSession& s, bool selected)
{
    auto layer = std::make_unique<Kind>();
    layer->Resize({560, 590, 580, 600});
    layer->selected = selected ? 1 : 0;
    return static_cast<Kind*>(s.currentFrame().AppendObject(std::move(layer)));
}

TEST(ColourRules, ForegroundRecoloursSelectedShapesAndLabelsInOneUndoStep)
{
    DocumentSession s;
    auto* text = add<CTextObject>(s, true);
    auto* rect = add<CRectObject>(s, true);
    auto* ellipse = add<CEllipseObject>(s, true);
    auto* loose = add<CEllipseObject>(s, false);
    add<CBitmapObject>(s, true);
    const RectStyle before = rect->style;

    applyForegroundColour(s, 0x00FF0000);
    EXPECT_EQ(s.view.foreground, 0x00FF0000u);
    EXPECT_EQ(text->textColour, 0x00FF0000u);
    EXPECT_EQ(rect->style.lineColour, 0x00FF0000u);
    EXPECT_EQ(rect->style.fillColour, before.fillColour) << "the fill is the background's";
    EXPECT_EQ(ellipse->colour, 0x00FF0000u);
    EXPECT_NE(loose->colour, 0x00FF0000u) << "not selected";
    EXPECT_TRUE(s.doc.modified());
    ASSERT_TRUE(s.currentFrame().CanUndo());
    s.currentFrame().Cancel();
    EXPECT_EQ(static_cast<CRectObject*>(s.currentFrame().ObjectAt(1))->style.lineColour, before.lineColour);
}

TEST(ColourRules, BackgroundFillsARectangleSelectedAlone)
{
    struct Case {
        const char* what;
        int rectangles;
        bool alsoEllipse;
        bool fills;
    };
    for (const Case c : {Case{"one rectangle", 1, false, true}, Case{"two rectangles", 2, false, false},
                         Case{"rectangle and ellipse", 1, true, false}, Case{"nothing", 0, false, false}}) {
        DocumentSession s;
        std::vector<CRectObject*> rects;
        for (int i = 0; i < c.rectangles; ++i)
            rects.push_back(add<CRectObject>(s, true));
        if (c.alsoEllipse)
            add<CEllipseObject>(s, true);
        applyBackgroundColour(s, 0x00C080FF);
        EXPECT_EQ(s.view.background, 0x00C080FFu) << c.what;
        for (CRectObject* r : rects)
            EXPECT_EQ(r->style.fillColour == 0x00C080FFu, c.fills) << c.what;
        EXPECT_EQ(s.doc.modified(), c.fills) << c.what;
    }
}

TEST(ColourRules, NoSelectionChangesOnlyTheViewsColour)
{
    DocumentSession s;
    add<CTextObject>(s, false);
    applyForegroundColour(s, 0x00123456);
    EXPECT_EQ(s.view.foreground, 0x00123456u);
    EXPECT_FALSE(s.doc.modified());
    EXPECT_FALSE(s.currentFrame().CanUndo());
}

} // namespace
