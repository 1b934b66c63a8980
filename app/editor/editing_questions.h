#pragma once
// The dialogs of the frame, canvas and layer commands, apart from the windows so that the
// commands run without them: the widgets answer with dialogs over the models of
// editing_dialog_models.h, tests with ScriptedEditingQuestions. Nothing means Cancel.
#include "app/editor/editing_dialog_models.h"
#include "app/editor/editor_questions.h"

#include <functional>
#include <optional>

namespace lw {

class EditingQuestions {
public:
    virtual ~EditingQuestions() = default;
    virtual std::optional<MasterFramesAnswer> askMasterFrames() = 0;
    virtual std::optional<FrameDelayAnswer> askFrameDelay(int delayHundredths) = 0;
    virtual std::optional<int> askLoopCount(int loopCount) = 0;
    virtual std::optional<CanvasSize> askCanvasSettings(CanvasSize size) = 0;
    // "Размер холста" for the canvas or for one layer of that size.
    virtual std::optional<EdgeAmounts> askEdgeAmounts(CanvasSize size) = 0;
    virtual std::optional<CanvasSize> askImageSize(CanvasSize layer) = 0;
    virtual std::optional<AlignSettings> askAlign(AlignSettings start, bool forceFrame) = 0;
    virtual std::optional<MoveToAnswer> askMoveTo(MoveToAnswer start) = 0;
    virtual std::optional<DuplicateSettings> askDuplicate(DuplicateSettings start) = 0;
    // One mark per item, in order.
    virtual std::optional<std::vector<bool>> askCloneFrames(std::vector<CloneFrameItem> items) = 0;
    // An open dialog that may return several files.
    virtual std::vector<std::string> askOpenPaths(const FileQuestion& question) = 0;
};

// Each question answers through its function; an unset function cancels.
class ScriptedEditingQuestions : public EditingQuestions {
public:
    std::function<std::optional<MasterFramesAnswer>()> masterFrames;
    std::function<std::optional<FrameDelayAnswer>(int)> frameDelay;
    std::function<std::optional<int>(int)> loopCount;
    std::function<std::optional<CanvasSize>(CanvasSize)> canvasSettings;
    std::function<std::optional<EdgeAmounts>(CanvasSize)> edgeAmounts;
    std::function<std::optional<CanvasSize>(CanvasSize)> imageSize;
    std::function<std::optional<AlignSettings>(AlignSettings, bool)> align;
    std::function<std::optional<MoveToAnswer>(MoveToAnswer)> moveTo;
    std::function<std::optional<DuplicateSettings>(DuplicateSettings)> duplicate;
    std::function<std::optional<std::vector<bool>>(std::vector<CloneFrameItem>)> cloneFrames;
    std::function<std::vector<std::string>(const FileQuestion&)> openPaths;

    std::optional<MasterFramesAnswer> askMasterFrames() override { return call(masterFrames); }
    std::optional<FrameDelayAnswer> askFrameDelay(int d) override { return call(frameDelay, d); }
    std::optional<int> askLoopCount(int n) override { return call(loopCount, n); }
    std::optional<CanvasSize> askCanvasSettings(CanvasSize s) override { return call(canvasSettings, s); }
    std::optional<EdgeAmounts> askEdgeAmounts(CanvasSize s) override { return call(edgeAmounts, s); }
    std::optional<CanvasSize> askImageSize(CanvasSize s) override { return call(imageSize, s); }
    std::optional<AlignSettings> askAlign(AlignSettings s, bool f) override { return call(align, s, f); }
    std::optional<MoveToAnswer> askMoveTo(MoveToAnswer s) override { return call(moveTo, s); }
    std::optional<DuplicateSettings> askDuplicate(DuplicateSettings s) override { return call(duplicate, s); }
    std::optional<std::vector<bool>> askCloneFrames(std::vector<CloneFrameItem> items) override
    {
        return call(cloneFrames, std::move(items));
    }
    std::vector<std::string> askOpenPaths(const FileQuestion& q) override
    {
        return openPaths ? openPaths(q) : std::vector<std::string>{};
    }

private:
    template <class F, class... Args>
    static auto call(const F& f, Args&&... args) -> decltype(f(std::forward<Args>(args)...))
    {
        if (!f)
            return std::nullopt;
        return f(std::forward<Args>(args)...);
    }
};

} // namespace lw
