#include "app/editor/frame_captions.h"

#include "model/animation.h"

#include <QCoreApplication>

namespace lw {

std::vector<QString> frameCaptions(const CAnimation& animation)
{
    std::vector<QString> captions;
    int masters = 0;
    int normals = 0;
    for (const CFrame* frame = animation.firstFrame.get(); frame; frame = frame->next.get())
        captions.push_back(frame->masterFrame != 0
                               ? QCoreApplication::translate("FrameList", "Мастер       (%1)").arg(++masters)
                               : QCoreApplication::translate("FrameList", "Кадр  %1").arg(++normals));
    return captions;
}

QString frameCaption(const CAnimation& animation, const CFrame* frame)
{
    const int index = animation.IndexOfFrame(frame);
    if (index < 0)
        return {};
    return frameCaptions(animation)[static_cast<std::size_t>(index)];
}

} // namespace lw
