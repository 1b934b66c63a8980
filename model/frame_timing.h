#pragma once
// Frame delays typed in seconds, and master frames with the frames they back.
#include <optional>

namespace lw {

class CAnimation;
class CFrame;

// The largest delay a frame can carry in a GIF, in hundredths of a second.
inline constexpr int kMaxDelayHundredths = 65535;

// Seconds to hundredths, truncated toward zero; nothing for a negative, non-finite or too large
// number.
std::optional<int> delayFromSeconds(double seconds);

// Sets the frame's delay, or every frame's with `allFrames`.
void SetFrameDelay(CAnimation& animation, CFrame& frame, int hundredths, bool allFrames);

// Turns a frame into a master frame, or back into a normal one. Becoming a master, it gets
// `addCount` new frames right after it, each with the master as its background frame and the
// given delay. Returns the number of frames added.
int ToggleMasterFrame(CAnimation& animation, CFrame& frame, int addCount, int delayHundredths);

} // namespace lw
