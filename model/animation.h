#pragma once
// CAnimation: the canvas and the ordered list of frames of a document, with the operations on
// frames and the references between them (background frames, clone sources).
#include "model/frame.h"

#include <cstdint>
#include <memory>
#include <string>
#include <utility>

namespace lw {

// Largest canvas side the model accepts (the editor offers up to the workspace size; GIF files
// may be a little larger). Bigger requests are refused rather than allocated.
inline constexpr int kMaxCanvasSide = 4096;

// The canvas of a w × h picture centred in the workspace.
LayerRect centredCanvas(int width, int height);

enum class FrameKind { Normal, Master };

// Whether a new frame is rendered at once, or left to a caller that fills it and renders it
// itself (a reader adding the frame's objects); until then its image is blank.
enum class NewFrameImage { Rendered, LeftToCaller };

class CAnimation {
public:
    // 468 × 60 with one fresh frame.
    CAnimation();
    CAnimation(const CAnimation&) = delete;
    CAnimation& operator=(const CAnimation&) = delete;
    ~CAnimation();

    // Centres the canvas, resizes every frame's image and renders all frames. Sizes below 1 or
    // above kMaxCanvasSide are refused (returns false, nothing changes).
    bool SetSize(int width, int height);
    int width() const { return rectWidth(canvasSize); }
    int height() const { return rectHeight(canvasSize); }

    // Updates every frame's composites and renders it; a background frame is rendered before
    // the frames that use it.
    void RenderAllFrames();

    // Frames.
    const CFrame* LastFrame() const;
    CFrame* LastFrame() { return const_cast<CFrame*>(std::as_const(*this).LastFrame()); }
    const CFrame* PreviousFrame(const CFrame* frame) const; // the first frame when there is none
    CFrame* PreviousFrame(const CFrame* frame)
    {
        return const_cast<CFrame*>(std::as_const(*this).PreviousFrame(frame));
    }
    const CFrame* FrameAt(int index) const;
    CFrame* FrameAt(int index) { return const_cast<CFrame*>(std::as_const(*this).FrameAt(index)); }
    int IndexOfFrame(const CFrame* frame) const; // -1 when not in the list
    int TotalFrames() const;
    // A new frame after the last, with its delay, background colour and background frame.
    CFrame* AppendFrame(NewFrameImage image = NewFrameImage::Rendered);
    // A new frame before or after `at`, with its delay, colours, border and background frame.
    CFrame* InsertFrame(CFrame* at, bool after);
    // Clears the background of frames that use it, then destroys it. Returns the frame after it,
    // else the one before, else the new first frame; a frame not in the list changes nothing and
    // gives the first frame. The last remaining frame is never deleted.
    CFrame* DeleteFrame(CFrame* frame);
    const CFrame* FindFrameByStoredId(std::int32_t id) const;
    CFrame* FindFrameByStoredId(std::int32_t id)
    {
        return const_cast<CFrame*>(std::as_const(*this).FindFrameByStoredId(id));
    }
    // The normal frames, or the master frames.
    int FrameCount(FrameKind kind) const;
    bool IsAnimated() const;

    // Objects across frames.
    const CLayerObject* ObjectAt(int frameIndex, int objectIndex) const;
    CLayerObject* ObjectAt(int frameIndex, int objectIndex)
    {
        return const_cast<CLayerObject*>(std::as_const(*this).ObjectAt(frameIndex, objectIndex));
    }
    // (frame index << 16) | (object index & 0xFFFF), or 0xFFFFFFFF when not in the document.
    std::uint32_t ReferenceOf(const CLayerObject* object) const;
    bool ContainsObject(const CLayerObject* object) const;
    const CFrame* FrameOf(const CLayerObject* object) const;
    CFrame* FrameOf(const CLayerObject* object)
    {
        return const_cast<CFrame*>(std::as_const(*this).FrameOf(object));
    }
    // Unlinks and destroys the first clone of `source` in the frame; false when there is none.
    bool RemoveFirstCloneOf(CFrame& frame, const CLayerObject* source);
    // Every clone whose source is `from` gets `to` (which may be none).
    void RetargetClones(const CLayerObject* from, CLayerObject* to);
    // Before a save: drops clones whose source is gone and stores every clone's sourceRef.
    void PrepareCloneReferences();
    // After a load: resolves sourceRef of clones without a source; drops those that match nothing.
    void ResolveCloneReferences();

    // Moves the content of one frame (or of all) onto a new canvas that fits it exactly.
    void FitCanvasToContent(const CFrame* only = nullptr);
    LayerRect Bounds() const;

    std::string title;
    std::int32_t sourceFileSize = 0;
    std::int32_t loopCount = 0;
    std::int32_t savedAsDocument = 0;
    // The GIF path: the file the document was opened from, or the one Save GIF As chose.
    std::string sourcePath;
    // Whether Save GIF may write to sourcePath without asking (see frame_list.h).
    bool gifPathKnown = false;
    LayerRect canvasRect;
    LayerRect canvasSize;
    std::unique_ptr<CFrame> firstFrame;
    std::string linkUrl;
    std::string altText;

private:
    std::unique_ptr<CFrame> NewFrameLike(const CFrame& model, bool withBorder, NewFrameImage image);
};

} // namespace lw
