#include "filters/scripted_ui_port.h"
#include "model/bitmap_conversion.h"
#include "model/bitmap_object.h"
#include "model/clone_object.h"
#include "model/ellipse_object.h"
#include "model/layer_clipboard.h"
#include "model/object_factory.h"
#include "model/rect_object.h"
#include "model/text_object.h"
#include "platform/errors.h"
#include "support/raster_builders.h"

#include <cstring>
#include <gtest/gtest.h>

using namespace lw;

namespace {

void setEffects(CLayerObject& o)
{
    o.introEffect = {11, 1, 2};
    o.outroEffect = {12, 3, 4};
    o.animationEffect = {13, 5, 6};
}

std::unique_ptr<CRectObject> sampleRect()
{
    auto r = std::make_unique<CRectObject>();
    r->style = {0x10203040, 0x00050607, 3, 2, kRectFrame};
    r->reserved = {4, 5};
    r->Resize({300, 310, 340, 330});
    setEffects(*r);
    return r;
}

std::unique_ptr<CEllipseObject> sampleEllipse()
{
    auto e = std::make_unique<CEllipseObject>();
    e->colour = 0x2000FF00;
    e->style = kEllipseRadial;
    e->reserved = {7, 8, 9};
    e->Resize({400, 400, 431, 421});
    setEffects(*e);
    return e;
}

std::unique_ptr<CTextObject> sampleText()
{
    auto t = std::make_unique<CTextObject>();
    t->font = LogFont::documentDefault();
    t->text = "Привет";
    t->letterSpacing = 2;
    t->widthScale = 1.5;
    t->antialiased = 1;
    t->outlineWidth = 1;
    t->textColour = 0x00FF0000;
    t->alignment = 1;
    t->reserved = {1, 2, 3};
    t->position = {350, 600};
    t->Render();
    setEffects(*t);
    return t;
}

std::unique_ptr<CBitmapObject> sampleBitmap()
{
    auto b = std::make_unique<CBitmapObject>();
    b->MoveTo(500, 510);
    b->TakePixels(lwtest::rasterFromRows(3, 2, {1, 2, 3, 0xFF000004, 5, 6}));
    b->hasTransparency = 1;
    b->reserved = {9, 8, 7};
    setEffects(*b);
    return b;
}

// Reading a record and writing it again gives the same bytes.
void expectStableRecord(const CLayerObject& object)
{
    const ObjectRecord record = object.WriteRecord();
    ASSERT_FALSE(record.empty());
    const auto back = ReadObjectRecord(record, kCurrentDocumentVersion);
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->type, object.type);
    EXPECT_EQ(back->rect, object.rect);
    EXPECT_EQ(back->position, object.position);
    EXPECT_EQ(back->introEffect, object.introEffect);
    EXPECT_EQ(back->outroEffect, object.outroEffect);
    EXPECT_EQ(back->animationEffect, object.animationEffect);
    EXPECT_EQ(back->WriteRecord(), record);
}

} // namespace

TEST(ObjectRecordRoundTrip, EveryKindThroughItsObject)
{
    const auto rect = sampleRect();
    expectStableRecord(*rect);
    const auto rectBack = ReadObjectRecord(rect->WriteRecord(), 6);
    EXPECT_EQ(static_cast<CRectObject&>(*rectBack).style, rect->style);
    EXPECT_EQ(lwtest::topDownPixels(rectBack->ownImage), lwtest::topDownPixels(rect->ownImage));

    const auto ellipse = sampleEllipse();
    expectStableRecord(*ellipse);
    const auto ellipseBack = ReadObjectRecord(ellipse->WriteRecord(), 6);
    EXPECT_EQ(lwtest::topDownPixels(ellipseBack->ownImage), lwtest::topDownPixels(ellipse->ownImage));

    const auto text = sampleText();
    expectStableRecord(*text);
    const auto textBack = ReadObjectRecord(text->WriteRecord(), 6);
    const auto& t = static_cast<CTextObject&>(*textBack);
    EXPECT_EQ(t.text, "Привет");
    EXPECT_EQ(t.outlineWidth, 1);
    EXPECT_EQ(t.alignment, 1);
    EXPECT_EQ(t.metrics, text->metrics);
    EXPECT_EQ(lwtest::topDownPixels(t.ownImage), lwtest::topDownPixels(text->ownImage));

    const auto bitmap = sampleBitmap();
    expectStableRecord(*bitmap);
    const auto bitmapBack = ReadObjectRecord(bitmap->WriteRecord(), 6);
    EXPECT_EQ(lwtest::topDownPixels(bitmapBack->ownImage), lwtest::topDownPixels(bitmap->ownImage));
    EXPECT_EQ(bitmapBack->hasTransparency, 1);

    CCloneObject clone(bitmap.get());
    clone.sourceRef = 0x00020003;
    setEffects(clone);
    expectStableRecord(clone);
    const auto cloneBack = ReadObjectRecord(clone.WriteRecord(), 6);
    EXPECT_EQ(cloneBack->CloneSource(), nullptr);
    EXPECT_EQ(cloneBack->CloneSourceRef(), 0x00020003u);
}

