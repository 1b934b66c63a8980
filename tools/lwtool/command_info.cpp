// lwtool info: a document's structure, as text or JSON.
#include "tools/lwtool/commands.h"
#include "tools/lwtool/loaded_document.h"

#include "model/layer_object.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>

namespace lwtool {
namespace {

const char* kindName(std::uint16_t type)
{
    switch (type) {
    case lw::kTypeBitmap:
        return "bitmap";
    case lw::kTypeText:
        return "text";
    case lw::kTypeRectangle:
        return "rectangle";
    case lw::kTypeEllipse:
        return "ellipse";
    case lw::kTypeClone:
        return "clone";
    }
    return "object";
}

QString hexColour(std::uint32_t rgb)
{
    return QString("%1").arg(rgb & 0xFFFFFF, 6, 16, QChar('0')).toUpper();
}

QJsonObject effectJson(const lw::ExtensionHost& host, const lw::EffectAssignment& e)
{
    return QJsonObject{{"id", e.effectId},
                       {"name", QString::fromStdString(host.effectName(e.effectId).value_or(""))},
                       {"speed", e.speed},
                       {"param", e.param}};
}

QJsonObject effectsJson(const lw::ExtensionHost& host, const lw::EffectAssignment& intro,
                        const lw::EffectAssignment& outro, const lw::EffectAssignment& animation)
{
    QJsonObject o;
    if (intro.effectId)
        o["intro"] = effectJson(host, intro);
    if (outro.effectId)
        o["outro"] = effectJson(host, outro);
    if (animation.effectId)
        o["animation"] = effectJson(host, animation);
    return o;
}

std::string effectsText(const lw::ExtensionHost& host, const lw::EffectAssignment& intro,
                        const lw::EffectAssignment& outro, const lw::EffectAssignment& animation)
{
    std::string text;
    const std::pair<const char*, const lw::EffectAssignment*> slots[] = {
        {"intro", &intro}, {"outro", &outro}, {"animation", &animation}};
    for (const auto& [slot, e] : slots)
        if (e->effectId)
            text += std::string(" ") + slot + "=" + host.effectName(e->effectId).value_or("") + " (#" +
                    std::to_string(e->effectId) + ", speed " + std::to_string(e->speed) + ")";
    return text;
}

QJsonObject documentJson(const LoadedDocument& input)
{
    const lw::CAnimation& a = input.doc.animation;
    QJsonArray frames;
    int number = 0;
    for (const lw::CFrame* f = a.firstFrame.get(); f; f = f->next.get()) {
        ++number;
        QJsonArray layers;
        for (const lw::CLayerObject* o = f->head.get(); o; o = o->next.get()) {
            QJsonObject layer{
                {"kind", kindName(o->type)},
                {"rect", QJsonArray{o->rect.left - a.canvasRect.left, o->rect.top - a.canvasRect.top,
                                    o->rect.right - a.canvasRect.left, o->rect.bottom - a.canvasRect.top}},
                {"effects",
                 effectsJson(input.context.extensions, o->introEffect, o->outroEffect, o->animationEffect)}};
            layers.append(layer);
        }
        QJsonObject frame{
            {"number", number},
            {"delay", f->delay},
            {"master", f->masterFrame != 0},
            {"background", hexColour(lw::rasterColourFromFrameColour(f->backgroundColour))},
            {"border", QJsonObject{{"width", f->borderWidth},
                                   {"colour", hexColour(lw::rasterColourFromFrameColour(f->borderColour))}}},
            {"effects",
             effectsJson(input.context.extensions, f->introEffect, f->outroEffect, f->animationEffect)},
            {"layers", layers}};
        if (f->backgroundFrame)
            frame["backgroundFrame"] = a.IndexOfFrame(f->backgroundFrame) + 1;
        frames.append(frame);
    }
    return QJsonObject{{"width", a.width()},
                       {"height", a.height()},
                       {"loopCount", a.loopCount},
                       {"link", QString::fromStdString(a.linkUrl)},
                       {"description", QString::fromStdString(a.altText)},
                       {"frames", frames}};
}

} // namespace

int runInfo(const Options& options, ConsoleUiPort& ui)
{
    const auto input = loadInput(options, ui);
    if (options.json) {
        std::fputs(QJsonDocument(documentJson(*input)).toJson(QJsonDocument::Indented).constData(), stdout);
        return kExitOk;
    }
    const lw::CAnimation& a = input->doc.animation;
    std::printf("%s: %d x %d, loop count %d, %d frames (%d master)\n", options.input.c_str(), a.width(),
                a.height(), a.loopCount, a.TotalFrames(), a.FrameCount(lw::FrameKind::Master));
    if (!a.linkUrl.empty())
        std::printf("link: %s\n", a.linkUrl.c_str());
    if (!a.altText.empty())
        std::printf("description: %s\n", a.altText.c_str());
    int number = 0;
    for (const lw::CFrame* f = a.firstFrame.get(); f; f = f->next.get()) {
        std::printf("frame %d: delay %d%s, background %s", ++number, f->delay,
                    f->masterFrame ? ", master" : "",
                    hexColour(lw::rasterColourFromFrameColour(f->backgroundColour)).toStdString().c_str());
        if (f->borderWidth > 0)
            std::printf(", border %d %s", f->borderWidth,
                        hexColour(lw::rasterColourFromFrameColour(f->borderColour)).toStdString().c_str());
        if (f->backgroundFrame)
            std::printf(", backdrop frame %d", a.IndexOfFrame(f->backgroundFrame) + 1);
        std::printf("%s\n",
                    effectsText(input->context.extensions, f->introEffect, f->outroEffect, f->animationEffect)
                        .c_str());
        for (const lw::CLayerObject* o = f->head.get(); o; o = o->next.get())
            std::printf(
                "  %-9s (%d, %d) %d x %d%s\n", kindName(o->type), o->rect.left - a.canvasRect.left,
                o->rect.top - a.canvasRect.top, o->width(), o->height(),
                effectsText(input->context.extensions, o->introEffect, o->outroEffect, o->animationEffect)
                    .c_str());
    }
    return kExitOk;
}

} // namespace lwtool
