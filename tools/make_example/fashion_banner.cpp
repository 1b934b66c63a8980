#include "tools/make_example/fashion_banner.h"

#include "model/bitmap_object.h"
#include "model/clone_object.h"
#include "model/ellipse_object.h"
#include "model/rect_object.h"
#include "model/text_object.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace lw {
namespace {

// Effect ids of the shipped libraries.
constexpr int kFlyFromLeft = 1;
constexpr int kFlyToRight = 13;
constexpr int kStretchFromLeft = 31;
constexpr int kPeekFromBottom = 42;
constexpr int kFadeIn = 21;
constexpr int kFadeOut = 22;
constexpr int kMotionBlurIn = 5;
constexpr int kBlink = 129;
constexpr int kPopup = 128;

// Colours: layers use 0xTTRRGGBB, frame backgrounds 0x00BBGGRR.
constexpr std::uint32_t kPlumBgr = 0x4A1848;  // RGB 48 18 4A
constexpr std::uint32_t kGoldBgr = 0x37AFD4;  // RGB D4 AF 37
constexpr std::uint32_t kBlushBgr = 0xE8DDF8; // RGB F8 DD E8
constexpr std::uint32_t kGold = 0x00D4AF37;
constexpr std::uint32_t kWhite = 0x00FFFFFF;
constexpr std::uint32_t kPlum = 0x00481848;
constexpr std::uint32_t kRose = 0x00E0457B;

struct Placer {
    LayerRect canvas;
    LayerRect rect(int x, int y, int w, int h) const
    {
        return {canvas.left + x, canvas.top + y, canvas.left + x + w, canvas.top + y + h};
    }
};

EffectAssignment effect(int id, int speed)
{
    return {id, speed, 0};
}

// A round badge: a rose disc with a woven diagonal pattern, a gold rim and soft edges.
CRaster badgePixels(int size)
{
    CRaster r(size, size);
    const double c = (size - 1) / 2.0;
    const double radius = size / 2.0;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const double d = std::hypot(x - c, y - c);
            std::uint32_t rgb = ((x + y) / 3 + (x - y + size) / 3) % 2 ? 0xE0457B : 0xC93566;
            if (d > radius - 4)
                rgb = 0xD4AF37; // gold rim
            const double cover = std::clamp(radius - d, 0.0, 1.0);
            const auto t = static_cast<std::uint32_t>(255 - cover * 255);
            r.bits()[r.indexOf(x, y)] = t << 24 | rgb;
        }
    return r;
}

std::unique_ptr<CTextObject> label(const CLWDoc& doc, const std::string& text, int height, int weight,
                                   std::uint32_t colour, bool smooth, int outline = 0)
{
    auto t = std::make_unique<CTextObject>();
    t->font = doc.textFont;
    t->font.height = height;
    t->font.weight = weight;
    t->text = text;
    t->textColour = colour;
    t->antialiased = smooth ? 1 : 0;
    t->outlineWidth = static_cast<std::int16_t>(outline);
    t->Render();
    return t;
}

// Puts a label's box at (x, y) of the canvas: its position is the baseline origin.
void placeLabel(CTextObject& t, const Placer& at, int x, int y)
{
    const LayerRect r = at.rect(x, y, 0, 0);
    t.MoveTo(r.left, r.top + t.metrics.ascent);
}

std::unique_ptr<CRectObject> box(const Placer& at, int x, int y, int w, int h, RectStyle style)
{
    auto r = std::make_unique<CRectObject>();
    r->style = style;
    r->Resize(at.rect(x, y, w, h));
    return r;
}

std::unique_ptr<CEllipseObject> oval(const Placer& at, int x, int y, int w, int h, std::uint32_t colour,
                                     int style)
{
    auto e = std::make_unique<CEllipseObject>();
    e->colour = colour;
    e->style = style;
    e->Resize(at.rect(x, y, w, h));
    return e;
}

