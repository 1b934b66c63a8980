#include "output/html_page.h"
#include "platform/errors.h"
#include "platform/file_io.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace lw;

namespace {

HtmlPageInput sale(const std::string& link = {})
{
    return {"C:\\web\\banner.gif", link, "Sale", 468, 60};
}

// The page of the banner example, written out piece by piece as it must appear in the file.
std::string expectedPage(const std::string& link)
{
    const std::string image = "<IMG SRC=\"banner.gif\" WIDTH=468 HEIGHT=60 BORDER=0 ALT=\"Sale\">";
    const std::string escapedImage =
        "&lt;IMG SRC=\"banner.gif\" WIDTH=468 HEIGHT=60 BORDER=0 ALT=\"Sale\"&gt;";
    const std::string snippet = link.empty() ? image : "<A HREF=\"" + link + "\">" + image + "</A>";
    const std::string escaped =
        link.empty() ? escapedImage : "&lt;A HREF=\"" + link + "\"&gt;" + escapedImage + "&lt;/A&gt;";
    std::string page =
        "<HTML>\r\n<HEAD>\r\n<TITLE>Sale</TITLE>\r\n</HEAD>\r\n<BODY>\r\n"
        "<CENTER>\r\n<H3>Loopwright GIF Animation</H3><p>\r\n"
        "<TABLE CELLSPACING=0 CELLPADDING=16 BORDER=1>\r\n<TR><TD ALIGN=CENTER>\r\n"
        "\xD0\xAD\xD1\x82\xD0\xB0 GIF \xD0\xB0\xD0\xBD\xD0\xB8\xD0\xBC\xD0\xB0\xD1\x86\xD0\xB8\xD1\x8F "
        "\xD0\xB1\xD1\x8B\xD0\xBB\xD0\xB0 \xD1\x81\xD0\xBE\xD0\xB7\xD0\xB4\xD0\xB0\xD0\xBD\xD0\xB0   "
        "<A HREF=\"https://www.quarvex.com/loopwright/\">Quarvex Loopwright GIF "
        "Animator</A>:\r\n</TD></TR>\r\n"
        "<TR><TD ALIGN=CENTER>\r\n"
        "<!-- Для размещения данной анимации на Веб-странице скопируйте и встэтот код: -->\r\n"
        "<!-- ******* START ******* -->\r\n" +
        snippet +
        "\r\n<!-- ***** END OF ANIMATION CODE ***** -->\r\n</TD></TR>"
        "<TR><TD ALIGN=CENTER>To insert this animation in HTML page copy & paste the following HTML "
        "code*:<p><TT>\r\n" +
        escaped +
        "\r\n</TT><p>\r\n*Before you publish your page you need to adjust SRC= attribute to correct path of "
        "the gif "
        "file.</TD></TR>"
        "<TR><TD ALIGN=CENTER>Animation Size:<p><TT>\r\n468 x 60 pixels\r\n</TT>\r\n</TD></TR>";
    if (!link.empty())
        page += "<TR><TD ALIGN=CENTER>Animation URL:<p><TT>\r\n" + link + "\r\n</TT>\r\n</TD></TR>";
    page += "</TABLE>\r\n</BODY>\r\n</HTML>";
    return page;
}

} // namespace

TEST(HtmlPage, BannerWithoutLinkByteForByte)
{
    EXPECT_EQ(buildHtmlPage(sale()), expectedPage(""));
    EXPECT_EQ(buildHtmlPage(sale()).find("Animation URL"), std::string::npos);
}

TEST(HtmlPage, BannerWithLinkByteForByte)
{
    EXPECT_EQ(buildHtmlPage(sale("http://shop.example/sale")), expectedPage("http://shop.example/sale"));
}

TEST(HtmlPage, SnippetForms)
{
    const HtmlPageInput in = sale("http://x.example/");
    EXPECT_EQ(buildHtmlSnippet(in, false, true),
              "<A HREF=\"http://x.example/\"><IMG SRC=\"C:\\web\\banner.gif\" WIDTH=468 HEIGHT=60 BORDER=0 "
              "ALT=\"Sale\"></A>");
    EXPECT_EQ(buildHtmlSnippet(sale(), false, false),
              "<IMG SRC=\"banner.gif\" WIDTH=468 HEIGHT=60 BORDER=0 ALT=\"Sale\">");
    // Quotes and angle brackets of the description go in unchanged, escaped form included.
    HtmlPageInput odd = sale();
    odd.altText = "a \"b\" <c>";
    EXPECT_EQ(buildHtmlSnippet(odd, true, false),
              "&lt;IMG SRC=\"banner.gif\" WIDTH=468 HEIGHT=60 BORDER=0 ALT=\"a \"b\" <c>\"&gt;");
    odd.altText.clear();
    EXPECT_NE(buildHtmlSnippet(odd, false, false).find("ALT=\"\""), std::string::npos);
    EXPECT_NE(buildHtmlPage(odd).find("<TITLE></TITLE>"), std::string::npos);
}

TEST(HtmlPage, DerivedNames)
{
    EXPECT_EQ(htmlPagePath("C:\\web\\banner.gif"), "C:\\web\\banner.htm");
    EXPECT_EQ(htmlPagePath("banner.GIF"), "banner.GIF.htm");
    EXPECT_EQ(defaultGifName("", "", "Безымянный-1"), "Безымянный-1.gif");
    EXPECT_EQ(defaultGifName("", "D:\\a\\promo.lwd", "promo"), "D:\\a\\promo.gif");
    EXPECT_EQ(defaultGifName("", "D:\\a\\promo.LWD", "promo"), "D:\\a\\promo.LWD.gif");
    EXPECT_EQ(defaultGifName("/srv/b.gif", "/x/y.lwd", "t"), "/srv/b.gif");
    EXPECT_EQ(fileNameOf("/srv/www/b.gif"), "b.gif");
    EXPECT_EQ(fileNameOf("plain.gif"), "plain.gif");
}

TEST(HtmlPage, WriterStoresTheTextAndFailsCleanly)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath("banner.htm").toStdString();
    const std::string text = buildHtmlPage(sale());
    writeHtmlPage(path, text);
    const auto bytes = readFile(path);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), text);
    EXPECT_THROW(writeHtmlPage(dir.filePath("missing/banner.htm").toStdString(), text), FileError);
}
