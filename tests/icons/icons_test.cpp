// The drawn icons against the command table and the brushes they picture.
#include "app/editor/command_table.h"
#include "model/bitmap_painting.h"
#include "support/test_paths.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSet>
#include <QSvgRenderer>
#include <gtest/gtest.h>

namespace {

QString iconFolder()
{
    return QString::fromStdString(lwtest::sourceDir()) + "/app/icons";
}

QString iconPath(const QString& name)
{
    return iconFolder() + "/" + name + ".svg";
}

QImage render(const QString& path, int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(path);
    if (!renderer.isValid())
        return {};
    QPainter painter(&image);
    renderer.render(&painter, QRectF(0, 0, size, size));
    return image;
}

int opaquePixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(image.pixel(x, y)) > 128;
    return count;
}

// Icons that no command names: the program, its two file types, the frame list's rows and the
// start-up picture.
const QStringList kOtherIcons = {
    "loopwright",           "document-lwd", "document-lwx",         "frame-normal",
    "frame-normal-current", "frame-master", "frame-master-current", "splash"};

} // namespace

TEST(Icons, EveryBarButtonHasADrawnIconAndEveryIconIsUsed)
{
    QSet<QString> named;
    for (const auto& bar : {lw::mainToolBarButtons(), lw::toolBoxButtons(), lw::brushButtons()})
        for (int id : bar) {
            if (id == 0)
                continue;
            const lw::CommandRow* row = lw::findCommand(id);
            ASSERT_NE(row, nullptr) << id;
            EXPECT_NE(row->icon, nullptr) << "bar button without an icon: " << id;
        }
    for (const lw::CommandRow& row : lw::commandTable())
        if (row.icon) {
            named << row.icon;
            EXPECT_TRUE(QFile::exists(iconPath(row.icon))) << row.icon;
        }
    for (const QString& name : kOtherIcons)
        named << name;
    for (const QString& file : QDir(iconFolder()).entryList({"*.svg"}, QDir::Files))
        EXPECT_TRUE(named.contains(file.chopped(4))) << "no command shows " << file.toStdString();
}

TEST(Icons, EveryIconPaintsAtBarSize)
{
    for (const QString& file : QDir(iconFolder()).entryList({"*.svg"}, QDir::Files)) {
        SCOPED_TRACE(file.toStdString());
        const QImage image = render(iconFolder() + "/" + file, 16);
        ASSERT_FALSE(image.isNull()) << "not an SVG Qt can read";
        // Something visible, and not a filled square: an icon leaves some of its box clear (the
        // start-up picture is a whole picture).
        const int opaque = opaquePixels(image);
        EXPECT_GT(opaque, 0);
        if (file != "splash.svg") {
            EXPECT_LT(opaque, 16 * 16);
        }
    }
}

TEST(Icons, BrushIconsShowThePencilsStamp)
{
    for (int size = 0; size <= lw::kMaxBrushSize; ++size) {
        SCOPED_TRACE(size);
        lw::CRaster stamp(9, 9);
        stamp.Fill(0xFF);
        lw::stampBrush(stamp, 4, 4, 0x00000000, size);
        const QImage icon = render(iconPath(QString("brush-%1").arg(size + 1)), 9);
        ASSERT_FALSE(icon.isNull());
        for (int y = 0; y < 9; ++y)
            for (int x = 0; x < 9; ++x) {
                const bool stamped = (stamp.bits()[stamp.indexOf(x, y)] >> 24) == 0;
                EXPECT_EQ(qAlpha(icon.pixel(x, y)) > 128, stamped) << x << "," << y;
            }
    }
}
