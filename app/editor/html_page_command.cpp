#include "app/editor/html_page_command.h"

#include "output/html_page.h"
#include "platform/errors.h"
#include "platform/ui_port.h"

#include <QCoreApplication>

namespace lw {

std::optional<std::string> saveHtmlPage(const CLWDoc& doc, UiPort& ui)
{
    const CAnimation& animation = doc.animation;
    if (animation.sourcePath.empty())
        return std::nullopt;
    const HtmlPageInput input{animation.sourcePath, animation.linkUrl, animation.altText, animation.width(),
                              animation.height()};
    const std::string page = htmlPagePath(input.gifPath);
    try {
        writeHtmlPage(page, buildHtmlPage(input));
    } catch (const FileError&) {
        ui.messageBox(Message{"Failed to save page", "", MsgIcon::None, MsgButtons::Ok});
        return std::nullopt;
    }
    return page;
}

QString htmlPageSavedText(const std::string& pagePath)
{
    return QCoreApplication::translate("HtmlPage", "Your HTML page has been saved under %1")
        .arg(QString::fromStdString(pagePath));
}

} // namespace lw
