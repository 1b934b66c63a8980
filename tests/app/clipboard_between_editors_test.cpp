// Layers copied in one running editor paste into another through the system clipboard: two
// processes of this test program share a private X server, one copies and keeps serving the
// clipboard, the other pastes and reports what it got.
#include "app/editor/clipboard_commands.h"
#include "app/editor/command_ids.h"
#include "app/editor/document_session.h"
#include "app/editor/editing_commands.h"
#include "filters/scripted_ui_port.h"
#include "model/bitmap_object.h"
#include "model/ellipse_object.h"
#include "model/frame.h"
#include "model/rect_object.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QEventLoop>
#include <QMimeData>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <cstdio>
#include <gtest/gtest.h>

namespace lw {
namespace {

// The copying editor's frame: a bitmap, a rectangle and an ellipse, the first and last selected.
void fillFrame(CFrame& frame)
{
    auto bitmap = std::make_unique<CBitmapObject>();
    CRaster pixels(7, 5);
    for (int i = 0; i < 35; ++i)
        pixels.bits()[i] = 0x00102030u * static_cast<std::uint32_t>(i) | (i % 3 ? 0u : 0xFF000000u);
    bitmap->TakePixels(std::move(pixels));
    bitmap->MoveTo(410, 590);
    frame.AppendObject(std::move(bitmap))->selected = 1;
    auto rect = std::make_unique<CRectObject>();
    rect->Resize({420, 580, 460, 600});
    frame.AppendObject(std::move(rect))->selected = 0;
    auto ellipse = std::make_unique<CEllipseObject>();
    ellipse->Resize({500, 585, 530, 615});
    frame.AppendObject(std::move(ellipse))->selected = 1;
    frame.UpdateAllComposites();
}

// One line per layer: kind, rectangle and a digest of its pixels.
std::string describe(CFrame& frame)
{
    frame.UpdateAllComposites();
    std::string text;
    for (const CLayerObject* o = frame.head.get(); o; o = o->next.get()) {
        const CRaster& pixels = o->composite;
        const QByteArray bytes(reinterpret_cast<const char*>(pixels.bits()),
                               static_cast<qsizetype>(pixels.width()) * pixels.height() * 4);
        text += std::to_string(o->type) + " " + std::to_string(o->rect.left) + "," +
                std::to_string(o->rect.top) + "," + std::to_string(o->rect.right) + "," +
                std::to_string(o->rect.bottom) + " " +
                QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex().toStdString() + "\n";
    }
    return text;
}

struct Editor {
    DocumentSession session;
    ScriptedUiPort ui;
    ScriptedEditingQuestions questions;
    EditingCommands commands{ui, questions, [this] { return &session; }};
};

// The two editors, started by the test below with LW_CLIPBOARD_ROLE set.
TEST(ClipboardBetweenEditors, DISABLED_Role)
{
    const QByteArray role = qgetenv("LW_CLIPBOARD_ROLE");
    Editor editor;
    if (role == "copy") {
        fillFrame(editor.session.currentFrame());
        ASSERT_TRUE(editor.commands.run(cmd::Copy));
        std::printf("copied\n");
        std::fflush(stdout);
        // Serve the clipboard until the test ends this process.
        QEventLoop loop;
        QTimer::singleShot(60000, &loop, &QEventLoop::quit);
        loop.exec();
    } else if (role == "paste") {
        ASSERT_TRUE(editor.commands.run(cmd::Paste));
        std::printf("%s", describe(editor.session.currentFrame()).c_str());
    }
}

TEST(ClipboardBetweenEditors, LayersPasteIntoAnotherRunningEditor)
{
    const QString server = QStandardPaths::findExecutable("Xvfb");
    if (server.isEmpty())
        GTEST_SKIP() << "Xvfb is not installed";
    QProcess display;
    display.start(server, {"-displayfd", "1", "-screen", "0", "320x200x24", "-nolisten", "tcp"});
    ASSERT_TRUE(display.waitForStarted());
    QByteArray number;
    while (!number.endsWith('\n') && display.waitForReadyRead(10000))
        number += display.readAllStandardOutput();
    ASSERT_FALSE(number.trimmed().isEmpty());

    const auto editor = [&](const char* role) {
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "xcb");
        env.insert("DISPLAY", ":" + QString::fromLatin1(number.trimmed()));
        env.insert("LW_CLIPBOARD_ROLE", role);
        process->setProcessEnvironment(env);
        process->start(
            QCoreApplication::applicationFilePath(),
            {"--gtest_also_run_disabled_tests", "--gtest_filter=ClipboardBetweenEditors.DISABLED_Role"});
        return process;
    };
    auto copier = editor("copy");
    QByteArray said;
    while (!said.contains("copied\n") && copier->waitForReadyRead(20000))
        said += copier->readAllStandardOutput();
    ASSERT_TRUE(said.contains("copied\n"))
        << said.toStdString() << copier->readAllStandardError().toStdString();
    auto paster = editor("paste");
    ASSERT_TRUE(paster->waitForFinished(30000));
    const QByteArray pasted = paster->readAllStandardOutput();
    copier->kill();
    copier->waitForFinished();
    display.kill();
    display.waitForFinished();

    // What arrived: the two selected layers, in their kinds and places, with the pixels the same
    // block gives when pasted inside one editor.
    Editor source;
    fillFrame(source.session.currentFrame());
    const auto block = selectionMimeData(source.session.currentFrame(), false);
    Editor here;
    EditingContext context = *here.commands.context();
    ASSERT_TRUE(pasteMimeData(context, *block));
    const std::string expected = describe(here.session.currentFrame());
    EXPECT_EQ(expected.rfind("2 410,590,417,595 ", 0), 0u);
    EXPECT_NE(expected.find("\n5 500,585,530,615 "), std::string::npos);
    EXPECT_EQ(std::count(expected.begin(), expected.end(), '\n'), 2);
    EXPECT_NE(pasted.toStdString().find(expected), std::string::npos)
        << expected << "----\n"
        << pasted.toStdString() << paster->readAllStandardError().toStdString();
}

} // namespace
} // namespace lw
