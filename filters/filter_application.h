#pragma once
// How a filter reaches the document: the target rule and the two ways of applying a change to
// the target layer of a frame.
//
// In place: the frame's pending edit is committed and an undo step begun on the target
// (BeginEdit), then its own pixels change and the composites from it upward are refreshed.
// Replacing: a structural undo copy is taken, a new bitmap layer with the new pixels takes the
// target's place (clones of the target follow it), the target is destroyed, and the new layer
// is centred on the target's old centre and selected.
//
// The change is computed before anything in the frame is touched, so an exception thrown by it
// (MemoryError, PLTextException) leaves the document as it was.
#include "model/bitmap_object.h"
#include "model/frame.h"

#include <functional>
#include <optional>

namespace lw {

// The first selected layer of the frame, counting from the bottom; null when none is selected.
const CLayerObject* filterTarget(const CFrame& frame);
CLayerObject* filterTarget(CFrame& frame);
// The target when it is a bitmap layer; null otherwise (bitmap-only filters then do nothing).
const CBitmapObject* bitmapFilterTarget(const CFrame& frame);
CBitmapObject* bitmapFilterTarget(CFrame& frame);

// Keeps the selection handles hidden while a filter works.
class SelectionHidden {
public:
    explicit SelectionHidden(CLayerList& list) : list_(list), was_(list.selectionHidden)
    {
        list.selectionHidden = 1;
    }
    ~SelectionHidden() { list_.selectionHidden = was_; }
    SelectionHidden(const SelectionHidden&) = delete;
    SelectionHidden& operator=(const SelectionHidden&) = delete;

private:
    CLayerList& list_;
    std::int32_t was_;
};

// `change` works on a copy of the target's pixels and returns whether it changed anything;
// when it did, the copy becomes the target's pixels as described above. Returns that answer.
bool applyInPlace(CFrame& frame, CBitmapObject& target, const std::function<bool(CRaster&)>& change);

// How the new layer's `hasTransparency` is set: on (every replacing filter) or as the target's
// (turns and mirrors).
enum class NewLayerTransparency { Set, AsTarget };

// `make` builds the new layer's pixels from the target's (any size); nothing means the filter
// does not apply and the frame is left alone. Returns the new layer or null.
CBitmapObject* applyReplacing(CFrame& frame, CLayerObject& target,
                              const std::function<std::optional<CRaster>(const CRaster&)>& make,
                              NewLayerTransparency transparency = NewLayerTransparency::Set);
// The same for a filter that keeps the size and changes a copy of the target's pixels.
CBitmapObject* applyReplacingSameSize(CFrame& frame, CLayerObject& target,
                                      const std::function<void(CRaster&)>& change);

// Extracting the alpha channel: after a structural undo copy, a new bitmap layer showing the
// target's transparency as grey goes on top, 10 pixels right of and below the target's centred
// position; afterwards nothing is selected. The target stays as it is.
CBitmapObject* addAlphaChannelLayer(CFrame& frame, const CLayerObject& target);

// The left-top that centres a w × h layer on the centre of `old` (integer halves).
LayerPoint centredOn(const LayerRect& old, int width, int height);

} // namespace lw
