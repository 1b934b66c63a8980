#pragma once
// One node of a frame's generated step images (filled by the animation engine): a canvas-sized
// image and the next node. A chain frees itself without recursion.
#include "imaging/raster.h"

#include <memory>

namespace lw {

struct GeneratedFrame {
    CRaster image;
    std::unique_ptr<GeneratedFrame> next;

    GeneratedFrame() = default;
    explicit GeneratedFrame(CRaster picture) : image(std::move(picture)) {}
    GeneratedFrame(const GeneratedFrame&) = delete;
    GeneratedFrame& operator=(const GeneratedFrame&) = delete;
    ~GeneratedFrame();
};

// Frees a whole chain node by node.
void freeGeneratedChain(std::unique_ptr<GeneratedFrame>& head);
// Number of nodes in a chain.
int generatedChainLength(const GeneratedFrame* head);

} // namespace lw
