#include "filters/scripted_ui_port.h"
#include "model/bitmap_object.h"
#include "model/clone_object.h"
#include "model/document_file.h"
#include "model/document_limits.h"
#include "model/ellipse_object.h"
#include "model/gif_document_import.h"
#include "model/lwd/lwd_format.h"
#include "model/lwd/lwd_reader.h"
#include "model/lwd/lwd_writer.h"
#include "model/rect_object.h"
#include "model/text_object.h"
#include "platform/archive.h"
#include "platform/errors.h"
#include "platform/settings.h"
#include "support/picture_builders.h"
#include "support/raster_builders.h"

#include <filesystem>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <set>

using namespace lw;
using namespace lwtest;

namespace {

class Catalog : public EffectCatalog {
public:
    explicit Catalog(std::set<std::int32_t> ids) : ids_(std::move(ids)) {}
    bool isInstalled(std::int32_t id) const override { return ids_.count(id) != 0; }

private:
    std::set<std::int32_t> ids_;
};

const Catalog kAllUsed({1, 3, 5, 7, 9, 11, 13, 15, 17});

template <typename T> T* add(CFrame& frame, std::unique_ptr<T> object)
{
    T* raw = object.get();
    frame.AppendObject(std::move(object));
    return raw;
}

void setEffects(CLayerObject& o, std::int32_t base)
{
    o.introEffect = {base, 1, 100 + base};
    o.outroEffect = {base + 2, 2, 200 + base};
    o.animationEffect = {base + 4, 3, 300 + base};
}

// Three frames holding every kind with every field set, effects everywhere, a background frame,
// a master frame, a border and a clone on another frame.
void buildEverything(CLWDoc& doc)
{
    doc.textFont.height = 30;
    doc.textFont.weight = 700;
    doc.textFont.setFace("Liberation Serif");
    CAnimation& a = doc.animation;
    a.SetSize(100, 50);
    a.loopCount = 3;
    a.linkUrl = "http://пример.рф/баннер";
    a.altText = "Баннер «Весна»";
    const int x0 = a.canvasRect.left;
    const int y0 = a.canvasRect.top;

    CFrame& f1 = *a.firstFrame;
    f1.delay = 70;
    f1.backgroundColour = 0x112233;
    f1.borderColour = 0x445566;
    f1.borderWidth = 2;
    f1.introEffect = {1, 2, 3};
    f1.outroEffect = {3, 4, 5};
    f1.animationEffect = {7, 1, 9};

    auto rect = std::make_unique<CRectObject>();
    rect->style = RectStyle{0x80FF0000, 0x00123456, 3, 2, 1};
    rect->reserved = {11, 12};
    rect->Resize(LayerRect{0, 0, 30, 20});
    rect->MoveTo(x0 + 5, y0 + 6);
    setEffects(*rect, 1);
    CRectObject* rectRaw = add(f1, std::move(rect));

    auto ellipse = std::make_unique<CEllipseObject>();
    ellipse->colour = 0x2000FF00;
    ellipse->style = 4;
    ellipse->reserved = {5, 6, 7};
    ellipse->Resize(LayerRect{0, 0, 21, 13});
    ellipse->MoveTo(x0 + 40, y0 + 2);
    setEffects(*ellipse, 3);
    add(f1, std::move(ellipse));

    auto text = std::make_unique<CTextObject>();
    text->font = doc.textFont;
    text->text = "Привет\nмир";
    text->widthScale = 1.5;
    text->letterSpacing = 2.25;
    text->antialiased = 1;
    text->textColour = 0x000000FF;
    text->alignment = 1;
    text->spareColour = 0xFF000000;
    text->reserved = {21, 22, 23};
    text->Render();
    text->MoveTo(x0 + 10, y0 + 30);
    setEffects(*text, 5);
    add(f1, std::move(text));

    auto bitmap = std::make_unique<CBitmapObject>();
    bitmap->TakePixels(
        rasterFromRows(3, 2, {0x00FF0000, 0xFF00FF00, 0x800000FF, 0x00010203, 0x00040506, 0x7F070809}));
    bitmap->MoveTo(x0 + 1, y0 + 1);
    bitmap->hasTransparency = 1;
    bitmap->reserved = {31, 32, 33};
    setEffects(*bitmap, 7);
    add(f1, std::move(bitmap));

    CFrame& f2 = *a.AppendFrame();
    f2.masterFrame = 1;
    f2.delay = 20;
    f2.SetBackgroundFrame(&f1);
    auto clone = std::make_unique<CCloneObject>(rectRaw);
    clone->MoveTo(x0 + 50, y0 + 20);
    setEffects(*clone, 9);
    add(f2, std::move(clone));

    CFrame& f3 = *a.AppendFrame();
    f3.SetBackgroundFrame(&f2);
    f3.introEffect = {11, 5, 0};
    a.PrepareCloneReferences();
}

// A hand-made file of an older version: the caller writes frames and records in the layout of
// that version.
struct OldFile {
    ArchiveWriter out;
    explicit OldFile(std::string_view magic, int width = 20, int height = 10)
    {
        out.writeString(magic);
        out.writeBytes(LogFont::documentDefault().toBytes());
        out.writeInt32(width);
        out.writeInt32(height);
        out.writeInt32(0);
    }
    // Frame fields 2–6 and, by version, the effects, border and animation effect.
    void frame(int version, std::uint32_t id, std::uint32_t backgroundId)
    {
        out.writeString("XFRM");
        out.writeUint32(id);
        out.writeUint32(backgroundId);
        out.writeInt32(0);
        out.writeInt32(40);
        out.writeUint32(0x00FFFFFF);
        if (version >= 4)
            for (std::int32_t v : {1, 3, 2, 4, 10, 30}) // ids, speeds, params interleaved
                out.writeInt32(v);
        if (version >= 5) {
            out.writeUint32(0x0000FF);
            out.writeInt32(1);
        }
        if (version >= 6)
            for (std::int32_t v : {5, 1, 50})
                out.writeInt32(v);
    }
    void record(const Bytes& bytes)
    {
        out.writeUint32(static_cast<std::uint32_t>(bytes.size()));
        out.writeBytes(bytes);
    }
    void endObjects() { out.writeUint32(0); }
    Bytes finish()
    {
        out.writeString("HREF");
        out.writeString("");
        out.writeString("");
        out.writeUint32(0);
        return out.take();
    }
};

// An 88-byte rectangle record at (x, y) 4 × 3 whose later-version fields all hold 7.
Bytes rectRecord(int x, int y)
{
    Bytes r = {'R', 'E', 'C', 'T'};
    put32(r, 88);
    for (int v : {x, y, x + 4, y + 3})
        put32(r, static_cast<std::uint32_t>(v));
    put32(r, 0x00FF0000);
    put32(r, 0x000000FF);
    put32(r, 1);
    put32(r, 1);
    put32(r, 0);
    while (r.size() < 88)
        put32(r, 7);
    return r;
}

std::unique_ptr<CLWDoc> load(const Bytes& bytes, UiPort& ui, const EffectCatalog& catalog = kAllUsed,
                             const LwdReadLimits& limits = {})
{
    auto doc = std::make_unique<CLWDoc>();
    ReadLwdDocument(*doc, bytes, catalog, ui, limits);
    return doc;
}

} // namespace

