#include "app/editor/document_manager.h"
#include "app/editor/editor_questions.h"

#include "filters/scripted_ui_port.h"
#include "model/edit_scope.h"
#include "model/effect_catalog.h"
#include "platform/settings.h"

#include <QImage>
#include <QTemporaryDir>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <sys/resource.h>

namespace {

using namespace lw;
namespace fs = std::filesystem;

struct NoEffects : EffectCatalog {
    bool isInstalled(std::int32_t) const override { return false; }
};

std::string readAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// A private settings store and folder per test.
struct Editor {
    QTemporaryDir folder;
    Settings settings;
    NoEffects catalog;
    ScriptedUiPort ui;
    ScriptedEditorQuestions questions;
    std::unique_ptr<DocumentManager> manager;

    Editor()
    {
        for (const char* section : {"Frame", "Recent File List"})
            for (const char* name : {"Width", "Height", "Color", "File1", "File2", "File3", "File4"})
                settings.remove(section, name);
        manager = std::make_unique<DocumentManager>(settings, catalog, ui, questions);
    }
    std::string path(const std::string& name) const
    {
        return (fs::path(folder.path().toStdString()) / name).string();
    }
    DocumentSession* saved(const std::string& name)
    {
        DocumentSession* s = manager->newDocument();
        questions.queuePath(path(name));
        EXPECT_TRUE(manager->saveAs(*s));
        return s;
    }
};

TEST(DocumentManager, NewDocumentsTakeTheStoredFrameAndRunningNames)
{
    Editor e;
    DocumentSession* first = e.manager->newDocument();
    EXPECT_EQ(first->doc.animation.width(), 486);
    EXPECT_EQ(first->doc.animation.height(), 60);
    EXPECT_EQ(first->doc.animation.firstFrame->backgroundColour, 0xFFFFFFu);
    EXPECT_EQ(first->displayName(), "Безымянный-1");

    // Saving a 320 × 200 black document makes the next new document the same.
    first->doc.animation.SetSize(320, 200);
    first->doc.animation.firstFrame->backgroundColour = 0x000000;
    e.questions.queuePath(e.path("black.lwd"));
    ASSERT_TRUE(e.manager->save(*first)) << "never saved: Save asks for a name";
    EXPECT_EQ(e.questions.saveQuestions().back().defaultName, "Безымянный-1.lwd");
    EXPECT_EQ(first->displayName(), "black.lwd");
    DocumentSession* second = e.manager->newDocument();
    EXPECT_EQ(second->doc.animation.width(), 320);
    EXPECT_EQ(second->doc.animation.height(), 200);
    EXPECT_EQ(second->doc.animation.firstFrame->backgroundColour, 0x000000u);
    EXPECT_EQ(second->displayName(), "Безымянный-2");
}

TEST(DocumentManager, RecentListAfterOpenAThenSaveB)
{
    Editor e;
    e.saved("a.lwd");
    e.saved("b.lwd");
    ASSERT_TRUE(e.manager->closeAll());
    ASSERT_NE(e.manager->openDocument(e.path("a.lwd")), nullptr);
    DocumentSession* b = e.manager->newDocument();
    e.questions.queuePath(e.path("b.lwd"));
    ASSERT_TRUE(e.manager->saveAs(*b));
    const std::vector<std::string> expected = {e.path("b.lwd"), e.path("a.lwd")};
    EXPECT_EQ(e.manager->recentFiles().paths(), expected);
    EXPECT_EQ(e.settings.readString("Recent File List", "File1"), e.path("b.lwd"));
    EXPECT_EQ(e.settings.readString("Recent File List", "File2"), e.path("a.lwd"));

    // Five more files keep four, newest first.
    for (const char* name : {"c.lwd", "d.lwd", "e.lwd", "f.lwd"})
        e.saved(name);
    const std::vector<std::string> four = {e.path("f.lwd"), e.path("e.lwd"), e.path("d.lwd"),
                                           e.path("c.lwd")};
    EXPECT_EQ(e.manager->recentFiles().paths(), four);
    EXPECT_FALSE(e.settings.contains("Recent File List", "File5"));

    // A path relative to the working folder (a command line) is remembered whole.
    ASSERT_TRUE(e.manager->closeAll());
    const fs::path started = fs::current_path();
    fs::current_path(e.folder.path().toStdString());
    DocumentSession* relative = e.manager->openDocument("./c.lwd");
    fs::current_path(started);
    ASSERT_NE(relative, nullptr);
    EXPECT_EQ(relative->doc.pathName, e.path("c.lwd"));
    EXPECT_EQ(e.manager->recentFiles().paths().front(), e.path("c.lwd"));
}

TEST(DocumentManager, PathNameIsKeptOnlyForDocuments)
{
    Editor e;
    QImage picture(8, 6, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(QString::fromStdString(e.path("Photo.JPG")), "JPEG"));
    e.saved("my.anim.final.lwd");
    fs::copy_file(e.path("my.anim.final.lwd"), e.path("anim.LWD"));
    ASSERT_TRUE(e.manager->closeAll());

    struct Case {
        const char* file;
        bool keepsPath;
    };
    for (const Case c : {Case{"Photo.JPG", false}, Case{"anim.LWD", true}, Case{"my.anim.final.lwd", true}}) {
        DocumentSession* s = e.manager->openDocument(e.path(c.file));
        ASSERT_NE(s, nullptr) << c.file;
        EXPECT_EQ(s->doc.pathName.empty(), !c.keepsPath) << c.file;
        EXPECT_EQ(s->displayName(), c.keepsPath ? std::string(c.file) : "Безымянный-2") << c.file;
    }
    // The picture document saves through Save As.
    DocumentSession* photo = e.manager->documents().front().get();
    const std::size_t asked = e.questions.saveQuestions().size();
    EXPECT_FALSE(e.manager->save(*photo)) << "cancelled name";
    EXPECT_EQ(e.questions.saveQuestions().size(), asked + 1);
    // The same file opened again brings back its window.
    EXPECT_EQ(e.manager->openDocument(e.path("anim.LWD")), e.manager->documents()[1].get());
    EXPECT_EQ(e.manager->documents().size(), 3u);
}

TEST(DocumentManager, AFileThatCannotBeOpenedLeavesTheOthers)
{
    Editor e;
    DocumentSession* kept = e.manager->newDocument();
    lw::EditScope(kept->doc, nullptr, lw::UndoStep::Keep).markModified();
    std::ofstream(e.path("junk.lwd")) << "not a document at all";
    for (const std::string& bad :
         {e.path("junk.lwd"), e.path("missing.lwd"), e.folder.path().toStdString()}) {
        e.ui.clear();
        EXPECT_EQ(e.manager->openDocument(bad), nullptr) << bad;
        ASSERT_FALSE(e.ui.messages().empty()) << bad;
        EXPECT_EQ(e.ui.messages().back().icon, MsgIcon::Error);
        EXPECT_NE(e.ui.messages().back().text.find(bad), std::string::npos);
    }
    ASSERT_EQ(e.manager->documents().size(), 1u);
    EXPECT_EQ(e.manager->documents().front().get(), kept);
    EXPECT_TRUE(kept->doc.modified());
    EXPECT_TRUE(e.manager->recentFiles().paths().empty()) << "failures are not remembered";
}

// Writes fail beyond a few bytes, as on a full disk.
struct FullDisk {
    rlimit old{};
    FullDisk()
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &old);
        rlimit small = old;
        small.rlim_cur = 16;
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FullDisk() { setrlimit(RLIMIT_FSIZE, &old); }
};

