#include "imaging/gif_animation.h"

#include "platform/errors.h"

#include <algorithm>
#include <new>
#include <stdexcept>

namespace lw {

int codeSizeFor(int colours)
{
    if (colours <= 4)
        return 2;
    if (colours <= 8)
        return 3;
    if (colours <= 16)
        return 4;
    if (colours <= 32)
        return 5;
    if (colours <= 64)
        return 6;
    if (colours <= 128)
        return 7;
    return 8;
}

GifAnimation::GifAnimation() = default;

GifAnimation::~GifAnimation()
{
    clearFrames();
}

void GifAnimation::clearFrames()
{
    // Unlinked one by one so that a long list never recurses deeply.
    while (frames)
        frames = std::move(frames->next);
}

int GifAnimation::frameCount() const
{
    int count = 0;
    for (const GifFrame* f = frames.get(); f; f = f->next.get())
        ++count;
    return count;
}

GifFrame* GifAnimation::frameAt(int index)
{
    GifFrame* f = frames.get();
    for (; f && index > 0; --index)
        f = f->next.get();
    return index == 0 ? f : nullptr;
}

GifFrame* GifAnimation::lastFrame()
{
    GifFrame* f = frames.get();
    while (f && f->next)
        f = f->next.get();
    return f;
}

GifFrame& GifAnimation::appendEmptyFrame()
{
    auto frame = std::make_unique<GifFrame>();
    GifFrame& added = *frame;
    if (GifFrame* last = lastFrame())
        last->next = std::move(frame);
    else
        frames = std::move(frame);
    return added;
}

void GifAnimation::SetScreenSize(int width, int height)
{
    screenWidth = static_cast<std::uint16_t>(std::clamp(width, 0, 65535));
    screenHeight = static_cast<std::uint16_t>(std::clamp(height, 0, 65535));
}

GifFrame& GifAnimation::AddFrame(const CRaster& raster)
{
    if (raster.width() > 65535 || raster.height() > 65535)
        throw std::length_error("A GIF image is at most 65535 pixels wide and high");
    auto frame = std::make_unique<GifFrame>();
    frame->raster.ShareFrom(raster);
    frame->width = static_cast<std::uint16_t>(raster.width());
    frame->height = static_cast<std::uint16_t>(raster.height());
    try {
        frame->indices.assign(frame->pixelCount(), 0);
    } catch (const std::bad_alloc&) {
        throw MemoryError();
    }
    GifFrame& added = *frame;
    if (GifFrame* last = lastFrame())
        last->next = std::move(frame);
    else
        frames = std::move(frame);
    animated = frames->next ? 1 : 0;
    return added;
}

int GifAnimation::CountColours()
{
    palette.ResetExact();
    int count = 0;
    for (const GifFrame* f = frames.get(); f; f = f->next.get()) {
        count = palette.CountExact(f->raster);
        if (count > PaletteBuilder::kExactLimit)
            break;
    }
    return count;
}

void GifAnimation::BuildPalette(int n)
{
    palette.Build(n, frames.get());
    if (!globalPalette)
        globalPalette = std::make_unique<GifColourTable>();
    globalPalette->fill(0);
    for (int k = 0; k < palette.paletteCount; ++k) {
        const std::uint32_t rgb = palette.paletteRgb[static_cast<std::size_t>(k)];
        (*globalPalette)[static_cast<std::size_t>(k) * 3 + 0] = static_cast<std::uint8_t>(rgb >> 16);
        (*globalPalette)[static_cast<std::size_t>(k) * 3 + 1] = static_cast<std::uint8_t>(rgb >> 8);
        (*globalPalette)[static_cast<std::size_t>(k) * 3 + 2] = static_cast<std::uint8_t>(rgb);
    }
    int size = 2;
    while (size < palette.paletteCount)
        size *= 2;
    globalPaletteSize = static_cast<std::uint16_t>(size);
    const int codeSize = codeSizeFor(palette.paletteCount);
    for (GifFrame* f = frames.get(); f; f = f->next.get())
        f->codeSize = static_cast<std::uint8_t>(codeSize);
}

void GifAnimation::SetTransparentColour(std::uint32_t rgb)
{
    const int entry = palette.NearestEntry(rgb & 0xFFFFFF);
    for (GifFrame* f = frames.get(); f; f = f->next.get()) {
        f->disposal = 2;
        f->transparent = 1;
        f->transparentIndex = entry;
    }
}

} // namespace lw
