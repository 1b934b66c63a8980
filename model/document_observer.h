#pragma once
// What a view hears about its document. Every change that a view must show is announced once,
// when the edit scope that made it ends (see edit_scope.h); the core knows no widget, views and
// list models implement DocumentObserver and register with the document.
#include <cstdint>

namespace lw {

class CFrame;
class CLWDoc;

enum class DocumentChange : std::uint16_t {
    FramesInserted = 1u << 0,
    FramesRemoved = 1u << 1,
    FramesMoved = 1u << 2,
    LayersChanged = 1u << 3, // layers added, removed or reordered
    ObjectChanged = 1u << 4, // a layer's pixels, place or settings
    CanvasChanged = 1u << 5, // canvas size, or every frame's content at once
    CurrentFrameChanged = 1u << 6,
    SelectionChanged = 1u << 7,
    ModifiedChanged = 1u << 8,
    FrameChanged = 1u << 9, // a frame's own settings: delay, background, border, effects, master flag
};

// A set of change kinds.
class DocumentChanges {
public:
    constexpr DocumentChanges() = default;
    constexpr DocumentChanges(DocumentChange change) : bits_(static_cast<std::uint16_t>(change)) {}

    constexpr bool has(DocumentChange change) const
    {
        return (bits_ & static_cast<std::uint16_t>(change)) != 0;
    }
    constexpr bool empty() const { return bits_ == 0; }
    constexpr std::uint16_t bits() const { return bits_; }
    constexpr DocumentChanges& operator|=(DocumentChanges other)
    {
        bits_ |= other.bits_;
        return *this;
    }
    friend constexpr DocumentChanges operator|(DocumentChanges a, DocumentChanges b) { return a |= b; }
    friend constexpr bool operator==(DocumentChanges, DocumentChanges) = default;

private:
    std::uint16_t bits_ = 0;
};

constexpr DocumentChanges operator|(DocumentChange a, DocumentChange b)
{
    return DocumentChanges(a) | DocumentChanges(b);
}

struct DocumentEvent {
    DocumentChanges changes;
    // The one frame all the changes concern; null when they concern several frames or the
    // document as a whole.
    const CFrame* frame = nullptr;
};

class DocumentObserver {
public:
    virtual ~DocumentObserver() = default;
    // Called after the change is complete. Observers read the document; they must not throw and
    // must not edit the document from here.
    virtual void documentChanged(const CLWDoc& doc, const DocumentEvent& event) = 0;
};

} // namespace lw
