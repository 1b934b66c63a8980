#include "app/widgets/screenshot.h"

#include <QApplication>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace lw {

void scheduleScreenshot(QWidget& window, const QString& path, int settleMs)
{
    QTimer::singleShot(settleMs, &window, [&window, path] {
        QScreen* screen = window.screen();
        QPixmap picture = screen ? screen->grabWindow(0) : QPixmap();
        // Platforms that cannot read the screen back (offscreen) still give the window itself.
        if (picture.isNull() || picture.width() <= 1)
            picture = window.grab();
        const bool saved = picture.save(path, "PNG");
        if (!saved)
            std::fprintf(stderr, "lw: cannot write %s\n", qPrintable(path));
        QApplication::exit(saved ? 0 : 1);
    });
}

} // namespace lw