TEST(ObjectRecordRoundTrip, OlderVersionsLeaveLaterFieldsZero)
{
    const auto rect = sampleRect();
    const auto v3 = ReadObjectRecord(rect->WriteRecord(), 3);
    EXPECT_EQ(v3->introEffect, EffectAssignment{});
    EXPECT_EQ(static_cast<CRectObject&>(*v3).reserved, (std::array<std::int32_t, 2>{}));
    const auto v4 = ReadObjectRecord(rect->WriteRecord(), 4);
    EXPECT_EQ(v4->outroEffect, (EffectAssignment{12, 3, 4}));
    EXPECT_EQ(v4->animationEffect, EffectAssignment{});
    const auto text = ReadObjectRecord(sampleText()->WriteRecord(), 4);
    EXPECT_EQ(static_cast<CTextObject&>(*text).alignment, 0);
    const auto v5 = ReadObjectRecord(sampleEllipse()->WriteRecord(), 5);
    EXPECT_EQ(v5->animationEffect, (EffectAssignment{13, 5, 6}));
    // Before version 6 an ellipse record has no reserved fields: they read as a new ellipse's.
    EXPECT_EQ(static_cast<CEllipseObject&>(*v5).reserved, (std::array<std::int32_t, 3>{0, 1, 0}));
}

TEST(ObjectFactory, AppendsTheObjectOrRaisesAndLeavesTheList)
{
    CLayerList list;
    CLayerObject* made = ObjectFactory(sampleRect()->WriteRecord(), 6, list);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(list.tail, made);
    EXPECT_EQ(made->type, kTypeRectangle);
    EXPECT_TRUE(made->composite.hasBlock());

    ObjectRecord other = sampleRect()->WriteRecord();
    std::memcpy(other.data(), "XXXX", 4);
    EXPECT_THROW(ObjectFactory(other, 6, list), ArchiveError);
    ObjectRecord shortText = sampleText()->WriteRecord();
    shortText.pop_back(); // the terminating zero
    EXPECT_THROW(ObjectFactory(shortText, 6, list), ArchiveError);
    EXPECT_EQ(list.ObjectCount(), 1);
}

TEST(LayerClipboard, CopyAndPasteTheSelection)
{
    CLayerList from;
    from.AppendObject(sampleRect());
    from.AppendObject(sampleEllipse());
    CLayerObject* bitmap = from.AppendObject(sampleBitmap());
    EXPECT_TRUE(CopySelectedToBlock(from).empty()) << "nothing selected, no block";
    from.head->selected = 1;
    bitmap->selected = 1;
    const LayerClipboardBlock block = CopySelectedToBlock(from);

    CLayerList to;
    to.AppendObject(sampleEllipse());
    EXPECT_EQ(PasteBlock(to, block), 2);
    ASSERT_EQ(to.ObjectCount(), 3);
    EXPECT_EQ(to.ObjectAt(1)->type, kTypeRectangle);
    EXPECT_EQ(to.ObjectAt(2)->type, kTypeBitmap);
    EXPECT_EQ(to.CountSelected(), 2);
    EXPECT_EQ(to.ObjectAt(2)->WriteRecord(), bitmap->WriteRecord());
}

