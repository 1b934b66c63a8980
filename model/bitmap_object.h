#pragma once
// CBitmapObject (type 2, record "DIBM"): a layer of its own pixels. Resizing always resamples
// from the pixels as they were before the first resize since the last pixel edit, so repeated
// resizing never compounds the loss.
#include "model/layer_object.h"
#include "model/lwd/object_records.h"

#include <array>
#include <memory>
#include <span>

namespace lw {

class CBitmapObject : public CLayerObject {
public:
    CBitmapObject();

    void FillAt(int x, int y, std::uint32_t colour) override;
    void EndEdit() override;
    void BeginEdit() override;
    void CancelEdit() override;
    void SetRect(const LayerRect& rect, std::uint32_t colour) override;
    void Resize(const LayerRect& rect) override;
    ObjectRecord WriteRecord() const override;
    std::unique_ptr<CLayerObject> Duplicate() const override;

    // Filling: take over a raster, copy one, or load a packed DIB (then at (0, 0) with the
    // picture's size; false and unchanged when the block cannot be read).
    void TakePixels(CRaster&& pixels);
    void CopyPixels(const CRaster& pixels);
    bool LoadPackedDib(std::span<const std::uint8_t> block);
    void ReadRecord(BitmapRecord&& record);

    // Pixel tools, in workspace coordinates.
    void StampBrush(int x, int y, std::uint32_t colour, int size);
    void BrushLine(int x1, int y1, int x2, int y2, std::uint32_t colour, int size);
    void MakeColourTransparent(std::uint32_t colour);
    void Stencil(std::uint32_t colour);

    bool HasUnscaledPixels() const { return unscaledPixels != nullptr; }

    std::unique_ptr<CRaster> unscaledPixels;
    std::unique_ptr<CRaster> savedPixels;
    std::array<std::int32_t, 3> reserved{};

private:
    // Every pixel edit forgets the resize source and notes a transparent colour.
    void beginPixelEdit(std::uint32_t colour);
};

} // namespace lw