TEST(LwdFile, EveryKindAndFieldRoundTripsByteExactly)
{
    CLWDoc doc;
    buildEverything(doc);
    const Bytes first = WriteLwdDocument(doc);
    ScriptedUiPort ui;
    auto loaded = load(first, ui);
    EXPECT_TRUE(ui.messages().empty());
    loaded->animation.PrepareCloneReferences();
    const Bytes second = WriteLwdDocument(*loaded);
    EXPECT_EQ(first, second);

    // The fields arrive where they belong.
    const CAnimation& a = loaded->animation;
    EXPECT_EQ(a.savedAsDocument, 1);
    EXPECT_EQ(a.loopCount, 3);
    EXPECT_EQ(a.linkUrl, "http://пример.рф/баннер");
    EXPECT_EQ(a.altText, "Баннер «Весна»");
    EXPECT_EQ(loaded->textFont, doc.textFont);
    ASSERT_EQ(a.TotalFrames(), 3);
    const CFrame& f1 = *a.FrameAt(0);
    EXPECT_EQ(f1.delay, 70);
    EXPECT_EQ(f1.borderWidth, 2);
    EXPECT_EQ(f1.outroEffect, (EffectAssignment{3, 4, 5}));
    EXPECT_EQ(f1.animationEffect, (EffectAssignment{7, 1, 9}));
    ASSERT_EQ(f1.ObjectCount(), 4);
    const auto* rect = dynamic_cast<const CRectObject*>(f1.ObjectAt(0));
    ASSERT_NE(rect, nullptr);
    EXPECT_EQ(rect->style, (RectStyle{0x80FF0000, 0x00123456, 3, 2, 1}));
    EXPECT_EQ(rect->reserved, (std::array<std::int32_t, 2>{11, 12}));
    EXPECT_EQ(rect->animationEffect, (EffectAssignment{5, 3, 301}));
    const auto* text = dynamic_cast<const CTextObject*>(f1.ObjectAt(2));
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->text, "Привет\nмир");
    EXPECT_EQ(text->alignment, 1);
    const CFrame& f2 = *a.FrameAt(1);
    EXPECT_EQ(f2.masterFrame, 1);
    EXPECT_EQ(f2.backgroundFrame, &f1);
    EXPECT_EQ(a.FrameAt(2)->backgroundFrame, &f2);
    ASSERT_EQ(f2.ObjectCount(), 1);
    EXPECT_EQ(f2.ObjectAt(0)->CloneSource(), f1.ObjectAt(0));
    // Frames were rendered: the first frame's border colour (0x00BBGGRR) sits in the corner.
    EXPECT_EQ(f1.image.bits()[f1.image.indexOf(0, 0)] & 0xFFFFFF,
              rasterColourFromFrameColour(0x445566) & 0xFFFFFF);
}

