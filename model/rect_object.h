#pragma once
// CRectObject (type 4, record "RECT"): a rectangle filled solid, framed, or striped.
#include "model/lwd/object_records.h"
#include "model/rect_rendering.h"
#include "model/shape_object.h"

#include <array>
#include <tuple>

namespace lw {

class CRectObject : public CShapeObject<CRectObject, RectStyle> {
public:
    CRectObject();

    void FillAt(int x, int y, std::uint32_t colour) override;
    ObjectRecord WriteRecord() const override;

    // Renders the style into ownImage and sets hasTransparency from the colours.
    void Render();
    void ReadRecord(const RectRecord& record);

    RectStyle style;
    std::array<std::int32_t, 2> reserved{};

private:
    friend class CShapeObject<CRectObject, RectStyle>;
    RectStyle& edited() { return style; }
    auto values() { return std::tie(style, reserved); }
    auto values() const { return std::tie(style, reserved); }
};

} // namespace lw
