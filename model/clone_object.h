#pragma once
// CCloneObject (type 6, record "CLON"): shows the current pixels of another object (its source,
// never itself a clone) at its own place, with its own effects.
#include "model/layer_object.h"
#include "model/lwd/object_records.h"

namespace lw {

class CCloneObject : public CLayerObject {
public:
    // Takes the source's rectangle, position and pixels; none while loading.
    explicit CCloneObject(CLayerObject* source = nullptr);

    void Compose(const LayerRect* rect = nullptr) override;
    bool HitTest(const ViewState& view) const override;
    int HitHandle(const ViewState& view) const override;
    void DrawHandles(QPainter& dc, const ViewState& view) const override;
    ObjectRecord WriteRecord() const override;
    // A bitmap object with the source's pixels at the clone's rectangle and position.
    std::unique_ptr<CLayerObject> Duplicate() const override;

    CLayerObject* CloneSource() const override { return source; }
    // A new source is shown at once (over nothing until the frame updates the composites).
    void SetCloneSource(CLayerObject* s) override;
    std::uint32_t CloneSourceRef() const override { return sourceRef; }
    void SetCloneSourceRef(std::uint32_t ref) override { sourceRef = ref; }

    void ReadRecord(const CloneRecord& record);

    CLayerObject* source = nullptr;
    std::uint32_t sourceRef = 0;
};

} // namespace lw
