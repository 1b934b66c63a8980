#include "model/frame_list.h"

namespace lw {
namespace {

constexpr const char* kDeleteFrameText =
    "Действительно удалить этот кадр и его содержимое? Это действие нельзя будет потом отменить! ";

std::string captionFor(bool master, int number)
{
    return (master ? "Мастер       (" + std::to_string(number) + ")" : "Кадр  " + std::to_string(number));
}

} // namespace

std::string frameCaption(const CAnimation& animation, const CFrame& frame)
{
    int masters = 0;
    int normals = 0;
    for (const CFrame* f = animation.firstFrame.get(); f; f = f->next.get()) {
        const bool master = f->masterFrame != 0;
        const int number = master ? ++masters : ++normals;
        if (f == &frame)
            return captionFor(master, number);
    }
    return {};
}

std::vector<std::string> frameCaptions(const CAnimation& animation)
{
    std::vector<std::string> captions;
    int masters = 0;
    int normals = 0;
    for (const CFrame* f = animation.firstFrame.get(); f; f = f->next.get()) {
        const bool master = f->masterFrame != 0;
        captions.push_back(captionFor(master, master ? ++masters : ++normals));
    }
    return captions;
}

bool confirmFrameDeletion(const CFrame& frame, UiPort& ui)
{
    if (frame.ObjectCount() == 0)
        return true;
    Message question{kDeleteFrameText, "", MsgIcon::Question, MsgButtons::YesNoCancel};
    question.defaultResult = MsgResult::No;
    return ui.messageBox(question) == MsgResult::Yes;
}

std::optional<std::string> knownGifPath(const CAnimation& animation)
{
    if (!animation.gifPathKnown)
        return std::nullopt;
    return animation.sourcePath;
}

void rememberGifPath(CAnimation& animation, const std::string& path)
{
    animation.sourcePath = path;
    animation.gifPathKnown = true;
}

} // namespace lw
