// icon_png: renders an SVG icon as PNG files for the hicolor theme's fixed sizes, which desktops
// without an SVG loader use: icon_png SVG FOLDER NAME SIZE... writes FOLDER/<S>x<S>/NAME.png.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv)
{
    if (argc < 5) {
        std::fputs("Usage: icon_png SVG FOLDER NAME SIZE...\n", stderr);
        return 2;
    }
    // Runs during the build, where there may be no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "icon_png: %s is not a readable SVG\n", argv[1]);
        return 1;
    }
    for (int i = 4; i < argc; ++i) {
        const int size = QByteArray(argv[i]).toInt();
        if (size <= 0 || size > 1024) {
            std::fprintf(stderr, "icon_png: bad size %s\n", argv[i]);
            return 2;
        }
        const QString folder = QString("%1/%2x%2").arg(QString::fromLocal8Bit(argv[2])).arg(size);
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter, QRectF(0, 0, size, size));
        painter.end();
        const QString path = folder + "/" + QString::fromLocal8Bit(argv[3]) + ".png";
        if (!QDir().mkpath(folder) || !image.save(path, "PNG")) {
            std::fprintf(stderr, "icon_png: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
