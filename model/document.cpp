#include "model/document.h"

#include "platform/file_io.h"
#include "platform/settings.h"

namespace lw {

void setDocumentTitle(CLWDoc& doc, const std::string& title)
{
    doc.animation.title = title;
    doc.title = title;
}

void applyNewDocumentDefaults(CLWDoc& doc, const Settings& settings)
{
    int width = settings.readInt("Frame", "Width", kDefaultNewWidth);
    int height = settings.readInt("Frame", "Height", kDefaultNewHeight);
    const auto colour = static_cast<std::uint32_t>(
        settings.readInt("Frame", "Color", static_cast<std::int32_t>(kDefaultNewColour)));
    // A damaged store must not give an unusable canvas.
    if (width < kMinCanvasDialogSide || width > kMaxCanvasSide)
        width = kDefaultNewWidth;
    if (height < kMinCanvasDialogSide || height > kMaxCanvasSide)
        height = kDefaultNewHeight;
    doc.animation.SetSize(width, height);
    doc.animation.firstFrame->backgroundColour = colour & 0x00FFFFFFu;
    doc.animation.RenderAllFrames();
}

void prepareSaveModified(CLWDoc& doc)
{
    if (fileExtension(doc.pathName) != "lwd")
        doc.pathName.clear();
}

std::optional<std::string> prepareDoSave(CLWDoc& doc)
{
    doc.animation.PrepareCloneReferences();
    if (doc.animation.savedAsDocument == 0)
        return std::nullopt;
    return doc.pathName;
}

void afterOpenDocument(CLWDoc& doc, const std::string& openedPath)
{
    doc.pathName = openedPath;
    if (fileExtension(openedPath) != "lwd")
        doc.pathName += ".lwd";
    else
        doc.animation.savedAsDocument = 1;
}

bool applyCanvasSize(CLWDoc& doc, int width, int height)
{
    if (width < kMinCanvasDialogSide || width > kMaxCanvasDialogSide || height < kMinCanvasDialogSide ||
        height > kMaxCanvasDialogSide)
        return false;
    doc.animation.SetSize(width, height);
    doc.modified = true;
    doc.animation.sourceFileSize = 0;
    return true;
}

} // namespace lw