TEST(LwdFile, ALoadedDocumentIsRenderedCompletelyClonesAndBackdropsIncluded)
{
    CLWDoc doc;
    buildEverything(doc);
    ScriptedUiPort ui;
    auto loaded = load(WriteLwdDocument(doc), ui);
    CAnimation& a = loaded->animation;
    std::vector<std::vector<std::uint32_t>> images, composites;
    auto snapshot = [&] {
        images.clear();
        composites.clear();
        for (const CFrame* f = a.firstFrame.get(); f; f = f->next.get()) {
            images.emplace_back(f->image.pixels().begin(), f->image.pixels().end());
            for (const CLayerObject* o = f->head.get(); o; o = o->next.get())
                composites.emplace_back(o->composite.pixels().begin(), o->composite.pixels().end());
        }
    };
    snapshot();
    const auto loadedImages = images;
    const auto loadedComposites = composites;
    // Rendering again finds nothing left to change.
    a.RenderAllFrames();
    snapshot();
    EXPECT_EQ(loadedImages, images);
    EXPECT_EQ(loadedComposites, composites);
    // The clone on the second frame shows its source's pixels.
    const CLayerObject* clone = a.FrameAt(1)->ObjectAt(0);
    const CLayerObject* source = a.FrameAt(0)->ObjectAt(0);
    ASSERT_EQ(clone->CloneSource(), source);
    EXPECT_EQ(clone->ownImage.GetPixel(1, 1), source->ownImage.GetPixel(1, 1));
}

TEST(LwdFile, FileLayoutStartsAndEndsAsWritten)
{
    CLWDoc doc;
    const Bytes bytes = WriteLwdDocument(doc);
    // Magic, font, canvas, loop count.
    ASSERT_GE(bytes.size(), 8u + 60 + 12);
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 8), (Bytes{7, 'L', 'W', 'D', 'F', '1', '.', '3'}));
    EXPECT_EQ(bytes[68], 468 & 0xFF);
    EXPECT_EQ(bytes[72], 60);
    // One empty frame section: tag, id 1, background 0, master, delay 100, colour, 6 + 2 + 3 values,
    // the object list's 0.
    const std::size_t frame = 80;
    EXPECT_EQ(Bytes(bytes.begin() + frame, bytes.begin() + frame + 5), (Bytes{4, 'X', 'F', 'R', 'M'}));
    EXPECT_EQ(bytes[frame + 5], 1);
    EXPECT_EQ(bytes[frame + 17], 100);
    const std::size_t link = frame + 5 + 4 * 5 + 4 * 11 + 4;
    EXPECT_EQ(Bytes(bytes.begin() + link, bytes.end()), (Bytes{4, 'H', 'R', 'E', 'F', 0, 0, 0, 0, 0, 0}));
}

TEST(LwdFile, OnlyTheFirstOfTheFourEndBytesIsRead)
{
    CLWDoc doc;
    Bytes bytes = WriteLwdDocument(doc);
    ScriptedUiPort ui;
    EXPECT_NO_THROW(load(bytes, ui));
    bytes.resize(bytes.size() - 3);
    EXPECT_NO_THROW(load(bytes, ui));
    bytes.pop_back();
    try {
        load(bytes, ui);
        FAIL() << "a file without its end byte loaded";
    } catch (const ArchiveError& e) {
        EXPECT_EQ(e.kind(), ArchiveError::Kind::EndOfFile);
    }
}

TEST(LwdFile, OlderVersionsLoadWithTheirLaterFieldsZero)
{
    for (int version : {3, 4, 5}) {
        SCOPED_TRACE(version);
        OldFile file(version == 3 ? "LWDF1.0" : version == 4 ? "LWDF1.1" : "LWDF1.2");
        file.frame(version, 1, 0);
        file.record(rectRecord(600, 600));
        file.endObjects();
        ScriptedUiPort ui;
        const Catalog catalog({1, 3, 5, 7});
        auto doc = load(file.finish(), ui, catalog);
        EXPECT_TRUE(ui.messages().empty());
        const CFrame& frame = *doc->animation.firstFrame;
        EXPECT_EQ(frame.delay, 40);
        EXPECT_EQ(frame.introEffect, version >= 4 ? (EffectAssignment{1, 2, 10}) : EffectAssignment{});
        EXPECT_EQ(frame.outroEffect, version >= 4 ? (EffectAssignment{3, 4, 30}) : EffectAssignment{});
        EXPECT_EQ(frame.borderWidth, version >= 5 ? 1 : 0);
        EXPECT_EQ(frame.borderColour, version >= 5 ? 0x0000FFu : 0u);
        EXPECT_EQ(frame.animationEffect, EffectAssignment{});
        ASSERT_EQ(frame.ObjectCount(), 1);
        const auto* rect = dynamic_cast<const CRectObject*>(frame.ObjectAt(0));
        ASSERT_NE(rect, nullptr);
        EXPECT_EQ(rect->rect, (LayerRect{600, 600, 604, 603}));
        EXPECT_EQ(rect->introEffect, version >= 4 ? (EffectAssignment{7, 7, 7}) : EffectAssignment{});
        EXPECT_EQ(rect->animationEffect, version >= 5 ? (EffectAssignment{7, 7, 7}) : EffectAssignment{});
        EXPECT_EQ(rect->reserved, (std::array<std::int32_t, 2>{0, 0}));
    }
}

