#pragma once
// The editing commands' questions as the Qt dialogs of editing_dialogs.h, and the several-file
// open dialog of Import picture.
#include "app/editor/editing_questions.h"

#include <functional>

class QWidget;

namespace lw {

class QtEditingQuestions : public EditingQuestions {
public:
    explicit QtEditingQuestions(std::function<QWidget*()> parent) : parent_(std::move(parent)) {}
    std::optional<MasterFramesAnswer> askMasterFrames() override;
    std::optional<FrameDelayAnswer> askFrameDelay(int delayHundredths) override;
    std::optional<int> askLoopCount(int loopCount) override;
    std::optional<CanvasSize> askCanvasSettings(CanvasSize size) override;
    std::optional<EdgeAmounts> askEdgeAmounts(CanvasSize size) override;
    std::optional<CanvasSize> askImageSize(CanvasSize layer) override;
    std::optional<AlignSettings> askAlign(AlignSettings start, bool forceFrame) override;
    std::optional<MoveToAnswer> askMoveTo(MoveToAnswer start) override;
    std::optional<DuplicateSettings> askDuplicate(DuplicateSettings start) override;
    std::optional<std::vector<bool>> askCloneFrames(std::vector<CloneFrameItem> items) override;
    std::vector<std::string> askOpenPaths(const FileQuestion& question) override;

private:
    QWidget* parent() const { return parent_ ? parent_() : nullptr; }
    std::function<QWidget*()> parent_;
};

} // namespace lw
