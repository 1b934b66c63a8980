#pragma once
// One open document with what its window shows: the current frame and the view's settings.
#include "app/editor/view_settings.h"
#include "model/document.h"

namespace lw {

class DocumentSession {
public:
    DocumentSession();
    DocumentSession(const DocumentSession&) = delete;
    DocumentSession& operator=(const DocumentSession&) = delete;

    CLWDoc doc;
    ViewSettings view;

    CFrame& currentFrame() const { return *current_; }
    // Makes a frame of this document current, committing its pending edit, and tells the
    // document's observers when the current frame changed; false when the frame is not in the
    // document.
    bool goToFrame(CFrame* frame);
    // The first frame that is not a master frame (the first frame when all are).
    void goToFirstNormalFrame();

    // The name the window shows.
    const std::string& displayName() const { return doc.title; }

private:
    CFrame* current_ = nullptr;
};

} // namespace lw