TEST(LwdFile, OldEllipsesResaveWithTheReservedFieldsOfANewOne)
{
    for (int version : {3, 4, 5}) {
        SCOPED_TRACE(version);
        OldFile file(version == 3 ? "LWDF1.0" : version == 4 ? "LWDF1.1" : "LWDF1.2");
        file.frame(version, 1, 0);
        // The ellipse record as that version wrote it: 32, 56 or 68 bytes.
        Bytes ellipse = {'E', 'L', 'P', 'S'};
        const std::uint32_t length = version == 3 ? 32 : version == 4 ? 56 : 68;
        put32(ellipse, length);
        for (int v : {600, 600, 640, 620})
            put32(ellipse, static_cast<std::uint32_t>(v));
        put32(ellipse, 0x0000FF);
        put32(ellipse, 1);
        while (ellipse.size() < length)
            put32(ellipse, 0);
        file.record(ellipse);
        file.endObjects();
        ScriptedUiPort ui;
        auto doc = load(file.finish(), ui);
        const Bytes saved = WriteLwdDocument(*doc);
        const std::string tag = "ELPS";
        const auto at = std::search(saved.begin(), saved.end(), tag.begin(), tag.end());
        ASSERT_NE(at, saved.end());
        const auto offset = static_cast<std::size_t>(at - saved.begin());
        ASSERT_GE(saved.size(), offset + 80);
        EXPECT_EQ(Bytes(saved.begin() + static_cast<std::ptrdiff_t>(offset + 68),
                        saved.begin() + static_cast<std::ptrdiff_t>(offset + 80)),
                  (Bytes{0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0}));
    }
}

TEST(LwdFile, UnknownMagics)
{
    for (const char* magic : {"LWDF1.9", "LWDF2.0"}) {
        ScriptedUiPort ui;
        OldFile file(magic);
        EXPECT_THROW(load(file.finish(), ui), ArchiveError);
        ASSERT_EQ(ui.messages().size(), 1u);
        EXPECT_EQ(ui.messages()[0].caption, "Loopwright GIF Animator");
        EXPECT_EQ(ui.messages()[0].icon, MsgIcon::Information);
        EXPECT_NE(ui.messages()[0].text.find("www.quarvex.com"), std::string::npos);
    }
    for (const char* magic : {"XXXX", "LWD", ""}) {
        ScriptedUiPort ui;
        OldFile file(magic);
        EXPECT_THROW(load(file.finish(), ui), ArchiveError);
        EXPECT_TRUE(ui.messages().empty());
    }
}

TEST(LwdFile, BackgroundFramesResolveOnlyAgainstEarlierFrames)
{
    OldFile file("LWDF1.3");
    file.frame(6, 10, 20); // names the frame after it
    file.endObjects();
    file.frame(6, 20, 20); // names itself
    file.endObjects();
    file.frame(6, 30, 10); // names the first
    file.endObjects();
    ScriptedUiPort ui;
    auto doc = load(file.finish(), ui);
    const CAnimation& a = doc->animation;
    ASSERT_EQ(a.TotalFrames(), 3);
    EXPECT_EQ(a.FrameAt(0)->backgroundFrame, nullptr);
    EXPECT_EQ(a.FrameAt(1)->backgroundFrame, nullptr);
    EXPECT_EQ(a.FrameAt(2)->backgroundFrame, a.FrameAt(0));
    EXPECT_EQ(a.FrameAt(2)->storedId, 30);

    // Id 0 means "none", even when a hand-made file gives a frame that id.
    OldFile zero("LWDF1.3");
    zero.frame(6, 0, 0);
    zero.endObjects();
    zero.frame(6, 5, 0);
    zero.endObjects();
    auto doc2 = load(zero.finish(), ui);
    EXPECT_EQ(doc2->animation.FrameAt(1)->backgroundFrame, nullptr);
}

