#include "app/editor/status_texts.h"

#include "model/animation.h"
#include "model/frame.h"
#include "model/text_object.h"

#include <QCoreApplication>
#include <QString>

namespace lw {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("CanvasView", text);
}

QString kindName(const CLayerObject& layer, const CAnimation& animation)
{
    switch (layer.type) {
    case kTypeBitmap:
        return tr("Bitmap");
    case kTypeRectangle:
        return tr("Rectangle");
    case kTypeEllipse:
        return tr("Ellipse");
    case kTypeText:
        return tr("Text ") + QString::fromStdString(static_cast<const CTextObject&>(layer).font.face());
    case kTypeClone: {
        // The reference the clone would be saved with: its source's frame and layer index.
        const CLayerObject* source = layer.CloneSource();
        const std::uint32_t ref = source ? animation.ReferenceOf(source) : layer.CloneSourceRef();
        return tr("Clone (%1/%2)").arg(ref >> 16).arg(ref & 0xFFFF);
    }
    default:
        return {};
    }
}

} // namespace

std::string zoomPaneText(int zoom, const std::string& frameCaption)
{
    return tr("%1% %2").arg(zoom * 100).arg(QString::fromStdString(frameCaption)).toStdString();
}

std::string selectionText(const CFrame& frame, const CAnimation& animation, const EffectNamer& effectName)
{
    const int count = frame.CountSelected();
    if (count == 0)
        return {};
    if (count > 1)
        return tr("%1 objects selected.").arg(count).toStdString();
    const CLayerObject& layer = *frame.NthSelected(0);
    const LayerRect canvas = frame.canvasRectOrEmpty();
    QString text = tr("%1 %2 x %3 (L:%4  T:%5  R:%6  B:%7)")
                       .arg(kindName(layer, animation))
                       .arg(layer.width())
                       .arg(layer.height())
                       .arg(layer.rect.left - canvas.left)
                       .arg(layer.rect.top - canvas.top)
                       .arg(layer.rect.right - canvas.left)
                       .arg(layer.rect.bottom - canvas.top);
    const auto nameOf = [&](std::int32_t id) {
        const std::optional<std::string> name = effectName ? effectName(id) : std::nullopt;
        return QString::fromStdString(name.value_or("Unknown"));
    };
    if (layer.introEffect.effectId != 0)
        text += tr(", Intro: ") + nameOf(layer.introEffect.effectId);
    if (layer.outroEffect.effectId != 0)
        text += tr(", Outro: ") + nameOf(layer.outroEffect.effectId);
    return text.toStdString();
}

std::string sizeFeedback(int width, int height)
{
    return tr("%1 x %2").arg(width).arg(height).toStdString();
}

std::string moveFeedback(int dx, int dy)
{
    const auto signed_ = [](int v) {
        return (v >= 0 ? QStringLiteral("+") : QString()) + QString::number(v);
    };
    return tr("dX:%1 dY:%2").arg(signed_(dx), signed_(dy)).toStdString();
}

std::string pickerFeedback(std::uint32_t colour)
{
    return tr("R:%1 G:%2 B:%3 A:%4")
        .arg(colour >> 16 & 0xFF)
        .arg(colour >> 8 & 0xFF)
        .arg(colour & 0xFF)
        .arg(255 - (colour >> 24))
        .toStdString();
}

} // namespace lw
