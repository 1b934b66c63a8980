#pragma once
// EditScope: the one road by which a document changes. An edit keeps this order:
//   1. commit what is pending (the frame's open edit, or every frame's for a document-wide edit),
//   2. begin the edit: take the structural undo copy, or BeginEdit on each layer about to change,
//   3. change the model,
//   4. mark the document modified (which also forgets the stored GIF file size),
//   5. notify the document's observers.
// Steps 1 and 2 happen in the constructor (and beginObjectEdit), 4 and 5 when the scope ends.
//
//   EditScope edit(doc, &frame, UndoStep::Structural);
//   frame.DeleteSelected();
//   edit.announce(DocumentChange::LayersChanged | DocumentChange::SelectionChanged);
//   edit.markModified();
//
// Scopes nest: an inner scope neither commits nor takes undo copies (the outer one has prepared
// the edit) and hands what it announced to the outer one, which notifies once at its end. The
// scope also notifies when the change is left by an exception, since the model may be half
// changed and the views must show what it holds.
#include "model/document_observer.h"

namespace lw {

class CFrame;
class CLayerObject;
class CLWDoc;

enum class UndoStep {
    Keep,       // nothing committed: bookkeeping that is no edit (marking a document saved)
    CommitOnly, // frame settings, navigation, document-level changes
    Objects,    // layers change in place: beginObjectEdit on each before it changes
    Structural, // layers are added, removed or reordered: the frame's deep undo copy
};

class EditScope {
public:
    // `frame` is the frame the edit works on, or null for a document-wide edit (every frame's
    // pending edit is committed; a structural undo copy needs a frame and is skipped without one).
    EditScope(CLWDoc& doc, CFrame* frame, UndoStep undo = UndoStep::CommitOnly);
    EditScope(const EditScope&) = delete;
    EditScope& operator=(const EditScope&) = delete;
    ~EditScope();

    // Step 2 for one layer of an Objects edit: BeginEdit unless it is already editing, so that
    // Undo can restore it.
    void beginObjectEdit(CLayerObject& object);

    // What views must hear. Changes announced for different frames are reported without a frame.
    void announce(DocumentChanges changes) { announce(changes, frame_); }
    void announce(DocumentChanges changes, const CFrame* frame);

    // The document will be marked modified when the scope ends.
    void markModified() { markModified_ = true; }
    // After a save or a load: the document holds no unsaved change.
    void markSaved() { markSaved_ = true; }

    CLWDoc& document() const { return doc_; }
    CFrame* frame() const { return frame_; }

private:
    CLWDoc& doc_;
    CFrame* frame_;
    EditScope* outer_;
    DocumentEvent event_;
    bool anyAnnounced_ = false;
    bool markModified_ = false;
    bool markSaved_ = false;
};

} // namespace lw
