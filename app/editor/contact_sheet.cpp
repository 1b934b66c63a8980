#include "app/editor/contact_sheet.h"

namespace lw {
namespace {

constexpr int kFirstTop = -120; // the first image's upper edge
constexpr int kGap = 100;       // between an image and the next (its delay label sits inside)
constexpr int kFooterRoom = 120;

} // namespace

ContactSheet::ContactSheet(SheetArea area, int canvasWidth, int canvasHeight, std::vector<bool> masters)
    : area_(area), width_(canvasWidth), height_(canvasHeight), masters_(std::move(masters))
{
}

SheetRect ContactSheet::cell(int slot) const
{
    const int left = area_.left + (area_.right - area_.left - 3 * width_) / 2;
    const int top = kFirstTop - slot * (3 * height_ + kGap);
    return {left, top, left + 3 * width_, top - 3 * height_};
}

bool ContactSheet::fits(int slot) const
{
    return cell(slot).bottom - kGap >= area_.bottom + kFooterRoom;
}

std::vector<int> ContactSheet::pages() const
{
    // A frame goes into the next slot while that slot fits, else it starts a new page, where it
    // takes the first slot whether or not it fits (a page too small prints only its header and
    // footer). Drawing uses the same slots, so no frame is skipped between pages.
    std::vector<int> page(masters_.size(), 0);
    int current = 1;
    int slot = 0;
    for (std::size_t i = 0; i < masters_.size(); ++i) {
        if (masters_[i])
            continue;
        if (!fits(slot)) {
            ++current;
            slot = 0;
        }
        page[i] = current;
        ++slot;
    }
    return page;
}

int ContactSheet::pageCount() const
{
    int count = 1;
    for (int page : pages())
        count = std::max(count, page);
    return count;
}

int ContactSheet::firstFrameOfPage(int page) const
{
    if (page <= 1)
        return 0;
    const std::vector<int> all = pages();
    for (std::size_t i = 0; i < all.size(); ++i)
        if (all[i] >= page)
            return static_cast<int>(i);
    return static_cast<int>(all.size());
}

std::vector<int> ContactSheet::framesOnPage(int page) const
{
    std::vector<int> frames;
    const int count = static_cast<int>(masters_.size());
    for (int i = firstFrameOfPage(page); i < count && fits(static_cast<int>(frames.size())); ++i)
        if (!masters_[i])
            frames.push_back(i);
    return frames;
}

QString ContactSheet::header(const QString& title)
{
    return QStringLiteral("Loopwright GIF Animator - ") + title;
}

QString ContactSheet::footer(int page)
{
    return QString::asprintf("Page %d", page);
}

QString ContactSheet::delayLabel(int hundredths)
{
    return QString::asprintf("%g s", hundredths * 0.01);
}

} // namespace lw
