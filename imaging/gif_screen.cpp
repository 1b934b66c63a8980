#include "imaging/gif_screen.h"

namespace lw {

GifScreen::GifScreen(int width, int height) : screen_(width, height)
{
    screen_.FillRect(kGifScreenBackground);
}

void GifScreen::disposePrevious()
{
    keptPrevious_ = pendingDisposal_ != 2 && pendingDisposal_ != 3;
    if (pendingDisposal_ == 2)
        screen_.FillRect(kGifScreenBackground, pendingArea_);
    else if (pendingDisposal_ == 3 && saved_.hasBlock())
        screen_.CopyPixels(saved_);
    pendingDisposal_ = 0;
}

void GifScreen::Draw(const GifFrame& frame)
{
    disposePrevious();
    if (frame.disposal == 3)
        saved_ = screen_;
    frame.raster.CompositeOnto(screen_, frame.left, frame.top);
    pendingDisposal_ = frame.disposal;
    pendingArea_ = RasterRect{frame.left, frame.top, frame.left + frame.width, frame.top + frame.height};
}

} // namespace lw