TEST(LwdFile, EmptyLabelIs177BytesAndReadsBackEmpty)
{
    CTextObject label;
    label.font = LogFont::documentDefault();
    label.Render();
    const ObjectRecord record = label.WriteRecord();
    ASSERT_EQ(record.size(), 177u);
    EXPECT_EQ(record[176], 0);
    OldFile file("LWDF1.3");
    file.frame(6, 1, 0);
    file.record(record);
    file.endObjects();
    ScriptedUiPort ui;
    auto doc = load(file.finish(), ui);
    const auto* text = dynamic_cast<const CTextObject*>(doc->animation.firstFrame->ObjectAt(0));
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->text, "");
}

TEST(LwdFile, BitmapPixelsStartAtTheRecordsHeaderSize)
{
    // A 2 × 1 bitmap whose header is 64 bytes (no reserved fields).
    Bytes r = {'D', 'I', 'B', 'M'};
    put32(r, 64);
    for (int v : {600, 600, 602, 601})
        put32(r, static_cast<std::uint32_t>(v));
    put32(r, 0);
    while (r.size() < 64)
        put32(r, 0);
    put32(r, 0x00112233);
    put32(r, 0x00445566);
    OldFile file("LWDF1.2");
    file.frame(5, 1, 0);
    file.record(r);
    file.endObjects();
    ScriptedUiPort ui;
    const Catalog catalog({1, 3});
    auto doc = load(file.finish(), ui, catalog);
    const CLayerObject& bitmap = *doc->animation.firstFrame->ObjectAt(0);
    EXPECT_EQ(topDownPixels(bitmap.ownImage), (std::vector<std::uint32_t>{0x00112233, 0x00445566}));
}

TEST(LwdFile, UnknownEffectsAreClearedWithOneWarning)
{
    CLWDoc doc;
    buildEverything(doc);
    const Bytes bytes = WriteLwdDocument(doc);
    ScriptedUiPort ui;
    const Catalog onlyOne({1}); // 3, 5, 7, … are not installed
    auto loaded = load(bytes, ui, onlyOne);
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_EQ(ui.messages()[0].caption, "Unknown Extensions - Loopwright GIF Animator");
    EXPECT_EQ(ui.messages()[0].text, kUnknownExtensionsText);
    EXPECT_EQ(ui.messages()[0].text.back(), ' ');
    EXPECT_EQ(ui.messages()[0].icon, MsgIcon::Warning);
    const CFrame& f1 = *loaded->animation.firstFrame;
    EXPECT_EQ(f1.introEffect, (EffectAssignment{1, 2, 3}));
    EXPECT_EQ(f1.outroEffect, EffectAssignment{});
    EXPECT_EQ(f1.animationEffect, (EffectAssignment{7, 1, 9})); // not checked
    const CLayerObject& rect = *f1.ObjectAt(0);
    EXPECT_EQ(rect.introEffect, (EffectAssignment{1, 1, 101}));
    EXPECT_EQ(rect.outroEffect, EffectAssignment{});
    EXPECT_EQ(rect.animationEffect, (EffectAssignment{5, 3, 301}));
}

TEST(LwdFile, FormatFailures)
{
    auto expectBad = [](Bytes bytes, ArchiveError::Kind kind,
                        std::int64_t maxPixels = LwdReadLimits{}.maxPixels) {
        ScriptedUiPort ui;
        try {
            load(bytes, ui, kAllUsed, LwdReadLimits{maxPixels});
            ADD_FAILURE() << "loaded";
        } catch (const ArchiveError& e) {
            EXPECT_EQ(e.kind(), kind);
        }
    };
    {
        OldFile file("LWDF1.3", 0, 10);
        file.frame(6, 1, 0);
        file.endObjects();
        expectBad(file.finish(), ArchiveError::Kind::BadFormat);
    }
    {
        OldFile file("LWDF1.3", 5000, 5000); // larger than the editor can hold
        file.frame(6, 1, 0);
        file.endObjects();
        expectBad(file.finish(), ArchiveError::Kind::BadFormat);
    }
    {
        OldFile file("LWDF1.3");
        expectBad(file.finish(), ArchiveError::Kind::BadFormat); // HREF where XFRM must be
    }
    {
        OldFile file("LWDF1.3");
        file.frame(6, 1, 0);
        file.out.writeUint32(0xFFFFFFF0u); // a record longer than the file
        expectBad(file.out.take(), ArchiveError::Kind::EndOfFile);
    }
    {
        // Many large objects in a small file: refused before their images are allocated (here
        // with a small budget: 3 objects of 2 × 200 × 200 pixels fit, the fourth does not).
        OldFile file("LWDF1.3");
        file.frame(6, 1, 0);
        Bytes big = rectRecord(0, 0);
        big[16] = 200; // right
        big[20] = 200; // bottom
        for (int i = 0; i < 50; ++i)
            file.record(big);
        file.endObjects();
        expectBad(file.finish(), ArchiveError::Kind::BadFormat, 20 * 10 + 3 * 2 * 200 * 200 + 1);
        // Frames count too: each one holds a canvas-sized image.
        OldFile frames("LWDF1.3", 100, 100);
        for (std::uint32_t id = 1; id <= 5; ++id) {
            frames.frame(6, id, 0);
            frames.endObjects();
        }
        expectBad(frames.finish(), ArchiveError::Kind::BadFormat, 4 * 100 * 100);
    }
    CLWDoc doc;
    buildEverything(doc);
    const Bytes whole = WriteLwdDocument(doc);
    for (std::size_t cut : {std::size_t{3}, std::size_t{70}, whole.size() / 2, whole.size() - 5})
        expectBad(Bytes(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(cut)),
                  ArchiveError::Kind::EndOfFile);
}