TEST(LayerClipboard, ClonesTravelAsBitmapsOfWhatTheyShow)
{
    CLayerList from;
    CLayerObject* source = from.AppendObject(sampleBitmap());
    CLayerObject* clone = from.AppendObject(std::make_unique<CCloneObject>(source));
    clone->MoveTo(20, 30);
    clone->selected = 1;
    clone->introEffect = {21, 1, 2};
    clone->outroEffect = {22, 3, 4};
    clone->animationEffect = {23, 5, 6};
    CLayerList to;
    EXPECT_EQ(PasteBlock(to, CopySelectedToBlock(from)), 1);
    ASSERT_EQ(to.ObjectCount(), 1);
    EXPECT_EQ(to.head->type, kTypeBitmap);
    // All three effects travel with it.
    EXPECT_EQ(to.head->introEffect, (EffectAssignment{21, 1, 2}));
    EXPECT_EQ(to.head->outroEffect, (EffectAssignment{22, 3, 4}));
    EXPECT_EQ(to.head->animationEffect, (EffectAssignment{23, 5, 6}));
    EXPECT_EQ(to.head->rect, (LayerRect{20, 30, 23, 32}));
    EXPECT_EQ(lwtest::topDownPixels(to.head->ownImage), lwtest::topDownPixels(source->ownImage));

    // A clone record in a block has no source to show and is left out.
    CCloneObject stray(source);
    EXPECT_EQ(PasteBlock(to, buildLayerClipboardBlock({stray.WriteRecord()})), 0);
    EXPECT_EQ(to.ObjectCount(), 1);
}

TEST(LayerClipboard, HostileBlocksChangeNothing)
{
    CLayerList list;
    list.AppendObject(sampleRect());
    auto good = sampleEllipse()->WriteRecord();
    auto bad = sampleBitmap()->WriteRecord();
    bad.resize(bad.size() - 4); // one pixel missing
    EXPECT_THROW(PasteBlock(list, buildLayerClipboardBlock({good, bad})), ArchiveError);
    EXPECT_EQ(list.ObjectCount(), 1) << "the good record before the bad one is not pasted either";
    std::vector<std::uint8_t> outside = buildLayerClipboardBlock({good});
    outside[0] = 0xF0;
    EXPECT_THROW(PasteBlock(list, outside), ArchiveError);
    EXPECT_EQ(list.ObjectCount(), 1);
}

TEST(BitmapConversion, ConvertKeepsPlacePixelsAndEffects)
{
    CLayerList list;
    list.AppendObject(sampleRect());
    CLayerObject* text = list.AppendObject(sampleText());
    list.AppendObject(sampleEllipse());
    text->selected = 1;
    const LayerRect rect = text->rect;
    const auto pixels = lwtest::topDownPixels(text->ownImage);
    CBitmapObject* bitmap = ConvertToBitmap(list, text);
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(list.ObjectAt(1), bitmap);
    EXPECT_EQ(list.ObjectCount(), 3);
    EXPECT_EQ(bitmap->rect, rect);
    EXPECT_EQ(bitmap->position, (LayerPoint{rect.left, rect.top}));
    EXPECT_EQ(bitmap->selected, 1);
    EXPECT_EQ(bitmap->hasTransparency, 1);
    EXPECT_EQ(bitmap->animationEffect, (EffectAssignment{13, 5, 6}));
    EXPECT_EQ(lwtest::topDownPixels(bitmap->ownImage), pixels);
    CBitmapObject stranger;
    EXPECT_EQ(ConvertToBitmap(list, &stranger), nullptr);
}

TEST(BitmapConversion, MergeComposesTheSelectionOnANewTopLayer)
{
    CLayerList list;
    auto a = std::make_unique<CBitmapObject>();
    a->MoveTo(10, 10);
    a->TakePixels(lwtest::rasterFromRows(2, 1, {0x00FF0000, 0x00FF0000}));
    auto b = std::make_unique<CBitmapObject>();
    b->MoveTo(11, 11);
    b->TakePixels(lwtest::rasterFromRows(2, 1, {0xFF000000, 0x000000FF}));
    list.AppendObject(std::move(a))->selected = 1;
    list.AppendObject(std::move(b))->selected = 1;
    EXPECT_EQ(list.ObjectCount(), 2);
    CBitmapObject* merged = MergeSelected(list);
    ASSERT_NE(merged, nullptr);
    EXPECT_EQ(list.tail, merged);
    EXPECT_EQ(list.ObjectCount(), 3);
    EXPECT_EQ(merged->rect, (LayerRect{10, 10, 13, 12}));
    EXPECT_EQ(merged->hasTransparency, 1);
    EXPECT_EQ(lwtest::topDownPixels(merged->ownImage),
              (std::vector<std::uint32_t>{0x00FF0000, 0x00FF0000, 0xFFFFFFFF, //
                                          0xFFFFFFFF, 0xFFFFFFFF, 0x000000FF}));
    list.SelectNone();
    EXPECT_EQ(MergeSelected(list), nullptr);
}

