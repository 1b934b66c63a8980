#pragma once
// CFrame: one frame of the animation: its layer list, background colour or border or another
// frame as backdrop, its finished image, its effects and the step images the engine generates.
#include "model/effect_assignment.h"
#include "model/generated_frame.h"
#include "model/layer_list.h"

#include <cstdint>
#include <memory>

namespace lw {

class CAnimation;

// Frame colours are 0x00BBGGRR; raster pixels are 0xTTRRGGBB. Swaps red and blue, opaque.
inline std::uint32_t rasterColourFromFrameColour(std::uint32_t colour)
{
    return (colour & 0x0000FF00u) | (colour & 0xFFu) << 16 | (colour >> 16 & 0xFFu);
}

// Colour of the canvas's drop shadow and of everything outside the canvas.
inline constexpr std::uint32_t kShadowColour = 0xC0C0C0;

class CFrame : public CLayerList {
public:
    CFrame() = default;
    ~CFrame() override;

    void Paint(QPainter& dc, const ViewMapping& view) const override;
    void UpdateComposites(CLayerObject* from) override;

    // Stores the canvas (and the animation it belongs to) and sizes the image to it.
    void AttachToCanvas(const LayerRect* canvasRect, CAnimation* owner = nullptr);
    // None clears the backdrop; a frame is never its own backdrop.
    void SetBackgroundFrame(CFrame* frame);
    // The same link without rendering anything, for readers that render every frame once at
    // the end (CAnimation::RenderAllFrames renders backdrops first).
    void LinkBackgroundFrame(CFrame* frame);
    void Render();
    // Paints only the background into a canvas-sized raster: the background frame's image, or
    // the background colour with the border (the animation engine starts its steps from it).
    void RenderBackground(CRaster& target) const;
    // Renders the chain of background frames first (each once, stopping at a loop).
    void RenderWithChain();
    // What the colour tools pick at a workspace point (raster colour 0xTTRRGGBB).
    std::uint32_t ColourAt(int x, int y) const;
    // Frees the engine's five step image chains.
    void ClearGenerated();

    LayerRect canvasRectOrEmpty() const { return canvas ? *canvas : LayerRect{}; }

    std::int32_t masterFrame = 0;
    std::int32_t storedId = 0;
    std::uint32_t backgroundColour = 0xFFFFFF; // 0x00BBGGRR
    std::uint32_t borderColour = 0;            // 0x00BBGGRR
    std::int32_t borderWidth = 0;
    CFrame* backgroundFrame = nullptr;
    const LayerRect* canvas = nullptr;
    CAnimation* animation = nullptr;
    std::unique_ptr<CFrame> next;
    CRaster image;
    // The background frame's finished image, or none; derived so the two can never disagree.
    const CRaster* backgroundImage() const { return backgroundFrame ? &backgroundFrame->image : nullptr; }
    std::unique_ptr<GeneratedFrame> introFrames;
    std::unique_ptr<GeneratedFrame> outroFrames;
    std::unique_ptr<GeneratedFrame> animationFrames;
    std::unique_ptr<GeneratedFrame> enterFrames;
    std::unique_ptr<GeneratedFrame> leaveFrames;
    EffectAssignment introEffect;
    EffectAssignment outroEffect;
    EffectAssignment animationEffect;
    std::int32_t delay = 100;

protected:
    void RetargetClones(const CLayerObject* gone, CLayerObject* successor) override;
};

} // namespace lw
