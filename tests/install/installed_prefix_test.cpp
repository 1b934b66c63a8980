// Installs this build tree into a temporary prefix and runs the installed programs there, where
// nothing of the build tree lies beside them.
#include "support/test_paths.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace {

struct ProcessRun {
    int exitCode = -1;
    QString out;
    QString err;
};

ProcessRun runProgram(const QString& program, const QStringList& args)
{
    QProcess process;
    process.start(program, args);
    ProcessRun result;
    if (!process.waitForFinished(300000))
        return result;
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString buildDir()
{
    return QDir(QString::fromStdString(lwtest::buildDir())).absolutePath();
}

class InstalledPrefix : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        prefixDir = std::make_unique<QTemporaryDir>();
        const ProcessRun install =
            runProgram(LW_CMAKE_COMMAND, {"--install", buildDir(), "--prefix", prefixDir->path()});
        installed = install.exitCode == 0;
        installLog = install.out + install.err;
    }
    static void TearDownTestSuite() { prefixDir.reset(); }

    void SetUp() override { ASSERT_TRUE(installed) << installLog.toStdString(); }

    static QString prefix(const QString& relative) { return prefixDir->filePath(relative); }

    static inline std::unique_ptr<QTemporaryDir> prefixDir;
    static inline bool installed = false;
    static inline QString installLog;
};

TEST_F(InstalledPrefix, LwtoolListsEveryLibraryOfTheBuild)
{
    const QStringList built = QDir(buildDir() + "/extensions").entryList({"*.lwx"}, QDir::Files, QDir::Name);
    ASSERT_FALSE(built.isEmpty());
    EXPECT_FALSE(QDir(prefix("bin/extensions")).exists())
        << "the installed program must look under the prefix";

    const ProcessRun listing = runProgram(prefix("bin/lwtool"), {"extensions", "--json"});
    ASSERT_EQ(listing.exitCode, 0) << listing.err.toStdString();
    QStringList listed;
    for (const auto& module : QJsonDocument::fromJson(listing.out.toUtf8()).array())
        listed << module.toObject()["file"].toString();
    EXPECT_EQ(listed, built);
}

// The AVI writer module is found under the prefix, not beside the program.
TEST_F(InstalledPrefix, LwtoolWritesVideoThroughTheInstalledModule)
{
    EXPECT_FALSE(QDir(prefix("bin/plugins")).exists());
    const ProcessRun codecs = runProgram(prefix("bin/lwtool"), {"avi", "--codec", "list"});
    ASSERT_EQ(codecs.exitCode, 0) << codecs.err.toStdString();
    EXPECT_TRUE(codecs.out.startsWith("rawvideo ")) << codecs.out.toStdString();
    const QString video = prefix("example.avi");
    const ProcessRun avi = runProgram(
        prefix("bin/lwtool"), {"avi", prefix("share/loopwright/examples/fashion.lwd"), "-o", video, "-q"});
    ASSERT_EQ(avi.exitCode, 0) << avi.err.toStdString();
    EXPECT_TRUE(contents(video).startsWith("RIFF"));
}

TEST_F(InstalledPrefix, ExampleIsInstalledUnchanged)
{
    const QByteArray example = contents(prefix("share/loopwright/examples/fashion.lwd"));
    EXPECT_FALSE(example.isEmpty());
    EXPECT_EQ(example, contents(buildDir() + "/examples/fashion.lwd"));
}

TEST_F(InstalledPrefix, EditorReportsItsVersion)
{
#ifndef LW_EXPECT_EDITOR
    GTEST_SKIP() << "this build has no editor";
#else
    const ProcessRun version = runProgram(prefix("bin/lw"), {"--version"});
    EXPECT_EQ(version.exitCode, 0) << version.err.toStdString();
    EXPECT_TRUE(version.out.contains("5.0.7")) << version.out.toStdString();
#endif
}

TEST_F(InstalledPrefix, HelpPagesAreInstalled)
{
    for (const char* page : {"index.htm", "tutorial.htm", "keyboard.htm", "help.css", "loopwright.svg"}) {
        const QByteArray installedPage = contents(prefix("share/loopwright/docs/") + page);
        EXPECT_FALSE(installedPage.isEmpty()) << page;
        EXPECT_EQ(installedPage, contents(buildDir() + "/docs/" + page)) << page;
    }
}

