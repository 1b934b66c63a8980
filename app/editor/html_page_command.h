#pragma once
// "Сохранить HTML страницу...": the page written beside the document's GIF file.
#include "model/document.h"

#include <QString>
#include <optional>
#include <string>

namespace lw {

class UiPort;

// Writes the page; the page path when written. A page that cannot be written shows "Failed to
// save page" and leaves no file behind.
std::optional<std::string> saveHtmlPage(const CLWDoc& doc, UiPort& ui);

// The confirmation's text: "Your HTML page has been saved under %s".
QString htmlPageSavedText(const std::string& pagePath);

} // namespace lw
