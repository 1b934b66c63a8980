#include "model/document_file.h"

#include "model/document_limits.h"
#include "model/gif_document_import.h"
#include "model/lwd/lwd_writer.h"
#include "model/picture_import.h"
#include "platform/application_names.h"
#include "platform/archive.h"
#include "platform/errors.h"
#include "platform/file_io.h"
#include "platform/settings.h"

#include <cstdio>
#include <filesystem>

namespace lw {
namespace {

std::string fullPathOf(const std::string& path)
{
    std::error_code ec;
    const auto absolute = std::filesystem::absolute(path, ec);
    return ec ? path : absolute.string();
}

} // namespace

void LoadDocument(CLWDoc& doc, const std::string& path, const EffectCatalog& catalog, PictureUiPort& ui,
                  const LwdReadLimits& limits)
{
    const std::string ext = fileExtension(path);
    if (ext == "jpg" || ext == "jpeg" || ext == "jpe" || ext == "bmp" || ext == "wmf") {
        doc.importPath = fullPathOf(path);
        return;
    }
    if (ext == "gif") {
        OpenGifDocument(doc, readFile(path), fullPathOf(path), ui);
        return;
    }
    if (ext == "lwd") {
        ArchiveReader in = ArchiveReader::streaming(path);
        ReadLwdDocument(doc, in, catalog, ui, limits);
        return;
    }
    throw ArchiveError(ArchiveError::Kind::BadFormat, "Not a file the editor opens as a document");
}

bool SaveDocument(CLWDoc& doc, const std::string& path, UiPort& ui, Settings& settings,
                  const LwdReadLimits& limits)
{
    if (fileExtension(path) != "lwd") {
        // Writing nothing and reporting success would lose the user's work.
        char text[1024];
        std::snprintf(text, sizeof text, kNotADocumentName, path.c_str());
        ui.messageBox(Message{text, kProductName, MsgIcon::Warning, MsgButtons::Ok});
        return false;
    }
    // What the reader would refuse is not written: the file would not open again.
    if (DocumentPixels(doc.animation) > limits.maxPixels) {
        ui.messageBox(Message{kDocumentTooLarge, kProductName, MsgIcon::Warning, MsgButtons::Ok});
        return false;
    }
    const auto bytes = WriteLwdDocument(doc);
    writeFileAtomically(path, bytes);
    CAnimation& animation = doc.animation;
    animation.savedAsDocument = 1;
    settings.writeInt("Frame", "Width", animation.width());
    settings.writeInt("Frame", "Height", animation.height());
    settings.writeInt("Frame", "Color", static_cast<std::int32_t>(animation.firstFrame->backgroundColour));
    return true;
}

void CompletePendingImport(CLWDoc& doc, PictureUiPort& ui)
{
    if (doc.importPath.empty())
        return;
    const std::string path = doc.importPath;
    CFrame& first = *doc.animation.firstFrame;
    ImportPicture(doc, path, first, ui);
    doc.importPath.clear();
    doc.animation.FitCanvasToContent(&first);
}

} // namespace lw
