#include "platform/errors.h"
#include "platform/file_io.h"

#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using namespace lw;

TEST(FileIo, AtomicWriteReplacesTheTargetAndLeavesNoTemporaryFiles)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath("out.gif").toStdString();
    const std::vector<std::uint8_t> first = {1, 2, 3};
    const std::vector<std::uint8_t> second = {9};
    writeFileAtomically(path, first);
    writeFileAtomically(path, second);
    EXPECT_EQ(readFile(path), second);
    int files = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path().toStdString()))
        ++files;
    EXPECT_EQ(files, 1);
}

TEST(FileIo, FailedWriteKeepsThePreviousFile)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath("keep.lwd").toStdString();
    const std::vector<std::uint8_t> good = {4, 5, 6};
    writeFileAtomically(path, good);
    // A target whose folder does not exist cannot be written; the error names the file.
    const std::string impossible = dir.filePath("no/such/folder/x.lwd").toStdString();
    EXPECT_THROW(writeFileAtomically(impossible, good), FileError);
    // Writing over a folder fails at the rename; the folder and the good file are untouched.
    const std::string folder = dir.filePath("sub").toStdString();
    std::filesystem::create_directory(folder);
    std::ofstream(folder + "/inner") << "x";
    EXPECT_THROW(writeFileAtomically(folder, good), FileError);
    EXPECT_TRUE(std::filesystem::is_directory(folder));
    EXPECT_EQ(readFile(path), good);
}

TEST(FileIo, ReadErrors)
{
    QTemporaryDir dir;
    EXPECT_THROW(readFile(dir.filePath("absent").toStdString()), FileError);
    EXPECT_THROW(readFile(dir.path().toStdString()), FileError);
}

TEST(FileIo, ExtensionIsLowerCasedTextAfterTheLastDot)
{
    EXPECT_EQ(fileExtension("/a/b/Banner.LWD"), "lwd");
    EXPECT_EQ(fileExtension("x.tar.GZ"), "gz");
    EXPECT_EQ(fileExtension("/a.b/noext"), "");
    EXPECT_EQ(fileExtension("trailing."), "");
}
