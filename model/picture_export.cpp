#include "model/picture_export.h"

#include "imaging/bmp_writer.h"
#include "imaging/gif_animation.h"
#include "imaging/jpeg_io.h"
#include "platform/errors.h"
#include "platform/file_io.h"

#include <algorithm>

namespace lw {
namespace {

// Quality -1 leaves the choice to the JPEG library (its default, 75).
constexpr int kDefaultJpegQuality = -1;

bool exportGif(const CRaster& image, const std::string& path, PictureUiPort& ui)
{
    GifAnimation gif;
    gif.SetScreenSize(image.width(), image.height());
    gif.AddFrame(image);
    const int colours = gif.CountColours();
    const auto answer = ui.askGifSave(GifSaveQuestion{colours, false, 0});
    if (!answer)
        return false;
    gif.BuildPalette(std::clamp(answer->colourCount, 1, 256));
    gif.EncodeFrames();
    gif.SaveToFile(path);
    return true;
}

} // namespace

bool ExportPicture(CFrame& frame, const std::string& path, PictureUiPort& ui)
{
    const std::string ext = fileExtension(path);
    const bool gif = ext == "gif";
    const bool jpeg = ext == "jpg" || ext == "jpe" || ext == "jpeg";
    const bool bmp = ext == "bmp";
    if (!gif && !jpeg && !bmp)
        return false;
    frame.UpdateAllComposites();
    frame.RenderWithChain();
    const CRaster& image = frame.image;
    if (!image.hasBlock())
        throw FileError(path, "the frame has no picture");
    if (gif)
        return exportGif(image, path, ui);
    if (jpeg) {
        if (!SaveJPEG(path, image.ToPackedDib32(), kDefaultJpegQuality))
            throw FileError(path, "the JPEG file could not be written");
        return true;
    }
    WriteBmpFile(path, image);
    return true;
}

} // namespace lw
