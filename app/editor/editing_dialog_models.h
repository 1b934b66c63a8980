#pragma once
// The models of the editing commands' dialogs: the fields as the user typed them, the values they
// start from, and OK's check (a refusal names the field and the range message). The dialogs are
// thin widgets over these; the commands ask for them through EditingQuestions.
#include "app/editor/align_model.h"
#include "app/editor/canvas_settings_model.h"
#include "app/editor/clone_frames_model.h"
#include "app/editor/duplicate_model.h"
#include "app/editor/edge_amounts_model.h"
#include "app/editor/frame_delay_model.h"
#include "app/editor/image_size_model.h"
#include "app/editor/loop_count_model.h"
#include "app/editor/master_frames_model.h"
#include "app/editor/move_to_model.h"
