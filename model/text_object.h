#pragma once
// CTextObject (type 3, record "LABL"): a text label, one line or a paragraph. Its position is
// the baseline origin, not the rectangle's left-top, so resizing and re-rendering keep the text
// standing on the same line.
#include "model/layer_object.h"
#include "model/lwd/object_records.h"
#include "model/text_rendering.h"
#include "platform/ui_port.h"

#include <array>
#include <string>

namespace lw {

class CTextObject : public CLayerObject {
public:
    CTextObject();

    void FillAt(int x, int y, std::uint32_t colour) override;
    void BeginEdit() override;
    void CancelEdit() override;
    void MoveTo(int x, int y) override;
    void Resize(const LayerRect& rect) override;
    int HitHandle(const ViewState& view) const override;
    void DrawHandles(QPainter& dc, const ViewState& view) const override;
    ObjectRecord WriteRecord() const override;
    void DrawDragOutline(QPainter& dc, int dx, int dy, const ViewMapping& view) const override;
    std::unique_ptr<CLayerObject> Duplicate() const override;

    // Renders the text and takes the new size at the baseline position. When the bitmap cannot
    // be made the message box goes to messagePort (if any) and the previous pixels stay.
    void Render();
    void ReadRecord(const TextRecord& record);
    bool IsMultiLine() const { return text.find('\n') != std::string::npos; }
    // The handles the label offers, in hit-test order.
    std::vector<int> Handles() const;

    std::string text; // UTF-8
    LogFont font;
    double widthScale = 1.0;
    double letterSpacing = 0.0;
    std::uint16_t antialiased = 0;
    std::int16_t outlineWidth = 0;
    std::uint32_t textColour = 0;
    std::int32_t alignment = 0;
    std::uint32_t spareColour = 0xFF000000u;
    std::array<std::int32_t, 3> reserved{};
    TextMetrics metrics;
    // Where a label that cannot be rendered is reported: the prompts of whoever made the label
    // (the document reader, the clipboard, the text tool); copies keep it. None drops the message.
    UiPort* messagePort = nullptr;

private:
    TextStyle textStyle() const;
    struct Saved {
        double widthScale = 1.0;
        double letterSpacing = 0.0;
        std::uint16_t antialiased = 0;
        std::uint32_t textColour = 0;
        LogFont font;
        std::string text;
        std::int32_t alignment = 0;
    };
    Saved saved_;
};

} // namespace lw
