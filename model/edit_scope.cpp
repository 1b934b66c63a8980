#include "model/edit_scope.h"

#include "model/document.h"

namespace lw {

EditScope::EditScope(CLWDoc& doc, CFrame* frame, UndoStep undo)
    : doc_(doc), frame_(frame), outer_(doc.openScope_)
{
    if (outer_)
        return;
    doc_.openScope_ = this;
    if (undo == UndoStep::Keep)
        return;
    if (undo == UndoStep::Structural && frame_) {
        frame_->BeginStructuralEdit(); // commits the frame first
        return;
    }
    if (frame_) {
        frame_->Commit();
        return;
    }
    for (CFrame* f = doc_.animation.firstFrame.get(); f; f = f->next.get())
        f->Commit();
}

void EditScope::beginObjectEdit(CLayerObject& object)
{
    if (!object.IsEditing())
        object.BeginEdit();
}

void EditScope::announce(DocumentChanges changes, const CFrame* frame)
{
    if (changes.empty())
        return;
    if (anyAnnounced_ && event_.frame != frame)
        event_.frame = nullptr;
    else if (!anyAnnounced_)
        event_.frame = frame;
    event_.changes |= changes;
    anyAnnounced_ = true;
}

EditScope::~EditScope()
{
    if (outer_) {
        if (anyAnnounced_)
            outer_->announce(event_.changes, event_.frame);
        outer_->markModified_ = outer_->markModified_ || markModified_;
        outer_->markSaved_ = outer_->markSaved_ || markSaved_;
        return;
    }
    doc_.openScope_ = nullptr;
    const bool wasModified = doc_.modified_;
    if (markModified_) {
        doc_.modified_ = true;
        doc_.animation.sourceFileSize = 0;
    }
    // A save that ends the scope wins over the edits before it.
    if (markSaved_)
        doc_.modified_ = false;
    if (doc_.modified_ != wasModified) {
        event_.changes |= DocumentChange::ModifiedChanged; // a document change: the frame stays
        anyAnnounced_ = true;
    }
    if (anyAnnounced_)
        doc_.notify(event_);
}

} // namespace lw
