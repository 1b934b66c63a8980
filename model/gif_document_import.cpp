#include "model/gif_document_import.h"

#include "imaging/gif_screen.h"
#include "model/bitmap_from_picture.h"
#include "platform/errors.h"

#include <algorithm>
#include <optional>

namespace lw {
namespace {

CFrame* nextDocumentFrame(CAnimation& animation, CFrame* current)
{
    if (!current)
        return animation.firstFrame.get();
    return current->next ? current->next.get() : animation.AppendFrame();
}

// The part of a GIF frame that lies on the logical screen, and where it starts. Viewers show
// nothing outside the screen (the composed mode clips there too), and a frame may reach far
// beyond it: up to 65535 pixels either way, more than a document object may be.
struct VisiblePart {
    CRaster raster;
    int left = 0;
    int top = 0;
};

std::optional<VisiblePart> visiblePart(GifFrame& frame, int screenWidth, int screenHeight)
{
    if (!frame.raster.hasBlock())
        return std::nullopt;
    const int left = frame.left, top = frame.top;
    const int right = std::min(left + frame.raster.width(), screenWidth);
    const int bottom = std::min(top + frame.raster.height(), screenHeight);
    if (right <= left || bottom <= top)
        return std::nullopt;
    VisiblePart part{CRaster(), left, top};
    if (right - left == frame.raster.width() && bottom - top == frame.raster.height()) {
        part.raster = std::move(frame.raster);
        return part;
    }
    part.raster.Create(right - left, bottom - top);
    frame.raster.PasteInto(part.raster, 0, 0);
    return part;
}

} // namespace

std::int64_t GifDocumentPixels(GifAnimation& gif)
{
    const std::int64_t canvas = static_cast<std::int64_t>(gif.screenWidth) * gif.screenHeight;
    std::int64_t total = 0;
    for (const GifFrame* g = gif.frames.get(); g; g = g->next.get())
        total += canvas + ObjectPixels(LayerRect{0, 0, std::max<int>(gif.screenWidth, g->width),
                                                 std::max<int>(gif.screenHeight, g->height)});
    return total;
}

void BuildFramesFromGif(CLWDoc& doc, GifAnimation& gif, PictureUiPort& ui)
{
    CAnimation& animation = doc.animation;
    const int offsetX = (kWorkspaceSize - gif.screenWidth) / 2;
    const int offsetY = (kWorkspaceSize - gif.screenHeight) / 2;
    const int count = gif.frameCount();
    if (count < 1)
        return;

    GifImportAnswer choice;
    if (count > 1) {
        const auto answer = ui.askGifImport(GifImportQuestion{count, gif.EstimateSize()});
        if (!answer)
            return;
        choice = *answer;
    }
    if (count == 1 || !choice.allFrames) {
        auto first = visiblePart(*gif.frameAt(0), gif.screenWidth, gif.screenHeight);
        if (!first)
            return;
        CLayerObject* object =
            animation.firstFrame->AppendObject(BitmapObjectFromRaster(std::move(first->raster), true));
        animation.firstFrame->MoveObjectTo(object, offsetX + first->left, offsetY + first->top);
        return;
    }

    if (GifDocumentPixels(gif) > kMaxDocumentPixels)
        throw MemoryError("The GIF file has more frames than the editor can hold");

    CFrame* frame = nullptr;
    if (choice.mode == GifImportMode::Optimised) {
        // Each document frame shows what its GIF frame changes, over the previous frame. Where
        // the previous GIF frame's disposal cleared or restored the picture, the previous frame
        // is not what lies below: that frame holds the whole picture instead.
        CFrame* previous = nullptr;
        GifScreen screen(gif.screenWidth, gif.screenHeight);
        for (GifFrame* g = gif.frames.get(); g; g = g->next.get()) {
            frame = nextDocumentFrame(animation, frame);
            screen.Draw(*g);
            if (!screen.keptPrevious()) {
                CLayerObject* object =
                    frame->AppendObject(BitmapObjectFromRaster(CRaster(screen.picture()), true));
                frame->MoveObjectTo(object, offsetX, offsetY);
            } else if (auto part = visiblePart(*g, gif.screenWidth, gif.screenHeight)) {
                CLayerObject* object =
                    frame->AppendObject(BitmapObjectFromRaster(std::move(part->raster), true));
                frame->MoveObjectTo(object, offsetX + part->left, offsetY + part->top);
            }
            frame->SetBackgroundFrame(screen.keptPrevious() ? previous : nullptr);
            frame->delay = g->delay;
            previous = frame;
        }
        return;
    }

    const std::unique_ptr<FrameSequence> composed = gif.ToAnimation();
    for (const SequenceFrame* entry = composed->first(); entry; entry = entry->next.get()) {
        frame = nextDocumentFrame(animation, frame);
        CLayerObject* object = frame->AppendObject(BitmapObjectFromRaster(CRaster(*entry->image), true));
        frame->MoveObjectTo(object, offsetX, offsetY);
        frame->delay = entry->delay;
    }
}

void OpenGifDocument(CLWDoc& doc, std::span<const std::uint8_t> bytes, const std::string& fullPath,
                     PictureUiPort& ui)
{
    GifAnimation gif;
    if (!gif.Read(bytes, ui) || gif.frameCount() < 1)
        throw ArchiveError(ArchiveError::Kind::BadFormat, "Not a GIF file");
    // The screen is checked before any frame is decoded: the frames are kept only as far as they
    // lie on it.
    CAnimation& animation = doc.animation;
    if (!animation.SetSize(gif.screenWidth, gif.screenHeight))
        throw ArchiveError(ArchiveError::Kind::BadFormat, "The GIF's screen size is not usable");
    gif.DecodeFrames();
    gif.FramesToRasters();
    animation.sourcePath = fullPath;
    animation.sourceFileSize = static_cast<std::int32_t>(bytes.size());
    animation.gifPathKnown = true;
    animation.savedAsDocument = 0;
    animation.loopCount = gif.loopCount;
    BuildFramesFromGif(doc, gif, ui);
}

} // namespace lw
