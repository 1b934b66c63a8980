#pragma once
// The frame commands: inserting, appending and deleting frames, master frames, delays, the
// background colour, fitting the canvas to the layers and the loop count.
#include "app/editor/editing_context.h"

namespace lw {

class CFrame;

// Makes the frame current (committing its pending edit) and tells the views.
void showFrame(EditingContext& context, CFrame* frame);
// Home, PgUp, PgDn and End: nothing when there is no such frame.
void showFirstFrame(EditingContext& context);
void showPreviousFrame(EditingContext& context);
void showNextFrame(EditingContext& context);
void showLastFrame(EditingContext& context);

void insertFrame(EditingContext& context, bool after);
void appendFrame(EditingContext& context);
// Asks first when the frame holds layers (Yes, No, Cancel; No is the default).
void deleteFrame(EditingContext& context);
void toggleMasterFrame(EditingContext& context);
void editFrameDelay(EditingContext& context);
// The frames bar's delay field: a decimal number of seconds; false when it is no such number
// (nothing changes).
bool applyDelayText(EditingContext& context, const QString& text);
void editFrameBackgroundColour(EditingContext& context);
void fitCanvasToLayers(EditingContext& context);
void editLoopCount(EditingContext& context);

inline constexpr const char* kFrameColourCaption = "Цвет фона кадра       ";

} // namespace lw
