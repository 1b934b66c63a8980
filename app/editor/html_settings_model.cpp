#include "app/editor/html_settings_model.h"

#include "model/document.h"
#include "model/edit_scope.h"
#include "output/html_page.h"

namespace lw {

HtmlSettingsModel HtmlSettingsModel::fromDocument(const CLWDoc& doc)
{
    const CAnimation& animation = doc.animation;
    return {animation.sourcePath, animation.width(), animation.height(),
            animation.linkUrl,    animation.altText, true};
}

std::string HtmlSettingsModel::code() const
{
    return buildHtmlSnippet(HtmlPageInput{gifPath, linkUrl, altText, width, height}, false, fullPath);
}

void HtmlSettingsModel::applyTo(CLWDoc& doc) const
{
    CAnimation& animation = doc.animation;
    if (animation.linkUrl == linkUrl && animation.altText == altText)
        return;
    EditScope edit(doc, nullptr, UndoStep::Keep);
    animation.linkUrl = linkUrl;
    animation.altText = altText;
    edit.markModified();
}

} // namespace lw