void styleFrame(CFrame& f, std::uint32_t background, int delay)
{
    f.backgroundColour = background;
    f.borderColour = kGoldBgr;
    f.borderWidth = 2;
    f.delay = delay;
}

} // namespace

void buildFashionBanner(CLWDoc& doc)
{
    CAnimation& a = doc.animation;
    a.SetSize(468, 60);
    a.loopCount = 0;
    a.linkUrl = "https://shop.example.com/spring";
    a.altText = "Spring Collection - up to 50% off";
    const Placer at{a.canvasRect};

    // Frame 1: the badge and the collection's name flying in.
    CFrame* first = a.firstFrame.get();
    styleFrame(*first, kPlumBgr, 180);
    auto glow = oval(at, 70, -20, 220, 100, 0x40D4AF37, kEllipseRadial);
    first->AppendObject(std::move(glow));
    auto badge = std::make_unique<CBitmapObject>();
    badge->TakePixels(badgePixels(44));
    badge->hasTransparency = 1;
    badge->MoveTo(at.rect(10, 8, 0, 0).left, at.rect(10, 8, 0, 0).top);
    badge->introEffect = effect(kPeekFromBottom, 2);
    CLayerObject* badgeInFirst = first->AppendObject(std::move(badge));
    auto title = label(doc, "SPRING COLLECTION", -30, 700, kWhite, true);
    placeLabel(*title, at, 70, 12);
    title->introEffect = effect(kFlyFromLeft, 3);
    title->outroEffect = effect(kFadeOut, 2);
    first->AppendObject(std::move(title));
    auto stripe = box(at, 70, 46, 300, 4, RectStyle{kGold, kRose, 2, 2, kRectVertical});
    stripe->introEffect = effect(kStretchFromLeft, 2);
    first->AppendObject(std::move(stripe));

    // Frame 2: the offer in outline letters on a blush background.
    CFrame* second = a.AppendFrame();
    styleFrame(*second, kBlushBgr, 200);
    second->introEffect = effect(kMotionBlurIn, 2);
    auto badgeClone = std::make_unique<CCloneObject>(badgeInFirst);
    badgeClone->MoveTo(at.rect(414, 8, 0, 0).left, at.rect(414, 8, 0, 0).top);
    second->AppendObject(std::move(badgeClone));
    auto offer = label(doc, "UP TO 50% OFF", -34, 900, kRose, false, 2);
    placeLabel(*offer, at, 24, 9);
    offer->introEffect = effect(kFadeIn, 3);
    offer->animationEffect = effect(kPopup, 0);
    second->AppendObject(std::move(offer));
    auto ring = oval(at, 300, 6, 90, 48, kRose, kEllipseMediumOutline);
    ring->introEffect = effect(kFadeIn, 2);
    second->AppendObject(std::move(ring));
    auto note = label(doc, "dresses\nskirts & tops", -13, 400, kPlum, true);
    note->alignment = 1;
    note->Render();
    placeLabel(*note, at, 312, 14);
    second->AppendObject(std::move(note));

    // Frame 3: the call to action.
    CFrame* third = a.AppendFrame();
    styleFrame(*third, kPlumBgr, 250);
    third->introEffect = effect(kFadeIn, 2);
    auto button = box(at, 300, 12, 140, 36, RectStyle{kGold, kWhite, 2, 1, kRectFrame});
    button->introEffect = effect(kStretchFromLeft, 1);
    third->AppendObject(std::move(button));
    auto shop = label(doc, "SHOP NOW", -22, 700, kPlum, true);
    placeLabel(*shop, at, 300 + (140 - shop->width()) / 2, 17); // centred on the button
    shop->animationEffect = effect(kBlink, 0);
    third->AppendObject(std::move(shop));
    auto tagline = label(doc, "New arrivals every week", -20, 400, kWhite, true);
    placeLabel(*tagline, at, 20, 18);
    tagline->introEffect = effect(kFlyFromLeft, 2);
    tagline->outroEffect = effect(kFlyToRight, 2);
    third->AppendObject(std::move(tagline));

    a.RenderAllFrames();
}

} // namespace lw
