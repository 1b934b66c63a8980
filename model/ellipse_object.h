#pragma once
// CEllipseObject (type 5, record "ELPS"): an ellipse filling its rectangle, filled three ways or
// outlined with three pen widths. Always composed over what lies beneath it.
#include "model/ellipse_rendering.h"
#include "model/lwd/object_records.h"
#include "model/shape_object.h"

#include <array>
#include <tuple>

namespace lw {

class CEllipseObject : public CShapeObject<CEllipseObject, std::uint32_t> {
public:
    CEllipseObject();

    void FillAt(int x, int y, std::uint32_t colour) override;
    ObjectRecord WriteRecord() const override;

    void Render();
    void ReadRecord(const EllipseRecord& record);

    std::uint32_t colour = 0;
    std::int32_t style = kEllipseAntialiased;
    std::array<std::int32_t, 3> reserved{0, 1, 0};

private:
    friend class CShapeObject<CEllipseObject, std::uint32_t>;
    // An edit changes the colour only.
    std::uint32_t& edited() { return colour; }
    auto values() { return std::tie(colour, style, reserved); }
    auto values() const { return std::tie(colour, style, reserved); }
};

} // namespace lw
