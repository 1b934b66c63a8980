// lwtool html: the HTML page beside the animation's GIF.
#include "tools/lwtool/commands.h"
#include "tools/lwtool/loaded_document.h"

#include "output/html_page.h"
#include "platform/errors.h"

#include <cstdio>

namespace lwtool {

int runHtml(const Options& options, ConsoleUiPort& ui)
{
    auto input = loadInput(options, ui);
    const lw::CLWDoc& doc = input->doc;
    const lw::CAnimation& a = doc.animation;
    lw::HtmlPageInput page;
    // The GIF the document came from or was saved as; else the name the save dialog proposes.
    page.gifPath = options.gifPath.value_or(
        a.sourcePath.empty() ? lw::defaultGifName("", doc.pathName, doc.title) : a.sourcePath);
    page.linkUrl = options.link.value_or(a.linkUrl);
    page.altText = options.alt.value_or(a.altText);
    page.width = a.width();
    page.height = a.height();
    const std::string pagePath = lw::htmlPagePath(page.gifPath);
    try {
        lw::writeHtmlPage(pagePath, lw::buildHtmlPage(page));
    } catch (const lw::FileError& e) {
        throw ToolError{kExitOutputFailed, pagePath + ": Failed to save page (" + e.what() + ")"};
    }
    std::printf("%s\n", pagePath.c_str());
    return kExitOk;
}

} // namespace lwtool
