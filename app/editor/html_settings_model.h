#pragma once
// "HTML код анимации": the link address and description the document keeps, and the line of HTML
// that places the animation on a page, rebuilt from whatever the fields hold.
#include <string>

namespace lw {

class CLWDoc;

struct HtmlSettingsModel {
    std::string gifPath;
    int width = 0;
    int height = 0;
    std::string linkUrl;
    std::string altText;
    // Set every time the dialog opens; never stored.
    bool fullPath = true;

    static HtmlSettingsModel fromDocument(const CLWDoc& doc);
    // The unescaped code: SRC is the full GIF path or its file name alone.
    std::string code() const;
    // OK: the address and the description go into the document, which becomes modified when
    // either changed.
    void applyTo(CLWDoc& doc) const;
};

} // namespace lw
