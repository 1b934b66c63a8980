#include "app/editor/editing_commands.h"

#include "app/editor/canvas_commands.h"
#include "app/editor/clipboard_commands.h"
#include "app/editor/command_actions.h"
#include "app/editor/command_ids.h"
#include "app/editor/document_session.h"
#include "app/editor/frame_commands.h"
#include "app/editor/layer_commands.h"
#include "model/edit_scope.h"
#include "model/picture_import.h"

#include <array>

namespace lw {

namespace {

using Handler = void (*)(EditingContext&);

struct Entry {
    int id;
    Handler handler;
};

const std::array kEntries{
    Entry{cmd::InsertFrameAfter, [](EditingContext& c) { insertFrame(c, true); }},
    Entry{cmd::InsertFrameBefore, [](EditingContext& c) { insertFrame(c, false); }},
    Entry{cmd::AppendFrame, appendFrame},
    Entry{cmd::DeleteFrame, deleteFrame},
    Entry{cmd::FirstFrame, showFirstFrame},
    Entry{cmd::PreviousFrame, showPreviousFrame},
    Entry{cmd::NextFrame, showNextFrame},
    Entry{cmd::LastFrame, showLastFrame},
    Entry{cmd::MasterFrame, toggleMasterFrame},
    Entry{cmd::FrameDelay, editFrameDelay},
    Entry{cmd::FrameBackgroundColour, editFrameBackgroundColour},
    Entry{cmd::AutoSizeFrame, fitCanvasToLayers},
    Entry{cmd::LoopCount, editLoopCount},
    Entry{cmd::ResizeAnimation, resizeAnimation},
    Entry{cmd::CanvasSize, resizeCanvasEdges},
    Entry{cmd::DeleteLayers, deleteSelectedLayers},
    Entry{cmd::SelectAll, selectAllLayers},
    Entry{cmd::BringToFront, bringSelectedToFront},
    Entry{cmd::SendToBack, sendSelectedToBack},
    Entry{cmd::ConvertToBitmap, convertSelectedToBitmap},
    Entry{cmd::Combine, combineSelected},
    Entry{cmd::CentreOnPage, centreSelectedOnPage},
    Entry{cmd::StretchToPage, stretchSelectedToPage},
    Entry{cmd::Align, alignSelected},
    Entry{cmd::MoveTo, moveSelectedTo},
    Entry{cmd::Duplicate, duplicateSelected},
    Entry{cmd::CloneIntoFrames, cloneIntoFrames},
    Entry{cmd::AddLayer, addLayer},
    Entry{cmd::ImageSize, editImageSize},
    Entry{cmd::StretchShrink, stretchShrinkLayer},
    Entry{cmd::SwapColours, swapColours},
    Entry{cmd::Copy, copySelection},
    Entry{cmd::Cut, cutSelection},
    Entry{cmd::Paste, pasteFromClipboard},
    Entry{cmd::Undo, undoFrameEdit},
    Entry{cmd::ImportPicture, importPictureWithDialog},
};

const auto kIds = [] {
    std::array<int, kEntries.size()> ids{};
    for (std::size_t i = 0; i < kEntries.size(); ++i)
        ids[i] = kEntries[i].id;
    return ids;
}();

} // namespace

EditingCommands::EditingCommands(PictureUiPort& ui, EditingQuestions& questions, ActiveSession active,
                                 ViewCentre centre)
    : ui_(ui), questions_(questions), active_(std::move(active)), centre_(std::move(centre))
{
}

std::span<const int> EditingCommands::commandIds()
{
    return kIds;
}

std::optional<EditingContext> EditingCommands::context()
{
    DocumentSession* session = active_ ? active_() : nullptr;
    if (!session)
        return std::nullopt;
    EditingContext context{*session, ui_, questions_, memory_, std::nullopt};
    if (centre_)
        context.viewCentre = centre_(*session);
    return context;
}

bool EditingCommands::run(int id)
{
    for (const Entry& entry : kEntries)
        if (entry.id == id) {
            auto c = context();
            if (!c)
                return false;
            entry.handler(*c);
            return true;
        }
    return false;
}

void EditingCommands::registerHandlers(CommandActions& actions)
{
    for (const Entry& entry : kEntries)
        actions.setHandler(entry.id, [this, id = entry.id] { run(id); });
}

std::vector<std::pair<std::string, std::string>> importPictureFilters()
{
    return {{"Importable Files", "*.gif;*.jpg;*.jpe;*.jpeg;*.bmp;*.wmf;*.ico"},
            {"Compuserve GIF (*.gif)", "*.gif"},
            {"Windows Bitmap (*.bmp)", "*.bmp"},
            {"JPEG (*.jpg)", "*.jpg"},
            {"Windows Meta File (*.wmf)", "*.wmf"},
            {"Icons (*.ico)", "*.ico"}};
}

void importPictures(EditingContext& context, const std::vector<std::string>& paths)
{
    if (paths.empty())
        return;
    CLWDoc& doc = context.session.doc;
    CFrame& frame = context.session.currentFrame();
    EditScope edit(doc, nullptr);
    frame.SelectNone();
    const int before = frame.ObjectCount();
    ImportPictures(doc, paths, frame, context.ui);
    // The new layer of the current frame is the one selected.
    if (frame.ObjectCount() > before)
        frame.tail->selected = 1;
    edit.announce(DocumentChange::LayersChanged | DocumentChange::SelectionChanged |
                      DocumentChange::FramesInserted,
                  nullptr);
}

void importPictureWithDialog(EditingContext& context)
{
    FileQuestion question;
    question.title = "Import Image";
    question.filters = importPictureFilters();
    importPictures(context, context.questions.askOpenPaths(question));
}

} // namespace lw
