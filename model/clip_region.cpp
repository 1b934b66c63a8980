#include "model/clip_region.h"

#include <QPaintDevice>
#include <QPainter>
#include <QRegion>

namespace lw {

void excludeClip(QPainter& dc, const QRect& rect)
{
    QRegion clip;
    if (dc.hasClipping()) {
        clip = dc.clipRegion();
    } else {
        const QPaintDevice* device = dc.device();
        const QRect whole(0, 0, device ? device->width() : 0, device ? device->height() : 0);
        clip = QRegion(dc.combinedTransform().inverted().mapRect(whole));
    }
    dc.setClipRegion(clip.subtracted(QRegion(rect)), Qt::ReplaceClip);
}

} // namespace lw
