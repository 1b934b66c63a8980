#include "app/widgets/splash.h"

#include "app/editor/about_text.h"

#include <QApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>
#include <QTimer>

namespace lw {

Splash::Splash() : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(302, 278);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.left() + (area.width() - 300) / 2, area.top() + (area.height() - 276) / 2);
    }
}

void Splash::startClosing()
{
    QTimer::singleShot(1000, this, &QWidget::close);
}

void Splash::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QLinearGradient sky(0, 0, 0, height());
    sky.setColorAt(0, QColor(0x1E, 0x3A, 0x5F));
    sky.setColorAt(1, QColor(0x4F, 0x8A, 0xC9));
    painter.fillRect(rect(), sky);
    painter.setPen(Qt::white);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    const QIcon icon = QApplication::windowIcon();
    if (!icon.isNull())
        painter.drawPixmap(width() / 2 - 32, 50, icon.pixmap(64, 64));
    QFont font = painter.font();
    font.setPixelSize(22);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRect(0, 130, width(), 30), Qt::AlignCenter, QString::fromUtf8(kProductName));
    font.setPixelSize(13);
    font.setBold(false);
    painter.setFont(font);
    painter.drawText(QRect(0, 165, width(), 20), Qt::AlignCenter,
                     QStringLiteral("Quarvex · %1").arg(QString::fromUtf8(kProductVersion)));
}

} // namespace lw
