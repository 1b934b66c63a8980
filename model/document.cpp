#include "model/document.h"

#include "model/edit_scope.h"
#include "platform/file_io.h"
#include "platform/settings.h"

#include <algorithm>
#include <filesystem>

namespace lw {

void CLWDoc::addObserver(DocumentObserver& observer)
{
    if (std::find(observers_.begin(), observers_.end(), &observer) == observers_.end())
        observers_.push_back(&observer);
}

void CLWDoc::removeObserver(DocumentObserver& observer)
{
    std::erase(observers_, &observer);
}

void CLWDoc::notify(const DocumentEvent& event) const
{
    // A copy, so that an observer may remove itself (or another) while it is told.
    const std::vector<DocumentObserver*> observers = observers_;
    for (DocumentObserver* observer : observers)
        if (std::find(observers_.begin(), observers_.end(), observer) != observers_.end())
            observer->documentChanged(*this, event);
}

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

std::string UntitledNames::next()
{
    return "Безымянный-" + std::to_string(++count_);
}

void afterOpenDocument(CLWDoc& doc, const std::string& openedPath, UntitledNames& untitled)
{
    doc.pathName = openedPath;
    if (fileExtension(openedPath) != "lwd") {
        doc.pathName += ".lwd";
        setDocumentTitle(doc, untitled.next());
        return;
    }
    doc.animation.savedAsDocument = 1;
    setDocumentTitle(doc, std::filesystem::path(openedPath).filename().string());
}

bool applyCanvasSize(CLWDoc& doc, int width, int height)
{
    if (width < kMinCanvasDialogSide || width > kMaxCanvasDialogSide || height < kMinCanvasDialogSide ||
        height > kMaxCanvasDialogSide)
        return false;
    EditScope edit(doc, nullptr);
    doc.animation.SetSize(width, height);
    edit.announce(DocumentChange::CanvasChanged);
    edit.markModified();
    return true;
}

} // namespace lw
