#include "app/editor/document_session.h"

#include "model/edit_scope.h"

namespace lw {

DocumentSession::DocumentSession() : current_(doc.animation.firstFrame.get()) {}

bool DocumentSession::goToFrame(CFrame* frame)
{
    if (!frame || doc.animation.IndexOfFrame(frame) < 0)
        return false;
    EditScope edit(doc, frame, UndoStep::Keep);
    if (frame != current_)
        edit.announce(DocumentChange::CurrentFrameChanged);
    current_ = frame;
    current_->Commit();
    return true;
}

void DocumentSession::goToFirstNormalFrame()
{
    CFrame* frame = doc.animation.firstFrame.get();
    for (CFrame* f = frame; f; f = f->next.get())
        if (!f->masterFrame) {
            frame = f;
            break;
        }
    goToFrame(frame);
}

} // namespace lw
