#include "model/picture_import.h"

#include "imaging/bmp_reader.h"
#include "imaging/gif_animation.h"
#include "imaging/ico_reader.h"
#include "imaging/jpeg_io.h"
#include "imaging/metafile_loader.h"
#include "imaging/metafile_raster.h"
#include "model/bitmap_from_picture.h"
#include "model/edit_scope.h"
#include "model/gif_document_import.h"
#include "platform/errors.h"
#include "platform/file_io.h"

#include <optional>

namespace lw {
namespace {

std::optional<ImportedPicture> importGif(CLWDoc& doc, const std::string& path, PictureUiPort& ui)
{
    std::vector<std::uint8_t> bytes;
    try {
        bytes = readFile(path);
    } catch (const FileError&) {
        return std::nullopt;
    }
    GifAnimation gif;
    if (!gif.Read(bytes, ui) || gif.frameCount() < 1)
        return std::nullopt;
    gif.DecodeFrames();
    gif.FramesToRasters();
    if (gif.frameCount() > 1) {
        EditScope edit(doc, nullptr);
        BuildFramesFromGif(doc, gif, ui);
        edit.announce(DocumentChange::FramesInserted | DocumentChange::CanvasChanged, nullptr);
        edit.markModified();
        return std::nullopt;
    }
    GifFrame& first = *gif.frameAt(0);
    if (!first.raster.hasBlock())
        return std::nullopt;
    ImportedPicture picture;
    picture.hasTransparency = first.transparent != 0;
    picture.width = first.raster.width();
    picture.height = first.raster.height();
    picture.raster = std::move(first.raster);
    return picture;
}

std::optional<ImportedPicture> importJpeg(const std::string& path)
{
    const auto dib = LoadJPEG(path);
    if (!dib)
        return std::nullopt;
    ImportedPicture picture;
    if (!picture.raster.LoadPackedDib(*dib) || !picture.raster.hasBlock())
        return std::nullopt;
    picture.width = picture.raster.width();
    picture.height = picture.raster.height();
    return picture;
}

std::optional<ImportedPicture> importMetafile(const std::string& path, const CFrame& frame, PictureUiPort& ui)
{
    const auto metafile = LoadMetafile(path, ui);
    if (!metafile)
        return std::nullopt;
    return RasteriseMetafile(*metafile, ui, frame.canvasRectOrEmpty());
}

} // namespace

PictureFormat PictureFormatOf(const std::string& path)
{
    const std::string ext = fileExtension(path);
    if (ext == "ico")
        return PictureFormat::Icon;
    if (ext == "gif")
        return PictureFormat::Gif;
    if (ext == "wmf" || ext == "emf")
        return PictureFormat::Metafile;
    if (ext == "bmp")
        return PictureFormat::Bmp;
    if (ext == "jpg" || ext == "jpe" || ext == "jpeg")
        return PictureFormat::Jpeg;
    return PictureFormat::None;
}

CLayerObject* ImportPicture(CLWDoc& doc, const std::string& path, CFrame& frame, PictureUiPort& ui)
{
    std::optional<ImportedPicture> picture;
    switch (PictureFormatOf(path)) {
    case PictureFormat::None:
        return nullptr;
    case PictureFormat::Icon:
        picture = ImportIcon(path);
        break;
    case PictureFormat::Gif:
        picture = importGif(doc, path, ui);
        break;
    case PictureFormat::Metafile:
        picture = importMetafile(path, frame, ui);
        break;
    case PictureFormat::Bmp:
        picture = ImportBmp(path, ui);
        break;
    case PictureFormat::Jpeg:
        picture = importJpeg(path);
        break;
    }
    if (!picture)
        return nullptr;
    EditScope edit(doc, &frame);
    CLayerObject* object = frame.AppendObject(BitmapObjectFromPicture(std::move(*picture)));
    edit.announce(DocumentChange::LayersChanged);
    edit.markModified();
    return object;
}

void ImportPictures(CLWDoc& doc, const std::vector<std::string>& paths, CFrame& frame, PictureUiPort& ui)
{
    CFrame* target = &frame;
    for (std::size_t i = 0; i < paths.size(); ++i) {
        if (i > 0)
            target = doc.animation.AppendFrame();
        ImportPicture(doc, paths[i], *target, ui);
    }
}

} // namespace lw
