#include "output/html_page.h"

#include "platform/file_io.h"

#include <span>

namespace lw {
namespace {

bool endsWith(const std::string& s, const std::string& tail)
{
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

} // namespace

std::string defaultGifName(const std::string& gifPath, const std::string& documentPath,
                           const std::string& title)
{
    std::string name = !gifPath.empty() ? gifPath : !documentPath.empty() ? documentPath : title;
    if (endsWith(name, ".lwd"))
        name.resize(name.size() - 4);
    if (!endsWith(name, ".gif"))
        name += ".gif";
    return name;
}

std::string htmlPagePath(const std::string& gifPath)
{
    std::string page = gifPath;
    if (endsWith(page, ".gif"))
        page.resize(page.size() - 4);
    return page + ".htm";
}

std::string fileNameOf(const std::string& path)
{
    const auto slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string buildHtmlSnippet(const HtmlPageInput& in, bool escaped, bool fullPath)
{
    const std::string lt = escaped ? "&lt;" : "<";
    const std::string gt = escaped ? "&gt;" : ">";
    const std::string source = fullPath ? in.gifPath : fileNameOf(in.gifPath);
    const std::string image = lt + "IMG SRC=\"" + source + "\" WIDTH=" + std::to_string(in.width) +
                              " HEIGHT=" + std::to_string(in.height) + " BORDER=0 ALT=\"" + in.altText +
                              "\"" + gt;
    if (in.linkUrl.empty())
        return image;
    return lt + "A HREF=\"" + in.linkUrl + "\"" + gt + image + lt + "/A" + gt;
}

std::string buildHtmlPage(const HtmlPageInput& in)
{
    std::string page;
    page += "<HTML>\r\n<HEAD>\r\n<TITLE>" + in.altText + "</TITLE>\r\n</HEAD>\r\n<BODY>\r\n";
    page += "<CENTER>\r\n<H3>Loopwright GIF Animation</H3><p>\r\n";
    page += "<TABLE CELLSPACING=0 CELLPADDING=16 BORDER=1>\r\n<TR><TD ALIGN=CENTER>\r\n";
    page += std::string("Эта GIF анимация была создана   <A HREF=\"") + kProductPageUrl +
            "\">Quarvex Loopwright GIF Animator</A>:\r\n</TD></TR>\r\n";
    page += "<TR><TD ALIGN=CENTER>\r\n";
    page += "<!-- Для размещения данной анимации на Веб-странице скопируйте и встэтот код: -->\r\n"
            "<!-- ******* START ******* -->\r\n";
    page += buildHtmlSnippet(in, false, false);
    page += "\r\n";
    page += "<!-- ***** END OF ANIMATION CODE ***** -->\r\n</TD></TR>";
    page += "<TR><TD ALIGN=CENTER>To insert this animation in HTML page copy & paste the following HTML "
            "code*:<p><TT>\r\n";
    page += buildHtmlSnippet(in, true, false);
    page +=
        "\r\n</TT><p>\r\n*Before you publish your page you need to adjust SRC= attribute to correct path of "
        "the gif file.</TD></TR>";
    page += "<TR><TD ALIGN=CENTER>Animation Size:<p><TT>\r\n" + std::to_string(in.width) + " x " +
            std::to_string(in.height) + " pixels\r\n</TT>\r\n</TD></TR>";
    if (!in.linkUrl.empty())
        page += "<TR><TD ALIGN=CENTER>Animation URL:<p><TT>\r\n" + in.linkUrl + "\r\n</TT>\r\n</TD></TR>";
    page += "</TABLE>\r\n</BODY>\r\n</HTML>";
    return page;
}

void writeHtmlPage(const std::string& pagePath, const std::string& pageText)
{
    // The system code page here is UTF-8, so the text is written as it is.
    writeFileAtomically(pagePath,
                        std::span(reinterpret_cast<const std::uint8_t*>(pageText.data()), pageText.size()));
}

} // namespace lw
