#pragma once
// The dialogs of the frame, canvas and layer commands, each a thin widget over its model in
// editing_dialog_models.h: the fields show the model, OK hands the typed texts back to it.
#include "app/widgets/align_dialog.h"
#include "app/widgets/canvas_settings_dialog.h"
#include "app/widgets/clone_frames_dialog.h"
#include "app/widgets/duplicate_dialog.h"
#include "app/widgets/edge_amounts_dialog.h"
#include "app/widgets/editing_dialog_parts.h"
#include "app/widgets/frame_delay_dialog.h"
#include "app/widgets/image_size_dialog.h"
#include "app/widgets/loop_count_dialog.h"
#include "app/widgets/master_frames_dialog.h"
#include "app/widgets/move_to_dialog.h"