TEST(ObjectFactory, LoadedCloneShowsItsSourceOnceResolved)
{
    CLayerList list;
    CLayerObject* source = list.AppendObject(sampleBitmap());
    CCloneObject original(source);
    original.MoveTo(40, 50);
    CLayerObject* loaded = ObjectFactory(original.WriteRecord(), 6, list);
    EXPECT_FALSE(loaded->ownImage.hasBlock()) << "no pixels before the source is known";
    EXPECT_EQ(loaded->rect, (LayerRect{40, 50, 43, 52}));
    loaded->SetCloneSource(source);
    EXPECT_EQ(lwtest::topDownPixels(loaded->ownImage), lwtest::topDownPixels(source->ownImage));
    EXPECT_EQ(loaded->composite.width(), 3);
    list.UpdateComposites(loaded);
    EXPECT_EQ(lwtest::topDownPixels(loaded->ownImage), lwtest::topDownPixels(source->ownImage));
    EXPECT_EQ(loaded->rect, (LayerRect{40, 50, 43, 52}));
}

TEST(ObjectFactory, UnrenderableLabelLoadsEmptyWithMatchingImages)
{
    TextRecord r;
    r.common.rect = {0, 0, 3000, 40};
    r.font = LogFont::documentDefault();
    r.font.height = kMaxFontHeight;
    r.antialiased = 1;
    r.text = "WWWWWWWWWWWW";
    ScriptedUiPort ui;
    const auto object = ReadObjectRecord(encodeRecord(r), 6, &ui);
    EXPECT_EQ(ui.messages().size(), 1u) << "the reader's prompts hear why the label is empty";
    // Copies report to the same place.
    const auto copy = object->Duplicate();
    EXPECT_EQ(ui.messages().size(), 2u);
    EXPECT_EQ(object->ownImage.width(), object->width());
    EXPECT_EQ(object->ownImage.height(), object->height());
    EXPECT_LE(object->width(), kWorkspaceSize);
}

TEST(ObjectFactory, StoredLetterSpacingReadsWithinWhatLabelsDraw)
{
    // Negative spacings read as none (a label with -1200 had nothing to draw); the stored value
    // the renderer and resizing also keep to.
    struct Case {
        double stored, read;
    };
    for (const Case c : {Case{-kMaxLetterSpacing, 0}, Case{-3.5, 0}, Case{0, 0}, Case{6.5, 6.5},
                         Case{kMaxLetterSpacing, kMaxLetterSpacing}}) {
        TextRecord r;
        r.common.rect = {0, 0, 10, 10};
        r.font = LogFont::documentDefault();
        r.text = "AB";
        r.letterSpacing = c.stored;
        ScriptedUiPort ui;
        const auto object = ReadObjectRecord(encodeRecord(r), 6, &ui);
        const auto& text = dynamic_cast<const CTextObject&>(*object);
        EXPECT_TRUE(ui.messages().empty()) << c.stored;
        EXPECT_EQ(text.letterSpacing, c.read);
        TextStyle style;
        style.text = r.text;
        style.font = r.font;
        style.letterSpacing = c.stored;
        const auto drawn = renderText(style);
        ASSERT_TRUE(drawn.text) << c.stored;
        EXPECT_EQ(drawn.text->metrics.width, text.width()) << c.stored;
    }
}

TEST(LayerClipboard, PastedLabelsReportToTheirOwnPrompts)
{
    // Two programs (or two tests) side by side: each hears only about its own labels.
    TextRecord r;
    r.common.rect = {0, 0, 3000, 40};
    r.font = LogFont::documentDefault();
    r.font.height = kMaxFontHeight;
    r.antialiased = 1;
    r.text = "WWWWWWWWWWWW";
    const LayerClipboardBlock block = buildLayerClipboardBlock({encodeRecord(r)});
    ScriptedUiPort first, second;
    CLayerList a, b, silent;
    ASSERT_EQ(PasteBlock(a, block, &first), 1);
    ASSERT_EQ(PasteBlock(b, block, &second), 1);
    ASSERT_EQ(PasteBlock(b, block, &second), 1);
    ASSERT_EQ(PasteBlock(silent, block), 1);
    EXPECT_EQ(first.messages().size(), 1u);
    EXPECT_EQ(second.messages().size(), 2u);
}
