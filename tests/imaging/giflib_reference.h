#pragma once
// Test helpers around giflib, the independent implementation the GIF codec is checked against,
// and small builders for hand-made GIF streams.
#include "imaging/raster.h"

#include <cstdint>
#include <string>
#include <vector>

namespace lwtest {

// One image as giflib decodes it: rows top-down, colours 0x00RRGGBB with T = 255 where the
// graphic control extension marks the index transparent.
struct ReferenceFrame {
    int left = 0, top = 0, width = 0, height = 0;
    int delay = 0;
    int disposal = 0;
    int transparentIndex = -1;
    bool interlaced = false;
    std::vector<std::uint8_t> indices;
    std::vector<std::uint32_t> pixels;
};

struct ReferenceGif {
    bool ok = false;
    std::string error;
    int screenWidth = 0, screenHeight = 0;
    int loopCount = 1; // 1 when there is no loop extension
    std::vector<ReferenceFrame> frames;
};

ReferenceGif giflibDecode(const std::vector<std::uint8_t>& bytes);

// Encodes index images with giflib (EGifPutLine). colours are 0x00RRGGBB.
struct ReferenceImage {
    int width = 0, height = 0;
    std::vector<std::uint8_t> indices;
    int delay = 10;
    int transparentIndex = -1;
    bool interlaced = false;
    int left = 0, top = 0;
    int disposal = 0;
};
std::vector<std::uint8_t> giflibEncode(int screenWidth, int screenHeight,
                                       const std::vector<std::uint32_t>& colours,
                                       const std::vector<ReferenceImage>& images);

// Draws frames the way a viewer without disposal does: each image over the picture so far,
// transparent pixels showing what is beneath. Returns full-screen rows top-down, opaque.
std::vector<std::vector<std::uint32_t>> composeReference(const ReferenceGif& gif);

// LSB-first packer for hand-made LZW streams.
class BitPacker {
public:
    void put(int code, int width);
    std::vector<std::uint8_t> finish();

private:
    std::vector<std::uint8_t> bytes_;
    std::uint64_t acc_ = 0;
    int bits_ = 0;
};

// A one-image GIF around raw LZW data (a 4-entry global table, no extensions).
std::vector<std::uint8_t> gifAroundData(int width, int height, int codeSize,
                                        const std::vector<std::uint8_t>& lzw, bool interlaced = false);

// A fresh empty folder below the system's temporary folder.
std::string makeTempFolder(const std::string& tag);
// Runs a shell command; true when it exits with 0.
bool runCommand(const std::string& command);
bool haveTool(const std::string& name);
// Every frame of a GIF file as ImageMagick's -coalesce shows it: full-screen rows top-down,
// 0xFF000000 | colour where opaque, 0 where transparent. Empty when convert fails.
std::vector<std::vector<std::uint32_t>> imageMagickCoalesce(const std::string& gifPath, int width,
                                                            int height);

std::vector<std::uint32_t> topDownRgb(const lw::CRaster& raster);

} // namespace lwtest