TEST(LwdFile, ClonesWithoutTheirSourceAreDropped)
{
    CLWDoc doc;
    buildEverything(doc);
    Bytes bytes = WriteLwdDocument(doc);
    // Point the clone at object 9 of frame 0, which does not exist.
    const Bytes tag = {'C', 'L', 'O', 'N'};
    const auto at = std::search(bytes.begin(), bytes.end(), tag.begin(), tag.end());
    ASSERT_NE(at, bytes.end());
    *(at + 68) = 9;
    ScriptedUiPort ui;
    auto loaded = load(bytes, ui);
    EXPECT_EQ(loaded->animation.FrameAt(1)->ObjectCount(), 0);
}

TEST(SaveDocument, WritesTheFileAndTheNewDocumentDefaults)
{
    CLWDoc doc;
    doc.animation.SetSize(120, 90);
    doc.animation.firstFrame->backgroundColour = 0x00ABCDEF;
    ScriptedUiPort ui;
    Settings settings;
    const std::string path = tempPath("saved.lwd");
    writeBytes(path, Bytes{'o', 'l', 'd'});
    ASSERT_TRUE(SaveDocument(doc, path, ui, settings));
    EXPECT_EQ(readBytes(path), WriteLwdDocument(doc));
    EXPECT_EQ(doc.animation.savedAsDocument, 1);
    EXPECT_EQ(settings.readInt("Frame", "Width", 0), 120);
    EXPECT_EQ(settings.readInt("Frame", "Height", 0), 90);
    EXPECT_EQ(settings.readInt("Frame", "Color", 0), 0x00ABCDEF);
    EXPECT_TRUE(ui.messages().empty());

    CLWDoc reloaded;
    LoadDocument(reloaded, path, kAllUsed, ui);
    EXPECT_EQ(reloaded.animation.width(), 120);
}

TEST(SaveDocument, ANameThatIsNotLwdIsRefusedAndNothingIsWritten)
{
    CLWDoc doc;
    ScriptedUiPort ui;
    Settings settings;
    const std::string gif = tempPath("picture.gif");
    EXPECT_FALSE(SaveDocument(doc, gif, ui, settings));
    EXPECT_FALSE(std::filesystem::exists(gif));
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_NE(ui.messages()[0].text.find("picture.gif"), std::string::npos);
    EXPECT_EQ(doc.animation.savedAsDocument, 0);

    const std::string existing = tempPath("keep.gif");
    writeBytes(existing, Bytes{'G', 'I', 'F'});
    EXPECT_FALSE(SaveDocument(doc, existing, ui, settings));
    EXPECT_EQ(readBytes(existing), (Bytes{'G', 'I', 'F'}));
}

TEST(SaveDocument, AFailedWriteKeepsThePreviousFile)
{
    CLWDoc doc;
    ScriptedUiPort ui;
    Settings settings;
    EXPECT_THROW(SaveDocument(doc, "/nonexistent-folder/doc.lwd", ui, settings), FileError);
    EXPECT_EQ(doc.animation.savedAsDocument, 0);
}

namespace {

// A text label with the default font at the given baseline.
std::unique_ptr<CTextObject> labelAt(const std::string& text, int x, int baseline)
{
    auto t = std::make_unique<CTextObject>();
    t->font = LogFont::documentDefault();
    t->text = text;
    t->position = {x, baseline};
    t->Render();
    return t;
}

// Saves through the writer and reads the bytes back with the same limits; the reopened document
// with the messages the reader showed.
std::unique_ptr<CLWDoc> saveAndReopen(CLWDoc& doc, ScriptedUiPort& ui, const LwdReadLimits& limits = {})
{
    doc.animation.PrepareCloneReferences();
    return load(WriteLwdDocument(doc), ui, kAllUsed, limits);
}

} // namespace

