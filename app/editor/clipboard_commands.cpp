#include "app/editor/clipboard_commands.h"

#include "app/editor/document_room.h"
#include "app/editor/document_session.h"
#include "imaging/metafile_loader.h"
#include "imaging/metafile_raster.h"
#include "model/bitmap_from_picture.h"
#include "model/document_limits.h"
#include "model/edit_scope.h"
#include "model/layer_clipboard.h"
#include "platform/errors.h"
#include "platform/ui_port.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>

namespace lw {

namespace {

LayerPoint centreOf(const EditingContext& context)
{
    if (context.viewCentre)
        return *context.viewCentre;
    const LayerRect canvas = context.session.currentFrame().canvasRectOrEmpty();
    return {(canvas.left + canvas.right) / 2, (canvas.top + canvas.bottom) / 2};
}

std::span<const std::uint8_t> bytesOf(const QByteArray& data)
{
    return {reinterpret_cast<const std::uint8_t*>(data.constData()), static_cast<std::size_t>(data.size())};
}

// A picture layer centred on the view, selected alone, as one undo step.
bool pastePicture(EditingContext& context, std::unique_ptr<CLayerObject> layer)
{
    if (!layer || !haveRoomFor(context, ObjectPixels(layer->rect)))
        return false;
    CFrame& frame = context.session.currentFrame();
    EditScope edit(context.session.doc, &frame, UndoStep::Structural);
    const LayerPoint centre = centreOf(context);
    layer->CentreOn(centre.x, centre.y);
    frame.SelectNone();
    frame.AppendObject(std::move(layer))->selected = 1;
    edit.announce(DocumentChange::LayersChanged | DocumentChange::SelectionChanged);
    edit.markModified();
    return true;
}

std::unique_ptr<CLayerObject> layerFromImage(const QImage& image)
{
    if (image.isNull())
        return nullptr;
    CRaster raster;
    raster.LoadFromBitmap(image);
    if (!raster.hasBlock())
        return nullptr;
    return BitmapObjectFromRaster(std::move(raster), image.hasAlphaChannel());
}

std::unique_ptr<CLayerObject> layerFromMetafile(EditingContext& context, const QByteArray& bytes)
{
    const auto metafile = LoadMetafileBytes(bytesOf(bytes), context.ui);
    if (!metafile)
        return nullptr;
    auto picture =
        RasteriseMetafile(*metafile, context.ui, context.session.currentFrame().canvasRectOrEmpty());
    if (!picture)
        return nullptr;
    return BitmapObjectFromPicture(std::move(*picture));
}

} // namespace

std::unique_ptr<QMimeData> selectionMimeData(const CFrame& frame, bool withImage)
{
    const LayerClipboardBlock block = CopySelectedToBlock(frame);
    if (block.empty())
        return nullptr;
    auto data = std::make_unique<QMimeData>();
    data->setData(
        QString::fromLatin1(kLayerClipboardMime),
        QByteArray(reinterpret_cast<const char*>(block.data()), static_cast<qsizetype>(block.size())));
    if (withImage && frame.CountSelected() == 1) {
        const CLayerObject* layer = frame.NthSelected(0);
        const CRaster& pixels = layer->ownImage.hasBlock() ? layer->ownImage : layer->composite;
        if (pixels.hasBlock())
            data->setImageData(pixels.toQImage());
    }
    return data;
}

void copySelection(EditingContext& context)
{
    CFrame& frame = context.session.currentFrame();
    auto data = selectionMimeData(frame, true);
    if (!data)
        return;
    QGuiApplication::clipboard()->setMimeData(data.release());
    EditScope edit(context.session.doc, &frame);
    frame.SelectNone();
    edit.announce(DocumentChange::SelectionChanged);
}

void cutSelection(EditingContext& context)
{
    CFrame& frame = context.session.currentFrame();
    auto data = selectionMimeData(frame, false);
    if (!data)
        return;
    QGuiApplication::clipboard()->setMimeData(data.release());
    EditScope edit(context.session.doc, &frame, UndoStep::Structural);
    frame.DeleteSelected();
    frame.SelectNone();
    frame.UpdateAllComposites();
    edit.announce(DocumentChange::LayersChanged | DocumentChange::SelectionChanged);
    edit.markModified();
}

bool pasteMimeData(EditingContext& context, const QMimeData& data)
{
    const QString own = QString::fromLatin1(kLayerClipboardMime);
    if (data.hasFormat(own)) {
        const QByteArray block = data.data(own);
        // Read the whole block aside first: a damaged one must not even open an undo step,
        // which would drop the one the user may still want.
        std::int64_t pixels = 0;
        try {
            CLayerList trial;
            if (PasteBlock(trial, bytesOf(block)) == 0)
                return false;
            for (const CLayerObject* o = trial.head.get(); o; o = o->next.get())
                pixels += ObjectPixels(o->rect);
        } catch (const ArchiveError&) {
            context.ui.messageBox(
                {QCoreApplication::translate("ClipboardCommands", kDamagedClipboard).toStdString(),
                 {},
                 MsgIcon::Warning});
            return false;
        }
        if (!haveRoomFor(context, pixels))
            return false;
        CFrame& frame = context.session.currentFrame();
        EditScope edit(context.session.doc, &frame, UndoStep::Structural);
        frame.SelectNone();
        PasteBlock(frame, bytesOf(block));
        edit.announce(DocumentChange::LayersChanged | DocumentChange::SelectionChanged);
        edit.markModified();
        return true;
    }
    if (data.hasImage())
        return pastePicture(context, layerFromImage(qvariant_cast<QImage>(data.imageData())));
    for (const char* format : {kWindowsMetafileMime, kEnhancedMetafileMime})
        if (data.hasFormat(QString::fromLatin1(format)))
            return pastePicture(context, layerFromMetafile(context, data.data(QString::fromLatin1(format))));
    return false;
}

void pasteFromClipboard(EditingContext& context)
{
    if (const QMimeData* data = QGuiApplication::clipboard()->mimeData())
        pasteMimeData(context, *data);
}

void undoFrameEdit(EditingContext& context)
{
    CFrame& frame = context.session.currentFrame();
    if (!frame.CanUndo())
        return;
    // Keep: committing first would throw away the very edit to undo.
    EditScope edit(context.session.doc, &frame, UndoStep::Keep);
    frame.Cancel();
    frame.Commit();
    frame.UpdateAllComposites();
    edit.announce(DocumentChange::LayersChanged | DocumentChange::ObjectChanged |
                  DocumentChange::SelectionChanged);
    edit.markModified();
}

} // namespace lw
