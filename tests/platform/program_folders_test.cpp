#include "platform/program_folders.h"

#include <QTemporaryDir>
#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

struct Layout {
    const char* name;
    std::vector<const char*> folders; // made under the temporary root
    const char* expectExtensions;     // relative to the root
    const char* expectPlugins;
    const char* expectDocs;
    const char* expectExamples;
};

} // namespace

TEST(ProgramFolders, BesideTheProgramFirstThenUnderThePrefix)
{
    const Layout layouts[] = {
        {"build tree",
         {"bin/extensions", "bin/plugins", "bin/docs", "bin/examples", "lib/loopwright/extensions",
          "lib/loopwright/plugins", "share/loopwright/docs"},
         "bin/extensions",
         "bin/plugins",
         "bin/docs",
         "bin/examples"},
        {"installed",
         {"lib/loopwright/extensions", "lib/loopwright/plugins", "share/loopwright/docs",
          "share/loopwright/examples"},
         "lib/loopwright/extensions",
         "lib/loopwright/plugins",
         "share/loopwright/docs",
         "share/loopwright/examples"},
        {"each folder on its own",
         {"bin/docs", "lib/loopwright/extensions", "bin/plugins"},
         "lib/loopwright/extensions",
         "bin/plugins",
         "bin/docs",
         "bin/examples"},
        {"nothing anywhere names the build-tree place",
         {},
         "bin/extensions",
         "bin/plugins",
         "bin/docs",
         "bin/examples"},
    };
    for (const Layout& layout : layouts) {
        SCOPED_TRACE(layout.name);
        QTemporaryDir dir;
        const fs::path root = dir.path().toStdString();
        fs::create_directories(root / "bin");
        for (const char* folder : layout.folders)
            fs::create_directories(root / folder);
        const lw::ProgramFolders folders = lw::programFoldersFor((root / "bin").string());
        EXPECT_EQ(fs::path(folders.extensions), root / layout.expectExtensions);
        EXPECT_EQ(fs::path(folders.plugins), root / layout.expectPlugins);
        EXPECT_EQ(fs::path(folders.docs), root / layout.expectDocs);
        EXPECT_EQ(fs::path(folders.examples), root / layout.expectExamples);
        EXPECT_EQ(fs::path(folders.helpIndex()), root / layout.expectDocs / "index.htm");
        EXPECT_EQ(fs::path(folders.keyboard()), root / layout.expectDocs / "keyboard.htm");
        EXPECT_EQ(fs::path(folders.exampleDocument()), root / layout.expectExamples / "fashion.lwd");
    }
}

TEST(ProgramFolders, AFileIsNotAFolder)
{
    QTemporaryDir dir;
    const fs::path root = dir.path().toStdString();
    fs::create_directories(root / "bin");
    fs::create_directories(root / "lib/loopwright/extensions");
    std::FILE* f = std::fopen((root / "bin/extensions").c_str(), "w");
    ASSERT_NE(f, nullptr);
    std::fclose(f);
    EXPECT_EQ(fs::path(lw::programFoldersFor((root / "bin").string()).extensions),
              root / "lib/loopwright/extensions");
}