TEST(DocumentLimits, LabelsResizedBeyondTheLimitsStayWithinThemAndReopen)
{
    // Each drag would leave a label the reader refuses (the first is the reported one: handle 3
    // of a 30 × 27 label dragged to 900 × 10 gave a width scale of 81).
    struct Drag {
        const char* name;
        int width, height; // the new size; 0 keeps the label's own
    };
    const Drag drags[] = {{"wide and low", 900, 10},
                          {"very wide, same height", 40000, 0},
                          {"very tall", 0, 9000},
                          {"tall and narrow", 2, 2000},
                          {"wide and flat", 100000, 1}};
    for (const Drag& drag : drags) {
        SCOPED_TRACE(drag.name);
        CLWDoc doc;
        CFrame& frame = *doc.animation.firstFrame;
        CTextObject* t = static_cast<CTextObject*>(frame.AppendObject(labelAt("AB", 400, 500)));
        const LayerRect r = t->rect;
        t->Resize({r.left, r.top, r.left + (drag.width ? drag.width : rectWidth(r)),
                   r.top + (drag.height ? drag.height : rectHeight(r))});
        EXPECT_GT(t->widthScale, 0.0);
        EXPECT_LE(t->widthScale, kMaxWidthScale);
        EXPECT_LE(std::abs(t->letterSpacing), kMaxLetterSpacing);
        EXPECT_LE(std::abs(t->font.height), kMaxFontHeight);
        ScriptedUiPort ui;
        const auto back = saveAndReopen(doc, ui);
        EXPECT_TRUE(ui.messages().empty());
        ASSERT_EQ(back->animation.firstFrame->ObjectCount(), 1);
        const auto& reread = static_cast<const CTextObject&>(*back->animation.firstFrame->ObjectAt(0));
        EXPECT_EQ(reread.widthScale, t->widthScale);
        EXPECT_EQ(reread.letterSpacing, t->letterSpacing);
        EXPECT_EQ(reread.font.height, t->font.height);
    }
}

TEST(DocumentLimits, ALabelAtEveryLimitSavesAndReopens)
{
    struct Edge {
        double widthScale, letterSpacing;
        std::int32_t fontHeight;
        std::int16_t outline;
    };
    for (const Edge e : {Edge{kMaxWidthScale, kMaxLetterSpacing, -kMaxFontHeight / 40, kMaxOutlineWidth},
                         Edge{kMinWidthScale, kMaxLetterSpacing, kMaxFontHeight / 40, 0},
                         Edge{1.0, kMinLetterSpacing, -kMaxFontHeight, 1}}) {
        SCOPED_TRACE(e.widthScale);
        CLWDoc doc;
        auto t = labelAt("Ab", 300, 400);
        t->widthScale = e.widthScale;
        t->letterSpacing = e.letterSpacing;
        t->font.height = e.fontHeight;
        t->outlineWidth = e.outline;
        t->Render();
        const ObjectRecord written = t->WriteRecord();
        doc.animation.firstFrame->AppendObject(std::move(t));
        ScriptedUiPort ui;
        const auto back = saveAndReopen(doc, ui);
        EXPECT_TRUE(ui.messages().empty());
        ASSERT_EQ(back->animation.firstFrame->ObjectCount(), 1);
        EXPECT_EQ(back->animation.firstFrame->ObjectAt(0)->WriteRecord(), written);
    }
}

TEST(DocumentLimits, TheReaderCountsExactlyWhatTheDocumentHolds)
{
    // Frames, rectangles, a label, a bitmap and a clone: the document's own count is the least
    // the reader needs, so a document within the limit always reopens.
    CLWDoc doc;
    buildEverything(doc);
    doc.animation.PrepareCloneReferences();
    const std::int64_t pixels = DocumentPixels(doc.animation);
    const Bytes bytes = WriteLwdDocument(doc);
    ScriptedUiPort ui;
    EXPECT_NO_THROW(load(bytes, ui, kAllUsed, LwdReadLimits{pixels}));
    EXPECT_THROW(load(bytes, ui, kAllUsed, LwdReadLimits{pixels - 1}), ArchiveError);
    EXPECT_TRUE(DocumentHasRoomFor(doc.animation, kMaxDocumentPixels - pixels));
    EXPECT_FALSE(DocumentHasRoomFor(doc.animation, kMaxDocumentPixels - pixels + 1));

    // Saving beyond the limit writes nothing and says why; at the limit the file reopens.
    Settings settings;
    const std::string path = tempPath("limit.lwd");
    EXPECT_FALSE(SaveDocument(doc, path, ui, settings, LwdReadLimits{pixels - 1}));
    EXPECT_FALSE(std::filesystem::exists(path));
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_EQ(ui.messages()[0].text, kDocumentTooLarge);
    ASSERT_TRUE(SaveDocument(doc, path, ui, settings, LwdReadLimits{pixels}));
    CLWDoc reopened;
    LoadDocument(reopened, path, kAllUsed, ui, LwdReadLimits{pixels});
    EXPECT_EQ(WriteLwdDocument(reopened), bytes);
}