TEST(DocumentManager, AFailedSaveKeepsTheDocumentModifiedAndTheOldFile)
{
    Editor e;
    DocumentSession* s = e.saved("keep.lwd");
    const std::string before = readAll(e.path("keep.lwd"));
    ASSERT_FALSE(before.empty());
    s->doc.animation.AppendFrame();
    e.manager->setModified(*s, true);
    {
        FullDisk full;
        EXPECT_FALSE(e.manager->save(*s));
    }
    EXPECT_TRUE(s->doc.modified());
    EXPECT_EQ(readAll(e.path("keep.lwd")), before);
    ASSERT_FALSE(e.ui.messages().empty());
    EXPECT_EQ(e.ui.messages().back().icon, MsgIcon::Error);

    // A folder that has gone.
    e.questions.queuePath(e.path("gone/new.lwd"));
    EXPECT_FALSE(e.manager->saveAs(*s));
    EXPECT_TRUE(s->doc.modified());
    EXPECT_EQ(s->doc.pathName, e.path("keep.lwd"));
    EXPECT_FALSE(fs::exists(e.path("gone")));
    for (const auto& entry : fs::directory_iterator(e.folder.path().toStdString()))
        EXPECT_EQ(entry.path().filename().string().rfind(".keep", 0), std::string::npos) << "temporary left";
}

TEST(DocumentManager, ClosingAModifiedDocumentAsks)
{
    struct Case {
        MsgResult answer;
        bool closed;
    };
    for (const Case c :
         {Case{MsgResult::Cancel, false}, Case{MsgResult::No, true}, Case{MsgResult::Yes, true}}) {
        Editor e;
        DocumentSession* s = e.saved("c.lwd");
        e.manager->setModified(*s, true);
        e.ui.queueButton(c.answer);
        EXPECT_EQ(e.manager->close(*s), c.closed);
        ASSERT_EQ(e.ui.messages().size(), 1u);
        EXPECT_EQ(e.ui.messages()[0].buttons, MsgButtons::YesNoCancel);
        EXPECT_EQ(e.ui.messages()[0].text, "Сохранить изменения в c.lwd?");
        EXPECT_EQ(e.manager->documents().size(), c.closed ? 0u : 1u);
    }
    Editor e;
    e.manager->newDocument();
    EXPECT_TRUE(e.manager->closeAll());
    EXPECT_TRUE(e.ui.messages().empty()) << "an unmodified document closes without a question";
}

} // namespace
