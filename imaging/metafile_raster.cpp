#include "imaging/metafile_raster.h"

#include "imaging/metafile_svg.h"

#include <QByteArray>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <algorithm>
#include <cstdio>

namespace lw {
namespace {

int clampSide(int value)
{
    return std::clamp(value, MetafileRasterQuestion::kMinimum, MetafileRasterQuestion::kMaximum);
}

std::optional<QImage> render(QSvgRenderer& renderer, int width, int height, QRgb background)
{
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull())
        return std::nullopt;
    image.fill(background);
    QPainter painter(&image);
    if (!painter.isActive())
        return std::nullopt;
    renderer.render(&painter, QRectF(0, 0, width, height));
    painter.end();
    return image;
}

} // namespace

MetafileRasterQuestion ProposedMetafileSize(const Metafile& metafile, const RasterRect& frameRect)
{
    MetafileRasterQuestion question;
    question.width = metafile.bounds.right;
    question.height = metafile.bounds.bottom;
    if (question.width < 0 || question.height < 0) {
        question.width = frameRect.right / 10;
        question.height = frameRect.bottom / 10;
    }
    question.width = clampSide(question.width);
    question.height = clampSide(question.height);
    return question;
}

std::optional<ImportedPicture> RasteriseMetafile(const Metafile& metafile, PictureUiPort& ui,
                                                 const RasterRect& frameRect, const std::string& fontFolder)
{
    if (const auto problem = MetafileConverterProblem()) {
        char text[1024];
        std::snprintf(text, sizeof text, kMetafileConverterMissing, problem->c_str());
        ui.messageBox(Message{text, "", MsgIcon::Error, MsgButtons::Ok});
        return std::nullopt;
    }
    if (metafile.kind == MetafileKind::Windows && !MissingWindowsMetafileFonts(fontFolder).empty()) {
        char text[512];
        std::snprintf(text, sizeof text, kMetafileFontsMissing, fontFolder.c_str());
        ui.messageBox(Message{text, "", MsgIcon::Error, MsgButtons::Ok});
        return std::nullopt;
    }
    const auto answer = ui.askMetafileRaster(ProposedMetafileSize(metafile, frameRect));
    if (!answer)
        return std::nullopt;
    const int width = clampSide(answer->width);
    const int height = clampSide(answer->height);
    const int scale = answer->rememberForAll ? 2 : 1;
    const int renderWidth = width * scale;
    const int renderHeight = height * scale;

    auto fail = [&ui]() -> std::optional<ImportedPicture> {
        ui.messageBox(Message{kMetafileRasterFailed, "", MsgIcon::Error, MsgButtons::Ok});
        return std::nullopt;
    };
    const auto svg = MetafileToSvg(metafile, fontFolder);
    if (!svg)
        return fail();
    QSvgRenderer renderer(QByteArray::fromStdString(*svg));
    if (!renderer.isValid())
        return fail();
    const auto onWhite = render(renderer, renderWidth, renderHeight, qRgb(255, 255, 255));
    const auto onBlack = render(renderer, renderWidth, renderHeight, qRgb(0, 0, 0));
    if (!onWhite || !onBlack)
        return fail();

    ImportedPicture picture;
    picture.raster.Create(renderWidth, renderHeight);
    for (int y = 0; y < renderHeight; ++y) {
        const auto* white = reinterpret_cast<const QRgb*>(onWhite->constScanLine(y));
        const auto* black = reinterpret_cast<const QRgb*>(onBlack->constScanLine(y));
        for (int x = 0; x < renderWidth; ++x) {
            const std::uint32_t colour = white[x] & 0x00FFFFFF;
            const bool covered = colour == (black[x] & 0x00FFFFFF);
            picture.raster.bits()[picture.raster.indexOf(x, y)] = covered ? colour : (0xFF000000 | colour);
        }
    }
    picture.hasTransparency = true;
    picture.width = width;
    picture.height = height;
    return picture;
}

} // namespace lw
