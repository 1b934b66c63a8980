// The "3D фильтр" and "Размытость" commands, turns, mirrors, the rotate command and the frame
// border. All of them replace the target layer.
#include "filters/relief_filter_commands.h"
#include "filters/blur_filters.h"
#include "filters/filter_application.h"
#include "filters/filter_dialogs.h"
#include "filters/relief_filters.h"
#include "filters/shadow_filters.h"
#include "filters/turn_filters.h"
#include "imaging/raster_rotation.h"
#include "model/animation.h"

#include <cmath>

namespace lw {

namespace {

using namespace filtertext;

bool replacing(FilterEnvironment& env, CLayerObject& target, const std::function<void(CRaster&)>& change)
{
    return applyReplacingSameSize(env.frame, target, change) != nullptr;
}

bool gradient(FilterEnvironment& env, void (*filter)(CRaster&, int))
{
    CLayerObject* target = filterTarget(env.frame);
    if (!target)
        return false;
    const auto values = askFilterFields(env.ui, {{kGlowAmount, 50, -255, 255, ""}});
    return values && replacing(env, *target, [&](CRaster& r) { filter(r, (*values)[0]); });
}

bool diagonalGradient(FilterEnvironment& env)
{
    CLayerObject* target = filterTarget(env.frame);
    if (!target)
        return false;
    const auto values = askFilterFields(env.ui, {{kGlowAmount, 50, -255, 255, ""}});
    if (!values)
        return false;
    const auto settings = env.ui.askFilterSettings(
        FilterSettingsQuestion{kSettingsTitle, kGradientGroup, {kGradientLine, kGradientRound}});
    if (!settings)
        return false;
    const GradientShape shape = settings->choice == 1 ? GradientShape::Round : GradientShape::Line;
    return replacing(env, *target,
                     [&](CRaster& r) { applyDiagonalGradient(r, (*values)[0], shape, settings->reverse); });
}

std::optional<std::vector<int>> askBevel(FilterUiPort& ui)
{
    return askFilterFields(ui, {{kBorderWidth, 2, 0, 100, ""}, {kGlowAmount, 100, -255, 255, ""}});
}

bool bevelledRectangle(FilterEnvironment& env)
{
    CLayerObject* target = filterTarget(env.frame);
    if (!target)
        return false;
    const auto values = askBevel(env.ui);
    return values && replacing(env, *target,
                               [&](CRaster& r) { applyBevelledRectangle(r, (*values)[0], (*values)[1]); });
}

bool bevelledShape(FilterEnvironment& env)
{
    CLayerObject* target = filterTarget(env.frame);
    if (!target)
        return false;
    const auto values = askBevel(env.ui);
    if (!values)
        return false;
    const auto settings = env.ui.askFilterSettings(
        FilterSettingsQuestion{kSettingsTitle, kLightGroup, {kLightAndShadow, kLightOnly, kShadowOnly}});
    if (!settings)
        return false;
    const BevelLight light = settings->choice == 1   ? BevelLight::LightOnly
                             : settings->choice == 2 ? BevelLight::ShadowOnly
                                                     : BevelLight::LightAndShadow;
    return replacing(env, *target, [&](CRaster& r) {
        applyBevelledShape(r, (*values)[0], (*values)[1], light, settings->reverse);
    });
}

bool shadow(FilterEnvironment& env, const ShadowSettings& defaults)
{
    CLayerObject* target = filterTarget(env.frame);
    if (!target)
        return false;
    const auto answer = env.ui.askShadow(
        ShadowQuestion{kShadowTitle, defaults.distance, defaults.intensity, defaults.radius, false});
    if (!answer)
        return false;
    const ShadowSettings settings{answer->distance, answer->intensity, answer->radius,
                                  answer->useBackgroundColour ? env.background : defaults.colour};
    return applyReplacing(env.frame, *target, [&](const CRaster& source) -> std::optional<CRaster> {
               return makeDropShadow(source, settings);
           }) != nullptr;
}

bool blur(FilterEnvironment& env, CRaster (*filter)(const CRaster&, int))
{
    CLayerObject* target = filterTarget(env.frame);
    if (!target)
        return false;
    const auto values =
        askFilterFields(env.ui, {{kBlurDistance, 5, 0, kMaxBlurField, kBlurUnit}}, kBlurTitle, "");
    return values && applyReplacing(env.frame, *target, [&](const CRaster& source) -> std::optional<CRaster> {
                         return filter(source, (*values)[0]);
                     }) != nullptr;
}

bool turn(FilterEnvironment& env, int code)
{
    CLayerObject* target = filterTarget(env.frame);
    return target && applyReplacing(
                         env.frame, *target, [&](const CRaster& source) { return turnRaster(source, code); },
                         NewLayerTransparency::AsTarget) != nullptr;
}

} // namespace

bool runReliefFilter(FilterCommand command, FilterEnvironment& env)
{
    switch (command) {
    case FilterCommand::VerticalGradient:
        return gradient(env, applyVerticalGradient);
    case FilterCommand::HorizontalGradient:
        return gradient(env, applyHorizontalGradient);
    case FilterCommand::DiagonalGradient:
        return diagonalGradient(env);
    case FilterCommand::BevelledRectangle:
        return bevelledRectangle(env);
    case FilterCommand::BevelledShape:
        return bevelledShape(env);
    case FilterCommand::DropShadow:
        return shadow(env, dropShadowDefaults());
    case FilterCommand::Glow:
        return shadow(env, glowDefaults());
    case FilterCommand::EdgeBlur:
        return blur(env, makeEdgeBlur);
    case FilterCommand::GaussianBlur:
        return blur(env, makeGaussianBlur);
    case FilterCommand::Turn180:
        return turn(env, 180);
    case FilterCommand::Turn90Clockwise:
        return turn(env, 90);
    case FilterCommand::Turn90CounterClockwise:
        return turn(env, 270);
    case FilterCommand::MirrorLeftRight:
        return turn(env, 1000);
    case FilterCommand::MirrorTopBottom:
        return turn(env, 1001);
    default:
        return false;
    }
}

double rotationRadians(double degrees, bool counterClockwise)
{
    const double radians = degrees * 0.01745329251988889;
    return counterClockwise ? -radians : radians;
}

bool rotateLayer(FilterEnvironment& env)
{
    CBitmapObject* target = bitmapFilterTarget(env.frame);
    if (!target)
        return false;
    const auto answer = env.ui.askRotation(RotationQuestion{kRotationTitle, 0, false, true});
    if (!answer || answer->degrees == 0 || !std::isfinite(answer->degrees))
        return false;
    const double angle = rotationRadians(answer->degrees, answer->counterClockwise);
    return applyReplacing(env.frame, *target, [&](const CRaster& source) -> std::optional<CRaster> {
               return RotateRaster(source, angle, 0xFFFFFFFF, answer->smooth);
           }) != nullptr;
}

bool canSetFrameBorder(const CFrame& frame)
{
    return frame.backgroundFrame == nullptr;
}

void setFrameBorder(CFrame& frame, int width, std::uint32_t colour)
{
    // The frame keeps 0x00BBGGRR; the colour dialog gives 0xTTRRGGBB.
    frame.borderColour = (colour & 0x0000FF00u) | (colour & 0xFFu) << 16 | (colour >> 16 & 0xFFu);
    frame.borderWidth = std::clamp(width, 0, kMaxFrameBorder);
    frame.UpdateAllComposites();
    frame.Render();
}

bool askFrameBorder(FilterEnvironment& env)
{
    if (!canSetFrameBorder(env.frame))
        return false;
    const std::uint32_t shown = rasterColourFromFrameColour(env.frame.borderColour);
    const auto answer = env.ui.askFrameBorder(
        FrameBorderQuestion{kFrameBorderTitle, kFrameBorderColourCaption, env.frame.borderWidth, shown});
    if (!answer)
        return false;
    setFrameBorder(env.frame, answer->width, answer->colour);
    return true;
}

} // namespace lw
