#pragma once
// What the command table's enable, check and text rules look at: a plain snapshot of the active
// document, its view and the window, taken before menus and bars show.
#include "app/editor/command_ids.h"

#include <cstdint>
#include <string>
#include <vector>

namespace lw {

class CLWDoc;
class CFrame;

struct EditorState {
    // The active document (all zero without one).
    bool hasDocument = false;
    int frameCount = 0;       // every frame
    int normalFrameCount = 0; // frames that are not master frames
    bool currentIsFirst = false;
    bool currentHasNext = false;
    bool currentIsMaster = false;
    int layerCount = 0;                  // layers of the current frame
    int selectedCount = 0;               // selected layers of the current frame
    std::uint16_t onlySelectedType = 0;  // kind of the single selected layer, 0 otherwise
    std::uint16_t firstSelectedType = 0; // kind of the lowest selected layer, 0 without one
    bool producesAnimation = false;
    bool canUndo = false;
    bool canSetFrameBorder = false; // the current frame has no background frame
    bool gifPathEmpty = true;

    // The clipboard.
    bool clipboardHasLayers = false;
    bool clipboardHasBitmap = false;
    bool clipboardHasMetafile = false;

    // The active view.
    int zoom = 1;
    int tool = cmd::ToolSelect;
    int brush = 0;

    // The main window.
    std::vector<int> visibleBars; // bar command ids of the bars shown
    std::vector<std::string> recentFiles;
    bool hasWindows = false;
};

// Fills the document part of the state from a document and its current frame.
void describeDocument(EditorState& state, const CLWDoc& doc, const CFrame& current);

} // namespace lw
