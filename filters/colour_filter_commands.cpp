// The colour and transparency commands, and the dispatch of every filter command.
#include "filters/colour_reduction_filter.h"
#include "filters/filter_application.h"
#include "filters/filter_commands.h"
#include "filters/filter_dialogs.h"
#include "filters/relief_filter_commands.h"
#include "filters/tone_filters.h"
#include "filters/transparency_filters.h"

namespace lw {

namespace {

using namespace filtertext;

// Dialog 233 with the given fields; nothing on Cancel or an answer of the wrong length.

// A bitmap-only filter applied in place; `change` returns whether it changed anything.
bool inPlace(FilterEnvironment& env, const std::function<bool(CRaster&)>& change)
{
    CBitmapObject* target = bitmapFilterTarget(env.frame);
    return target && applyInPlace(env.frame, *target, change);
}

bool replacing(FilterEnvironment& env, const std::function<void(CRaster&)>& change)
{
    CLayerObject* target = filterTarget(env.frame);
    return target && applyReplacingSameSize(env.frame, *target, change);
}

bool brightnessContrast(FilterEnvironment& env)
{
    if (!filterTarget(env.frame))
        return false;
    const auto values =
        askFilterFields(env.ui, {{kBrightness, 0, -100, 100, ""}, {kContrast, 0, -100, 100, ""}});
    if (!values)
        return false;
    return replacing(env, [&](CRaster& r) { applyBrightnessContrast(r, (*values)[0], (*values)[1]); });
}

bool saturation(FilterEnvironment& env)
{
    if (!bitmapFilterTarget(env.frame))
        return false;
    const auto values = askFilterFields(env.ui, {{kSaturation, 0, -100, 100, ""}});
    return values && inPlace(env, [&](CRaster& r) {
               applySaturation(r, (*values)[0]);
               return true;
           });
}

bool twoColour(FilterEnvironment& env)
{
    if (!bitmapFilterTarget(env.frame) || !confirmedByOk(env.ui, kTwoColourQuestion))
        return false;
    return inPlace(env, [&](CRaster& r) {
        convertToTwoColour(r, env.background, env.foreground);
        return true;
    });
}

bool colorizeLayer(FilterEnvironment& env)
{
    if (!bitmapFilterTarget(env.frame) || !confirmedByOk(env.ui, kColorizeQuestion))
        return false;
    const auto colour = env.ui.askColour(ColourQuestion{kColorizeCaption, env.colorizeColour, true});
    if (!colour)
        return false;
    env.colorizeColour = *colour;
    return inPlace(env, [&](CRaster& r) {
        colorize(r, *colour);
        return true;
    });
}

bool reduceColours(FilterEnvironment& env)
{
    if (!bitmapFilterTarget(env.frame))
        return false;
    const auto values =
        askFilterFields(env.ui, {{kReduceField, kDefaultReducedColours, 2, 256, ""}}, kReduceTitle, "");
    return values && inPlace(env, [&](CRaster& r) { return reduceLayerColours(r, (*values)[0]); });
}

bool oneValueReplacing(FilterEnvironment& env, ValueField field, void (*filter)(CRaster&, int))
{
    if (!filterTarget(env.frame))
        return false;
    const auto values = askFilterFields(env.ui, {std::move(field)});
    return values && replacing(env, [&](CRaster& r) { filter(r, (*values)[0]); });
}

bool whiteToTransparent(FilterEnvironment& env)
{
    CBitmapObject* target = bitmapFilterTarget(env.frame);
    if (!target)
        return false;
    if (env.ui.messageBox(Message{kWhiteQuestion, kWhiteCaption, MsgIcon::Question, MsgButtons::YesNo}) !=
        MsgResult::Yes)
        return false;
    if (applyInPlace(env.frame, *target, makeWhiteTransparent))
        return true;
    env.ui.messageBox(Message{kWhiteNotFound, kWhiteCaption, MsgIcon::Error, MsgButtons::Ok});
    return false;
}

bool plain(FilterEnvironment& env, void (*filter)(CRaster&))
{
    return inPlace(env, [&](CRaster& r) {
        filter(r);
        return true;
    });
}

bool plainReplacing(FilterEnvironment& env, void (*filter)(CRaster&))
{
    return replacing(env, [&](CRaster& r) { filter(r); });
}

// Merges the clipboard picture into the bitmap target; the layer is marked as transparent.
bool mergePicture(FilterEnvironment& env, const CRaster* picture, void (*merge)(CRaster&, const CRaster&))
{
    CBitmapObject* target = bitmapFilterTarget(env.frame);
    if (!target || !picture || !picture->hasBlock())
        return false;
    const bool changed = applyInPlace(env.frame, *target, [&](CRaster& r) {
        merge(r, *picture);
        return true;
    });
    target->hasTransparency = 1;
    return changed;
}

} // namespace

bool runFilter(FilterCommand command, FilterEnvironment& env)
{
    switch (command) {
    case FilterCommand::BrightnessContrast:
        return brightnessContrast(env);
    case FilterCommand::Saturation:
        return saturation(env);
    case FilterCommand::InvertColours:
        return plain(env, invertColours);
    case FilterCommand::Greyscale:
        return plain(env, convertToGreyscale);
    case FilterCommand::TwoColour:
        return twoColour(env);
    case FilterCommand::Colorize:
        return colorizeLayer(env);
    case FilterCommand::ReduceColours:
        return reduceColours(env);
    case FilterCommand::ColourThreshold:
        return oneValueReplacing(env, {kThreshold, 128, 0, 255, ""}, applyColourThreshold);
    case FilterCommand::InvertAlpha:
        return plainReplacing(env, invertAlpha);
    case FilterCommand::ApplyTransparency:
        return oneValueReplacing(env, {kTransparency, 50, 0, 255, ""}, applyTransparency);
    case FilterCommand::WhiteToTransparent:
        return whiteToTransparent(env);
    case FilterCommand::ExtractAlpha: {
        const CLayerObject* target = filterTarget(env.frame);
        return target && addAlphaChannelLayer(env.frame, *target);
    }
    default:
        return runReliefFilter(command, env);
    }
}

bool insertAlphaFromPicture(FilterEnvironment& env, const CRaster* picture)
{
    return mergePicture(env, picture, insertAlphaChannel);
}

bool takeColoursFromPicture(FilterEnvironment& env, const CRaster* picture)
{
    return mergePicture(env, picture, takeColours);
}

bool canUseClipboardPicture(const CFrame& frame, bool clipboardHasBitmap)
{
    return clipboardHasBitmap && frame.CountSelected() == 1 && bitmapFilterTarget(frame);
}

} // namespace lw
