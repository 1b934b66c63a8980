#pragma once
// The captions the frames bar gives frames, also used by the status bar, dialogs and export names:
// master frames "Мастер       (%d)" numbered among masters, others "Кадр  %d" among normal frames.
#include <QString>
#include <vector>

namespace lw {

class CAnimation;
class CFrame;

std::vector<QString> frameCaptions(const CAnimation& animation);
// Empty for a frame that is not in the animation.
QString frameCaption(const CAnimation& animation, const CFrame* frame);

} // namespace lw