TEST(DocumentLimits, WhatGifImportAcceptsTheReaderReopens)
{
    // Frames smaller than, equal to and larger than the screen, in both import modes: the count the
    // import checks is never below what the document then holds.
    GifAnimation gif;
    gif.SetScreenSize(40, 30);
    for (auto [w, h] : {std::pair{40, 30}, {10, 5}, {60, 8}, {40, 30}}) {
        CRaster raster(w, h);
        raster.FillRect(static_cast<std::uint32_t>(w * 1000 + h));
        gif.AddFrame(raster).delay = 10;
    }
    gif.CountColours();
    gif.BuildPalette(256);
    gif.EncodeFrames();
    const Bytes file = gif.Write();
    for (const GifImportMode mode : {GifImportMode::Full, GifImportMode::Optimised}) {
        SCOPED_TRACE(static_cast<int>(mode));
        GifAnimation read;
        ScriptedUiPort ui;
        ASSERT_EQ(read.Read(file, ui), 1);
        read.DecodeFrames();
        read.FramesToRasters();
        const std::int64_t counted = GifDocumentPixels(read);
        ui.queueGifImport(GifImportAnswer{true, mode});
        CLWDoc doc;
        OpenGifDocument(doc, file, "/x/a.gif", ui);
        ASSERT_EQ(doc.animation.TotalFrames(), 4);
        EXPECT_LE(DocumentPixels(doc.animation), counted);
        EXPECT_NO_THROW(saveAndReopen(doc, ui, LwdReadLimits{counted}));
    }
}

TEST(DocumentLimits, ADamagedRecordLosesOnlyItsOwnLayer)
{
    // Frame 1: rectangle, a label whose width scale no label can have, an unknown tag, rectangle.
    // Frame 2: a clone of frame 1's last rectangle (layer index 3 as written).
    CLWDoc source;
    auto label = labelAt("Hi", 600, 600);
    ObjectRecord badLabel = label->WriteRecord();
    const double tooWide = 100.0;
    std::memcpy(badLabel.data() + 24, &tooWide, sizeof tooWide);
    Bytes unknown = rectRecord(0, 0);
    unknown[0] = 'B';
    OldFile file("LWDF1.3");
    file.frame(6, 1, 0);
    file.record(rectRecord(600, 600));
    file.record(badLabel);
    file.record(unknown);
    Bytes last = rectRecord(610, 610);
    last[24] = 0x42; // a fill colour to recognise it by
    file.record(last);
    file.endObjects();
    file.frame(6, 2, 0);
    Bytes clone = {'C', 'L', 'O', 'N'};
    put32(clone, 72);
    for (int v : {610, 610, 614, 613})
        put32(clone, static_cast<std::uint32_t>(v));
    while (clone.size() < 68)
        put32(clone, 0);
    put32(clone, 3); // frame 0, layer 3
    file.record(clone);
    file.endObjects();
    ScriptedUiPort ui;
    const auto doc = load(file.finish(), ui);
    const CFrame& first = *doc->animation.firstFrame;
    ASSERT_EQ(first.ObjectCount(), 2);
    EXPECT_EQ(first.ObjectAt(0)->rect.left, 600);
    EXPECT_EQ(static_cast<const CRectObject&>(*first.ObjectAt(1)).style.fillColour & 0xFF, 0x42u);
    const CFrame& second = *doc->animation.FrameAt(1);
    ASSERT_EQ(second.ObjectCount(), 1);
    EXPECT_EQ(second.ObjectAt(0)->CloneSource(), first.ObjectAt(1));
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_EQ(ui.messages()[0].icon, MsgIcon::Warning);
    EXPECT_EQ(ui.messages()[0].text, std::string(kDamagedLayersText) +
                                         "frame 1, layer 2 (text label): text width scale out of range\n"
                                         "frame 1, layer 3 (unknown kind): unknown tag\n");
}

TEST(DocumentLimits, ACloneOfADroppedLayerGoesWithIt)
{
    OldFile file("LWDF1.3");
    file.frame(6, 1, 0);
    Bytes bad = rectRecord(600, 600);
    bad[16] = bad[8]; // right = left: an empty rectangle
    file.record(bad);
    Bytes clone = {'C', 'L', 'O', 'N'};
    put32(clone, 72);
    for (int v : {600, 600, 604, 603})
        put32(clone, static_cast<std::uint32_t>(v));
    while (clone.size() < 68)
        put32(clone, 0);
    put32(clone, 0); // frame 0, layer 0: the dropped rectangle
    file.record(clone);
    file.endObjects();
    ScriptedUiPort ui;
    const auto doc = load(file.finish(), ui);
    EXPECT_EQ(doc->animation.firstFrame->ObjectCount(), 0);
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_EQ(ui.messages()[0].text,
              std::string(kDamagedLayersText) + "frame 1, layer 1 (rectangle): object size out of range\n");
}