TEST_F(InstalledPrefix, DesktopEntryTypesAndIcons)
{
    const QString entry = prefix("share/applications/loopwright.desktop");
    ProcessRun check = runProgram("desktop-file-validate", {entry});
    EXPECT_EQ(check.exitCode, 0) << (check.out + check.err).toStdString();
    EXPECT_TRUE(contents(entry).contains("\nExec=lw %F\n"));
    EXPECT_TRUE(contents(entry).contains("\nMimeType=application/x-loopwright-document;\n"));

    check = runProgram("update-mime-database", {prefix("share/mime")});
    EXPECT_EQ(check.exitCode, 0) << (check.out + check.err).toStdString();
    EXPECT_TRUE(QFile::exists(prefix("share/mime/application/x-loopwright-document.xml")));
    EXPECT_TRUE(QFile::exists(prefix("share/mime/application/x-loopwright-extension.xml")));

    for (const char* icon : {"apps/loopwright.svg", "mimetypes/application-x-loopwright-document.svg",
                             "mimetypes/application-x-loopwright-extension.svg"})
        EXPECT_TRUE(contents(prefix("share/icons/hicolor/scalable/") + icon).startsWith("<svg")) << icon;
    // Fixed sizes as PNG for desktops without an SVG loader; 48 × 48 is the one every desktop looks for.
    for (const char* icon : {"apps/loopwright.png", "mimetypes/application-x-loopwright-document.png",
                             "mimetypes/application-x-loopwright-extension.png"}) {
        const QImage image(prefix("share/icons/hicolor/48x48/") + icon);
        EXPECT_EQ(image.size(), QSize(48, 48)) << icon;
        EXPECT_TRUE(image.hasAlphaChannel()) << icon;
    }
}

TEST_F(InstalledPrefix, SoftwareCentreEntry)
{
    const QString entry = prefix("share/metainfo/com.quarvex.loopwright.metainfo.xml");
    const ProcessRun check = runProgram("appstreamcli", {"validate", "--no-net", entry});
    EXPECT_EQ(check.exitCode, 0) << (check.out + check.err).toStdString();
    const QByteArray text = contents(entry);
    EXPECT_TRUE(text.contains("<release version=\"5.0.7\"")) << "the package's version";
    // It names the desktop entry that was installed.
    EXPECT_TRUE(text.contains("<launchable type=\"desktop-id\">loopwright.desktop</launchable>"));
    EXPECT_TRUE(QFile::exists(prefix("share/applications/loopwright.desktop")));
}

// The Debian package holds the same tree under /usr and declares what the programs link.
TEST(DebianPackage, ContentsAndDependencies)
{
    QTemporaryDir out;
    const ProcessRun pack = runProgram(
        LW_CPACK_COMMAND, {"-G", "DEB", "--config", buildDir() + "/CPackConfig.cmake", "-B", out.path()});
    ASSERT_EQ(pack.exitCode, 0) << (pack.out + pack.err).toStdString();
    const QStringList debs = QDir(out.path()).entryList({"loopwright_5.0.7*.deb"});
    ASSERT_EQ(debs.size(), 1) << QDir(out.path()).entryList().join(' ').toStdString();
    const QString deb = out.filePath(debs.front());

    const ProcessRun listing = runProgram("dpkg-deb", {"--contents", deb});
    ASSERT_EQ(listing.exitCode, 0) << listing.err.toStdString();
    QStringList expected = {"./usr/bin/lwtool",
                            "./usr/lib/loopwright/extensions/fly.lwx",
                            "./usr/lib/loopwright/extensions/marquee.lwx",
                            "./usr/lib/loopwright/plugins/avi_ffmpeg.so",
                            "./usr/lib/loopwright/plugins/metafile_svg.so",
                            "./usr/share/loopwright/docs/index.htm",
                            "./usr/share/loopwright/docs/tutorial.htm",
                            "./usr/share/loopwright/docs/keyboard.htm",
                            "./usr/share/loopwright/examples/fashion.lwd",
                            "./usr/share/applications/loopwright.desktop",
                            "./usr/share/mime/packages/loopwright.xml",
                            "./usr/share/icons/hicolor/scalable/apps/loopwright.svg",
                            "./usr/share/icons/hicolor/48x48/apps/loopwright.png"};
#ifdef LW_EXPECT_EDITOR
    expected << "./usr/bin/lw";
#endif
    for (const QString& path : expected)
        EXPECT_TRUE(listing.out.contains(" " + path + "\n")) << path.toStdString();

    const ProcessRun depends = runProgram("dpkg-deb", {"--field", deb, "Depends"});
    EXPECT_TRUE(depends.out.contains("libqt6core6")) << depends.out.toStdString();
    EXPECT_TRUE(depends.out.contains("libjpeg62-turbo")) << depends.out.toStdString();
    EXPECT_TRUE(depends.out.contains("libavformat")) << depends.out.toStdString();
}

} // namespace
