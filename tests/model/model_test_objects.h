#pragma once
// Stand-in layer objects for the model tests: a solid block and a clone of another object,
// built only on the base class so the list and frame rules can be checked on their own.
#include "model/layer_object.h"

#include <memory>

namespace lwtest {

// A w × h block of one raster colour at (x, y).
class SolidObject : public lw::CLayerObject {
public:
    SolidObject(int x, int y, int w, int h, std::uint32_t colour);
    void Repaint(std::uint32_t colour);
    std::uint32_t colour = 0;
};

std::unique_ptr<SolidObject> solid(int x, int y, int w, int h, std::uint32_t colour);

// Shows its source's pixels at its own place, refreshed on every compose.
class TestClone : public lw::CLayerObject {
public:
    explicit TestClone(lw::CLayerObject* source);
    void Compose(const lw::LayerRect* rect = nullptr) override;
    lw::CLayerObject* CloneSource() const override { return source; }
    void SetCloneSource(lw::CLayerObject* s) override { source = s; }
    std::uint32_t CloneSourceRef() const override { return sourceRef; }
    void SetCloneSourceRef(std::uint32_t ref) override { sourceRef = ref; }

    lw::CLayerObject* source = nullptr;
    std::uint32_t sourceRef = 0;
};

} // namespace lwtest
