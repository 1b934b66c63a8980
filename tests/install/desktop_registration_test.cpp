#include "platform/desktop_integration.h"
#include "support/test_paths.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int runTool(const QString& tool, const QStringList& args, QString* output = nullptr)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(tool, args);
    if (!process.waitForFinished(60000))
        return -1;
    if (output)
        *output = QString::fromUtf8(process.readAll());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
}

QString iconFolder()
{
    return QString::fromStdString(lwtest::sourceDir()) + "/app/icons";
}

lw::DesktopRegistration registrationIn(const QTemporaryDir& dir, const std::string& program)
{
    return {program, dir.filePath("share").toStdString(), iconFolder().toStdString()};
}

} // namespace

TEST(DesktopRegistration, ExecLineQuotesThePath)
{
    const struct {
        const char* path;
        const char* exec;
    } cases[] = {
        {"/usr/bin/lw", R"("/usr/bin/lw")"},
        {"/home/a b/lw", R"("/home/a b/lw")"},
        {"/x/100%/lw", R"("/x/100%%/lw")"},
        {R"(/x/$d/"q`\lw)", R"("/x/\\$d/\\"q\\`\\\\lw")"},
        {"/x/a\nExec=evil\t/lw", R"("/x/a\nExec=evil\t/lw")"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(lw::quotedExecArgument(c.path), c.exec) << c.path;
}

TEST(DesktopRegistration, WritesTheUsersFilesOnceAndTheDesktopAcceptsThem)
{
    QTemporaryDir dir;
    const auto registration = registrationIn(dir, "/opt/my lw/lw");
    const auto first = lw::registerWithDesktop(registration, false);
    EXPECT_TRUE(first.complete);
    EXPECT_TRUE(first.changed);
    const QString share = dir.filePath("share");
    EXPECT_EQ(contents(share + "/icons/hicolor/scalable/apps/loopwright.svg"),
              contents(iconFolder() + "/loopwright.svg"));
    EXPECT_EQ(contents(share + "/icons/hicolor/scalable/mimetypes/application-x-loopwright-document.svg"),
              contents(iconFolder() + "/document-lwd.svg"));
    EXPECT_EQ(contents(share + "/icons/hicolor/scalable/mimetypes/application-x-loopwright-extension.svg"),
              contents(iconFolder() + "/document-lwx.svg"));
    const QString entry = share + "/applications/loopwright.desktop";
    EXPECT_TRUE(contents(entry).contains("\nExec=\"/opt/my lw/lw\" %F\n"));

    const auto again = lw::registerWithDesktop(registration, false);
    EXPECT_TRUE(again.complete);
    EXPECT_FALSE(again.changed) << "nothing differs, so the caches are left alone";
    const auto moved = lw::registerWithDesktop(registrationIn(dir, "/elsewhere/lw"), false);
    EXPECT_TRUE(moved.changed);

    // The desktop's own tools read what was written.
    QString report;
    EXPECT_EQ(runTool("desktop-file-validate", {entry}, &report), 0) << report.toStdString();
    EXPECT_EQ(runTool("update-mime-database", {share + "/mime"}, &report), 0) << report.toStdString();
    const QByteArray globs = contents(share + "/mime/globs2");
    EXPECT_TRUE(globs.contains("application/x-loopwright-document:*.lwd")) << globs.toStdString();
    EXPECT_TRUE(globs.contains("application/x-loopwright-extension:*.lwx"));
    EXPECT_TRUE(contents(share + "/mime/magic").contains("LWDF1."));
}

TEST(DesktopRegistration, MissingIconsLeaveTheRestInPlace)
{
    QTemporaryDir dir;
    auto registration = registrationIn(dir, "/usr/bin/lw");
    registration.iconFolder = dir.filePath("no-icons").toStdString();
    const auto result = lw::registerWithDesktop(registration, false);
    EXPECT_FALSE(result.complete);
    EXPECT_TRUE(QFile::exists(dir.filePath("share/applications/loopwright.desktop")));
    EXPECT_TRUE(QFile::exists(dir.filePath("share/mime/packages/loopwright.xml")));
}
