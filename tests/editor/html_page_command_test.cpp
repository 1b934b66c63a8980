// Saving the HTML page beside the GIF: the page path, its content from the document, and a
// failed write reported with nothing left behind.
#include "app/editor/html_page_command.h"

#include "filters/scripted_ui_port.h"
#include "platform/file_io.h"

#include <QTemporaryDir>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

using namespace lw;
namespace fs = std::filesystem;

TEST(HtmlPageCommand, WritesThePageBesideTheGif)
{
    QTemporaryDir folder;
    const fs::path dir = folder.path().toStdString();
    CLWDoc doc;
    ASSERT_TRUE(doc.animation.SetSize(468, 60));
    doc.animation.altText = "Sale";
    ScriptedUiPort ui;
    EXPECT_FALSE(saveHtmlPage(doc, ui)); // no GIF path yet
    EXPECT_TRUE(fs::is_empty(dir));

    doc.animation.sourcePath = (dir / "banner.gif").string();
    const auto page = saveHtmlPage(doc, ui);
    ASSERT_TRUE(page);
    EXPECT_EQ(*page, (dir / "banner.htm").string());
    const auto bytes = readFile(*page);
    const std::string text(bytes.begin(), bytes.end());
    EXPECT_NE(text.find("<TITLE>Sale</TITLE>"), std::string::npos);
    EXPECT_NE(text.find("<IMG SRC=\"banner.gif\" WIDTH=468 HEIGHT=60 BORDER=0 ALT=\"Sale\">"),
              std::string::npos);
    EXPECT_EQ(text.find("Animation URL"), std::string::npos);
    EXPECT_TRUE(ui.messages().empty());
    EXPECT_EQ(htmlPageSavedText(*page).toStdString(), "Your HTML page has been saved under " + *page);

    doc.animation.sourcePath = (dir / "missing/banner.gif").string();
    EXPECT_FALSE(saveHtmlPage(doc, ui));
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_EQ(ui.messages()[0].text, "Failed to save page");
    EXPECT_FALSE(fs::exists(dir / "missing"));
}

} // namespace
