#include "app/widgets/contact_sheet_printer.h"

#include "model/document.h"

#include <QFont>
#include <QPainter>
#include <QPrinter>

namespace lw {
namespace {

std::vector<const CFrame*> allFrames(const CLWDoc& doc)
{
    std::vector<const CFrame*> frames;
    for (const CFrame* f = doc.animation.firstFrame.get(); f; f = f->next.get())
        frames.push_back(f);
    return frames;
}

// Sheet units (0.1 mm, y up) to the painter's, which the scale makes 0.1 mm with y down.
QRectF toPainter(const SheetRect& r)
{
    return QRectF(QPointF(r.left, -r.top), QPointF(r.right, -r.bottom));
}

void drawPage(QPainter& painter, const ContactSheet& sheet, const std::vector<const CFrame*>& frames,
              const QString& title, int page)
{
    // Twelve points in sheet units, whatever the printer's resolution.
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(qRound(12 * 254.0 / 72));
    painter.setFont(font);
    constexpr int kWide = 100000; // text boxes wider than any page, centred on their point
    const int cx = sheet.centreX();
    painter.drawText(QRectF(cx - kWide / 2, -ContactSheet::kHeaderY, kWide, kWide),
                     Qt::AlignHCenter | Qt::AlignTop, ContactSheet::header(title));
    painter.drawText(QRectF(cx - kWide / 2, -sheet.footerY() - kWide, kWide, kWide),
                     Qt::AlignHCenter | Qt::AlignBottom, ContactSheet::footer(page));
    const std::vector<int> onPage = sheet.framesOnPage(page);
    for (std::size_t slot = 0; slot < onPage.size(); ++slot) {
        const CFrame& frame = *frames[onPage[slot]];
        const QRectF cell = toPainter(sheet.cell(static_cast<int>(slot)));
        painter.drawImage(cell, frame.image.toQImage());
        painter.drawText(QRectF(cell.right() - kWide, cell.top(), kWide, kWide),
                         Qt::AlignRight | Qt::AlignTop, ContactSheet::delayLabel(frame.delay));
    }
}

} // namespace

ContactSheet contactSheetFor(const QPrinter& printer, const CLWDoc& doc)
{
    const QRectF area = printer.pageLayout().paintRect(QPageLayout::Millimeter);
    std::vector<bool> masters;
    for (const CFrame* f : allFrames(doc))
        masters.push_back(f->masterFrame != 0);
    return ContactSheet({0, 0, qRound(area.width() * 10), -qRound(area.height() * 10)}, doc.animation.width(),
                        doc.animation.height(), std::move(masters));
}

void commitAllFrames(CLWDoc& doc)
{
    for (CFrame* f = doc.animation.firstFrame.get(); f; f = f->next.get())
        f->Commit();
}

bool printContactSheet(QPrinter& printer, const CLWDoc& doc)
{
    const ContactSheet sheet = contactSheetFor(printer, doc);
    const int count = sheet.pageCount();
    int from = printer.fromPage() > 0 ? printer.fromPage() : 1;
    int to = printer.toPage() > 0 ? std::min(printer.toPage(), count) : count;
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    painter.scale(printer.logicalDpiX() / 254.0, printer.logicalDpiY() / 254.0);
    const auto frames = allFrames(doc);
    const QString title = QString::fromStdString(doc.animation.title);
    for (int page = from; page <= to; ++page) {
        if (page > from)
            printer.newPage();
        drawPage(painter, sheet, frames, title, page);
    }
    return painter.end();
}

} // namespace lw
