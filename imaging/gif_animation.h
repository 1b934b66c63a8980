#pragma once
// GifAnimation: one in-memory GIF stream (logical screen, global colour table, loop count and a
// list of frames). Every GIF the editor writes or reads goes through it:
//   write: SetScreenSize, loopCount, AddFrame (+ delay) …, CountColours, BuildPalette,
//          SetTransparentColour or DiffFrames + ReorderPalette, EncodeFrames, SaveToFile;
//   read:  Read, DecodeFrames, FramesToRasters, then the frames' rasters or ToAnimation.
#include "imaging/frame_sequence.h"
#include "imaging/gif_frame.h"
#include "imaging/palette_builder.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace lw {

class UiPort;

// The comment every animated GIF carries: 40 bytes, the program's name and its maker's address.
inline constexpr char kGifComment[] = "Loopwright GIF Animator, www.quarvex.com";
static_assert(sizeof(kGifComment) - 1 == 40);

class GifAnimation {
public:
    // Limits the reader applies to the sizes a file claims, before anything is allocated.
    static constexpr std::int64_t kDefaultMaxFramePixels = 16384LL * 16384LL;
    static constexpr std::int64_t kDefaultMaxTotalPixels = 16384LL * 16384LL;

    GifAnimation();
    GifAnimation(const GifAnimation&) = delete;
    GifAnimation& operator=(const GifAnimation&) = delete;
    GifAnimation(GifAnimation&&) noexcept = default;
    GifAnimation& operator=(GifAnimation&&) noexcept = default;
    ~GifAnimation();

    PaletteBuilder palette;
    int loopCount = 1; // 1 = play once, no loop extension
    int animated = 0;
    char version[4] = {'8', '9', 'a', '\0'};
    std::uint16_t screenWidth = 0;
    std::uint16_t screenHeight = 0;
    std::uint8_t colourResolution = 0;
    std::uint8_t sorted = 0;
    std::unique_ptr<GifColourTable> globalPalette;
    std::uint16_t globalPaletteSize = 0;
    std::uint8_t backgroundIndex = 0;
    std::unique_ptr<GifFrame> frames;
    int codedFrames = 0;

    // Reader limits: the largest frame and the most decoded pixels one file may hold.
    std::int64_t maxFramePixels = kDefaultMaxFramePixels;
    std::int64_t maxTotalPixels = kDefaultMaxTotalPixels;

    // --- writing ---
    void SetScreenSize(int width, int height);
    // Appends a frame holding the raster's pixels (shared, never changed), at (0, 0), with
    // zero-filled indices.
    GifFrame& AddFrame(const CRaster& raster);
    // Distinct colours over every frame, 257 meaning "more than 256".
    int CountColours();
    // Global palette of at most n colours, frame code sizes and indices.
    void BuildPalette(int n);
    // Marks the palette entry nearest to a 0x00RRGGBB colour transparent in every frame.
    void SetTransparentColour(std::uint32_t rgb);
    void EncodeFrames();
    // The size of the file Write produces.
    std::int64_t EstimateSize() const;
    // The GIF89a stream.
    std::vector<std::uint8_t> Write() const;
    // Writes to a temporary file beside the target and renames it over the target only when
    // everything is written. Throws FileError.
    void SaveToFile(const std::string& path) const;

    // --- reading ---
    // Parses a GIF stream. Returns 1 on success; 0 after telling the user why (not a GIF, no
    // image, sizes beyond the limits), leaving the object empty.
    int Read(std::span<const std::uint8_t> data, UiPort& ui);
    void DecodeFrames();
    void FramesToRasters();
    // The composed full-screen frames as a viewer shows them (GifScreen: transparent start,
    // disposal applied); the entries refer to the frames' rasters, so the sequence is valid while
    // this object lives. Throws MemoryError beyond the pixel budget.
    std::unique_ptr<FrameSequence> ToAnimation();

    // --- frame optimisation ---
    // Merges identical consecutive frames, makes unchanged pixels transparent, crops every frame
    // after the first to its opaque pixels. The frames keep their transparency in their masks
    // and no longer need their rasters, which are let go.
    void DiffFrames();
    // Sorts the palette by how many frames use each entry, remaps the indices, chooses each later
    // frame's transparent index and every frame's code size.
    void ReorderPalette();
    static void CropToOpaque(GifFrame& frame);
    static void ChooseTransparentIndex(GifFrame& frame);

    // --- list helpers ---
    int frameCount() const;
    GifFrame* frameAt(int index);
    void clearFrames();

private:
    GifFrame* lastFrame();
    GifFrame& appendEmptyFrame();
};

} // namespace lw
