// Installs this build tree into a temporary prefix and runs the installed programs there, where
// nothing of the build tree lies beside them.
#include "support/test_paths.h"

#include <QDir>
#include <QFile>
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

} // namespace
