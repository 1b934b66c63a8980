// The test programs keep their temporary files below one folder of their own and remove it when
// they end: run this program's file tests again with a private temporary folder and look.
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

TEST(TemporaryFiles, NothingIsLeftBehindWhenTheProgramEnds)
{
    if (std::getenv("LW_TEMPORARY_FILES_CHILD"))
        GTEST_SKIP() << "already the child run";
    QTemporaryDir folder;
    QTemporaryDir runtime; // Qt's own runtime folder is not the tests' business
    ASSERT_TRUE(folder.isValid() && runtime.isValid());
    const std::string program = std::filesystem::read_symlink("/proc/self/exe").string();
    const std::string command =
        "LW_TEMPORARY_FILES_CHILD=1 XDG_RUNTIME_DIR='" + runtime.path().toStdString() + "' TMPDIR='" +
        folder.path().toStdString() + "' '" + program +
        "' --gtest_filter='LoadDocument.*:SaveDocument.*:ImportPicture.*' >/dev/null 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_TRUE(std::filesystem::is_empty(folder.path().toStdString()))
        << std::filesystem::directory_iterator(folder.path().toStdString())->path();
}
