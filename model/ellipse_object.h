#pragma once
// CEllipseObject (type 5, record "ELPS"): an ellipse filling its rectangle, filled three ways or
// outlined with three pen widths. Always composed over what lies beneath it.
#include "model/ellipse_rendering.h"
#include "model/layer_object.h"
#include "model/lwd/object_records.h"

#include <array>

namespace lw {

class CEllipseObject : public CLayerObject {
public:
    CEllipseObject();

    void FillAt(int x, int y, std::uint32_t colour) override;
    void BeginEdit() override;
    void CancelEdit() override;
    void Resize(const LayerRect& rect) override;
    ObjectRecord WriteRecord() const override;
    std::unique_ptr<CLayerObject> Duplicate() const override;

    void Render();
    void ReadRecord(const EllipseRecord& record);

    std::uint32_t colour = 0;
    std::int32_t style = kEllipseAntialiased;
    std::array<std::int32_t, 3> reserved{0, 1, 0};

private:
    std::uint32_t savedColour_ = 0;
};

} // namespace lw
