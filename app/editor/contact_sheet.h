#pragma once
// The printed contact sheet's layout in 0.1 mm units, x to the right and y upwards, the top of
// the printable area at y = 0 (so everything on the page has negative y). Every normal frame is
// printed 3w × 3h (0.3 mm a pixel) below the one before; master frames are left out.
#include <QString>
#include <vector>

namespace lw {

// The printable rectangle; bottom is negative.
struct SheetArea {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

struct SheetRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const SheetRect&) const = default;
};

class ContactSheet {
public:
    // `masters` holds one flag per frame in document order (true: a master frame).
    ContactSheet(SheetArea area, int canvasWidth, int canvasHeight, std::vector<bool> masters);

    int pageCount() const;
    // The frame index page `page` (from 1) starts at; page 1 starts at the document's first frame.
    int firstFrameOfPage(int page) const;
    // The image rectangle of slot `slot` (0 at the top of the page).
    SheetRect cell(int slot) const;
    // Whether slot `slot` still fits above the footer.
    bool fits(int slot) const;
    // The frames printed on page `page`, in order, with their slots.
    std::vector<int> framesOnPage(int page) const;

    // The texts: "Loopwright GIF Animator - title", "Page %d", and a delay as "%g s".
    static QString header(const QString& title);
    static QString footer(int page);
    static QString delayLabel(int hundredths);
    // Where the header's top centre and the footer's bottom centre go.
    int centreX() const { return (area_.right - area_.left) / 2; }
    static constexpr int kHeaderY = -20;
    int footerY() const { return area_.bottom - area_.top + 20; }

private:
    // The page of every normal frame (0 for masters).
    std::vector<int> pages() const;

    SheetArea area_;
    int width_;
    int height_;
    std::vector<bool> masters_;
};

} // namespace lw
