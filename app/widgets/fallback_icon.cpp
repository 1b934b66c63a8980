#include "app/widgets/fallback_icon.h"

#include <QFile>
#include <QPainter>
#include <QPixmap>
#include <QRegularExpression>
#include <QStringList>

namespace lw {

QIcon fallbackIcon(const QString& label, int side)
{
    QString initials;
    const QStringList words = label.split(QRegularExpression("[\\s/]+"), Qt::SkipEmptyParts);
    for (const QString& word : words) {
        if (initials.size() == 2)
            break;
        initials += word.front();
    }
    if (initials.size() == 1 && words.front().size() > 1)
        initials += words.front().at(1);
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QColor(0x4A, 0x5A, 0x70));
    painter.setBrush(QColor(0xE6, 0xEC, 0xF4));
    painter.drawRoundedRect(QRectF(0.5, 0.5, side - 1, side - 1), 3, 3);
    QFont font = painter.font();
    font.setPixelSize(side * 9 / 22);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRect(0, 0, side, side), Qt::AlignCenter, initials);
    return QIcon(pixmap);
}

QIcon programIcon()
{
    const QString drawn = QStringLiteral(":/icons/loopwright.svg");
    if (QFile::exists(drawn))
        return QIcon(drawn);
    if (QIcon::hasThemeIcon("loopwright"))
        return QIcon::fromTheme("loopwright");
    QPixmap pixmap(48, 48);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(0x2B, 0x4C, 0x7E));
    painter.setPen(Qt::NoPen);
    painter.drawRoundedRect(QRectF(2, 8, 44, 32), 4, 4);
    painter.setBrush(Qt::white);
    for (int x = 6; x < 44; x += 8) {
        painter.drawRect(QRectF(x, 11, 4, 3));
        painter.drawRect(QRectF(x, 34, 4, 3));
    }
    painter.setBrush(QColor(0xF2, 0xA9, 0x3B));
    painter.drawEllipse(QRectF(16, 16, 16, 16));
    return QIcon(pixmap);
}

} // namespace lw
