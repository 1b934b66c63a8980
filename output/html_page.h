#pragma once
// The HTML page written beside a GIF: the animation, a credit line, the code that places the
// animation on another page (live and as readable text), its size and its link address.
#include <string>

namespace lw {

// The product page named in the credit line.
inline constexpr const char* kProductPageUrl = "https://www.quarvex.com/loopwright/";

struct HtmlPageInput {
    std::string gifPath; // where the GIF is (or will be) saved
    std::string linkUrl; // may be empty: no anchor, no "Animation URL" row
    std::string altText; // the page title and the image's ALT text
    int width = 0;
    int height = 0;
};

// The GIF name proposed by the save dialog: the GIF path, else the document's path, else its
// title; a trailing ".lwd" (exact case) is dropped and ".gif" (exact case) appended if missing.
std::string defaultGifName(const std::string& gifPath, const std::string& documentPath,
                           const std::string& title);

// The page beside the GIF: a trailing ".gif" (exact case) is replaced, then ".htm" appended.
std::string htmlPagePath(const std::string& gifPath);

// The file name and extension of a path, without its folder (either separator).
std::string fileNameOf(const std::string& path);

// One line of HTML that shows the animation; escaped writes only the tags' angle brackets as
// entities. The source is the full GIF path or just its file name.
std::string buildHtmlSnippet(const HtmlPageInput& input, bool escaped, bool fullPath);

// The whole page text, CR LF line breaks, no terminating zero.
std::string buildHtmlPage(const HtmlPageInput& input);

// Writes the page text to its path (replacing a previous page only when the write succeeds).
// Throws FileError when the file cannot be written.
void writeHtmlPage(const std::string& pagePath, const std::string& pageText);

} // namespace lw
