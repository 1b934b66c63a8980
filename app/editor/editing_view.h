#pragma once
// EditingView: the document window's editing logic without a widget. The widget forwards mouse,
// key and paint events here; tests drive it with synthetic events. It keeps the view geometry,
// the drag in progress, what lies under the cursor and the feedback text, and routes every change
// through the document's edit scope.
#include "app/editor/document_session.h"
#include "app/editor/status_texts.h"
#include "app/editor/tools/tool_cursor.h"
#include "app/editor/view_geometry.h"
#include "model/layer_rect.h"

#include <QPoint>
#include <functional>
#include <memory>
#include <string>

class QPainter;

namespace lw {

class Tool;
class ToolHost;

enum class DragState {
    None,
    Band,
    Move,
    Resize,
    Shape,
    ZoomBand,
    ZoomOut,
    ZoomNone,
    ZoomReset,
    Pencil,
    Erase,
    Line,
    Crop
};

// A mouse event in window pixels with the modifier keys held.
struct PointerEvent {
    QPoint window;
    bool shift = false;
    bool ctrl = false;
};

// What lies under the cursor (refreshed on every move without a button and after a release).
struct Hover {
    CLayerObject* handleLayer = nullptr; // a selected layer whose handle is under the cursor
    int handle = 0;                      // 1 top-left … 8 left, 0 none
    CLayerObject* hitLayer = nullptr;    // the topmost layer hit precisely
    CLayerObject* rectLayer = nullptr;   // the topmost layer whose rectangle holds the cursor
    bool inFrame = false;
    bool onBorder = false;
};

class EditingView {
public:
    EditingView(DocumentSession& session, ToolHost& host);
    ~EditingView();
    EditingView(const EditingView&) = delete;
    EditingView& operator=(const EditingView&) = delete;

    DocumentSession& session() const { return session_; }
    CLWDoc& doc() const { return session_.doc; }
    CFrame& frame() const { return session_.currentFrame(); }
    ViewSettings& settings() const { return session_.view; }
    ToolHost& host() const { return host_; }

    // Geometry: the widget sets the client size and scroll position; zoom changes move the scroll
    // position, which the widget then applies to its scroll bars.
    const ViewGeometry& geometry() const { return geometry_; }
    void setClientSize(QSize size);
    void setScroll(QPoint scroll);
    // The first show: skip master frames, no drag, zoom 1, centred on the workspace's middle.
    void reset();

    // Mouse and keys (left button unless named).
    void press(const PointerEvent& event);
    void move(const PointerEvent& event, bool buttonHeld);
    void release(const PointerEvent& event);
    void rightPress(const PointerEvent& event);
    void doubleClick(const PointerEvent& event);
    // Arrow keys move the selection; false for keys the view leaves to the window.
    bool key(int qtKey);

    // Overlays in window pixels (band, rubber line) drawn in inverting mode.
    void paintOverlay(QPainter& painter) const;
    ToolCursor cursor() const;
    // Ctrl as the last pointer event or key saw it: some cursors follow it while hovering.
    bool ctrlHeld() const { return ctrlHeld_; }
    void setCtrlHeld(bool held) { ctrlHeld_ = held; }

    // Status panes.
    std::string zoomText(const std::string& frameCaption) const;
    std::string selectionDescription(const EffectNamer& effectName) const;
    const std::string& feedback() const { return feedback_; }

    // Commands.
    void setTool(int id);
    void zoomIn();
    void zoomOut();
    void zoomOne();
    void chooseForeground();
    void chooseBackground();
    // Moves the selection as one undo step; false when nothing is selected.
    bool moveSelection(int dx, int dy);
    // The pop-up a right click at a window point opens.
    ContextPopupKind popupAt(QPoint window) const;

    // --- for the tools ---
    Tool& tool() const { return *tool_; }
    QPoint workspaceOf(QPoint window) const { return geometry_.toWorkspace(window); }
    void updateHover(QPoint window);
    const Hover& hover() const { return hover_; }
    void setFeedback(std::string text) { feedback_ = std::move(text); }
    void setZoom(int zoom, QPoint centre);
    void zoomToRect(const LayerRect& rect);

    // Edits through the document's edit road.
    // Begins an undo step for one layer, changes it and shows the change.
    void editLayer(CLayerObject& layer, const std::function<void()>& change);
    // Further changes inside the step begun by editLayer (drags).
    void continueEdit(CLayerObject& layer, const std::function<void()>& change);
    // Puts a new layer on top, selected alone, as one undo step.
    CLayerObject* addLayer(std::unique_ptr<CLayerObject> layer);
    void deselectAll();
    void selectOnly(CLayerObject* layer);
    void toggleSelected(CLayerObject& layer);
    // Changes of the frame's own colours (0x00BBGGRR).
    void setFrameColours(std::uint32_t background, std::uint32_t border);

    // The drag in progress.
    DragState drag = DragState::None;
    QPoint pressWindow;
    QPoint pressPoint; // workspace
    QPoint lastPoint;  // workspace, clamped
    LayerRect work{};  // band or the rectangle being resized or cropped
    LayerRect limit{}; // the layer's rectangle at the press
    double aspect = 1.0;
    CLayerObject* dragLayer = nullptr;
    int dragHandle = 0;
    bool moveStarted = false;
    QPoint dragEnd; // the rubber line's end
    // A tool that hands over to another one sets this; the view switches after the event.
    int nextTool = 0;

private:
    DocumentSession& session_;
    ToolHost& host_;
    ViewGeometry geometry_;
    std::unique_ptr<Tool> tool_;
    Hover hover_;
    std::string feedback_;
    bool buttonDown_ = false;
    bool ctrlHeld_ = false;
};

} // namespace lw
