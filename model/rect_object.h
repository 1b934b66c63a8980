#pragma once
// CRectObject (type 4, record "RECT"): a rectangle filled solid, framed, or striped.
#include "model/layer_object.h"
#include "model/lwd/object_records.h"
#include "model/rect_rendering.h"

#include <array>

namespace lw {

class CRectObject : public CLayerObject {
public:
    CRectObject();

    void FillAt(int x, int y, std::uint32_t colour) override;
    void BeginEdit() override;
    void CancelEdit() override;
    void Resize(const LayerRect& rect) override;
    ObjectRecord WriteRecord() const override;
    std::unique_ptr<CLayerObject> Duplicate() const override;

    // Renders the style into ownImage and sets hasTransparency from the colours.
    void Render();
    void ReadRecord(const RectRecord& record);

    RectStyle style;
    std::array<std::int32_t, 2> reserved{};

private:
    RectStyle savedStyle_;
};

} // namespace lw
