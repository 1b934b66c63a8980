#pragma once
// GifScreen: the logical screen a GIF viewer draws its frames on. It starts transparent; each
// frame's image goes over it (its transparent pixels leave what is below) and, before the next
// frame, the frame's disposal is applied: 0 and 1 (and the undefined 4–7) keep the picture,
// 2 clears the frame's area to the background, which is transparent, 3 puts back the picture
// from before the frame was drawn.
#include "imaging/gif_frame.h"
#include "imaging/raster.h"

namespace lw {

// A pixel of the screen that no frame has painted: colour black, fully transparent.
inline constexpr std::uint32_t kGifScreenBackground = 0xFF000000u;

class GifScreen {
public:
    GifScreen(int width, int height);

    // Draws the frame's raster at its position; first applies the previous frame's disposal.
    void Draw(const GifFrame& frame);
    // What the viewer shows after the last Draw.
    const CRaster& picture() const { return screen_; }
    // Whether what is shown now starts from the picture the previous frame left, i.e. the
    // previous frame's disposal kept it (true before the first frame).
    bool keptPrevious() const { return keptPrevious_; }

private:
    void disposePrevious();

    CRaster screen_;
    CRaster saved_; // the picture before the last frame, when that frame's disposal is 3
    int pendingDisposal_ = 0;
    RasterRect pendingArea_;
    bool keptPrevious_ = true;
};

} // namespace lw
