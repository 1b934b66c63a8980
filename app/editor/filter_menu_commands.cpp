#include "app/editor/filter_menu_commands.h"

#include "app/editor/command_ids.h"
#include "app/editor/document_session.h"
#include "filters/filter_questions.h"
#include "imaging/pl_text_exception.h"
#include "imaging/raster.h"
#include "model/edit_scope.h"
#include "platform/application_names.h"
#include "platform/errors.h"

#include <QImage>
#include <array>
#include <utility>

namespace lw {
namespace {

constexpr std::array<std::pair<int, FilterCommand>, 26> kFilterIds{{
    {cmd::FilterBrightnessContrast, FilterCommand::BrightnessContrast},
    {cmd::FilterSaturation, FilterCommand::Saturation},
    {cmd::FilterInvertColours, FilterCommand::InvertColours},
    {cmd::FilterGreyscale, FilterCommand::Greyscale},
    {cmd::FilterTwoColour, FilterCommand::TwoColour},
    {cmd::FilterColorize, FilterCommand::Colorize},
    {cmd::FilterReduceColours, FilterCommand::ReduceColours},
    {cmd::FilterThreshold, FilterCommand::ColourThreshold},
    {cmd::FilterInvertAlpha, FilterCommand::InvertAlpha},
    {cmd::FilterApplyTransparency, FilterCommand::ApplyTransparency},
    {cmd::FilterWhiteToTransparent, FilterCommand::WhiteToTransparent},
    {cmd::FilterExtractAlpha, FilterCommand::ExtractAlpha},
    {cmd::FilterVerticalGradient, FilterCommand::VerticalGradient},
    {cmd::FilterHorizontalGradient, FilterCommand::HorizontalGradient},
    {cmd::FilterDiagonalGradient, FilterCommand::DiagonalGradient},
    {cmd::FilterBevelledRectangle, FilterCommand::BevelledRectangle},
    {cmd::FilterBevelledShape, FilterCommand::BevelledShape},
    {cmd::FilterDropShadow, FilterCommand::DropShadow},
    {cmd::FilterGlow, FilterCommand::Glow},
    {cmd::FilterEdgeBlur, FilterCommand::EdgeBlur},
    {cmd::FilterGaussianBlur, FilterCommand::GaussianBlur},
    {cmd::Turn180, FilterCommand::Turn180},
    {cmd::Turn90Clockwise, FilterCommand::Turn90Clockwise},
    {cmd::Turn90CounterClockwise, FilterCommand::Turn90CounterClockwise},
    {cmd::MirrorHorizontal, FilterCommand::MirrorLeftRight},
    {cmd::MirrorVertical, FilterCommand::MirrorTopBottom},
}};

constexpr std::array<int, 30> kMenuIds{
    cmd::FilterBrightnessContrast, cmd::FilterSaturation,         cmd::FilterInvertColours,
    cmd::FilterGreyscale,          cmd::FilterTwoColour,          cmd::FilterColorize,
    cmd::FilterReduceColours,      cmd::FilterThreshold,          cmd::FilterInvertAlpha,
    cmd::FilterApplyTransparency,  cmd::FilterWhiteToTransparent, cmd::FilterExtractAlpha,
    cmd::FilterInsertAlpha,        cmd::FilterTakeColours,        cmd::FilterVerticalGradient,
    cmd::FilterHorizontalGradient, cmd::FilterDiagonalGradient,   cmd::FilterBevelledRectangle,
    cmd::FilterBevelledShape,      cmd::FilterDropShadow,         cmd::FilterGlow,
    cmd::FilterEdgeBlur,           cmd::FilterGaussianBlur,       cmd::Turn180,
    cmd::Turn90Clockwise,          cmd::Turn90CounterClockwise,   cmd::RotateOther,
    cmd::MirrorHorizontal,         cmd::MirrorVertical,           cmd::FrameBorder};

bool dispatch(int id, FilterEnvironment& env, const CRaster* picture)
{
    switch (id) {
    case cmd::FilterInsertAlpha:
        return insertAlphaFromPicture(env, picture);
    case cmd::FilterTakeColours:
        return takeColoursFromPicture(env, picture);
    case cmd::RotateOther:
        return rotateLayer(env);
    case cmd::FrameBorder:
        return askFrameBorder(env);
    default:
        break;
    }
    const auto command = filterCommandFor(id);
    return command && runFilter(*command, env);
}

} // namespace

std::span<const int> filterMenuCommandIds()
{
    return kMenuIds;
}

std::optional<FilterCommand> filterCommandFor(int id)
{
    for (const auto& [menuId, command] : kFilterIds)
        if (menuId == id)
            return command;
    return std::nullopt;
}

bool runFilterMenuCommand(int id, DocumentSession& session, FilterUiPort& ui, const CRaster* clipboardPicture)
{
    CFrame& frame = session.currentFrame();
    FilterEnvironment env{frame, ui, session.view.foreground, session.view.background,
                          session.view.colorizeColour};
    std::string failure;
    bool changed = false;
    {
        // The filter takes its own undo step (in place or structural); the scope commits what was
        // pending before it and reports the change.
        EditScope edit(session.doc, &frame, UndoStep::CommitOnly);
        try {
            changed = dispatch(id, env, clipboardPicture);
        } catch (const PLTextException& e) {
            failure = e.text();
        } catch (const MemoryError& e) {
            failure = e.what();
        }
        if (changed) {
            edit.announce(DocumentChange::LayersChanged | DocumentChange::ObjectChanged |
                          DocumentChange::SelectionChanged | DocumentChange::FrameChanged);
            edit.markModified();
        }
    }
    session.view.colorizeColour = env.colorizeColour;
    if (!failure.empty())
        ui.messageBox(Message{failure, kApplicationTitle, MsgIcon::Error, MsgButtons::Ok});
    return changed;
}

std::optional<CRaster> rasterFromImage(const QImage& image)
{
    if (image.isNull() || image.width() <= 0 || image.height() <= 0)
        return std::nullopt;
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    CRaster raster(argb.width(), argb.height());
    for (int y = 0; y < argb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            const QRgb p = line[x];
            // The raster keeps transparency where Qt keeps opacity.
            raster.pixels()[raster.indexOf(x, y)] =
                static_cast<std::uint32_t>(255 - qAlpha(p)) << 24 | (p & 0x00FFFFFFu);
        }
    }
    return raster;
}

} // namespace lw
