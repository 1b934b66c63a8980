#pragma once
// The keyboard help page, written from the command table so that it always shows the keys the
// editor really binds.
#include <string>
#include <vector>

namespace lw {

// The key caps of one key in the table's portable form: "Ctrl+Shift+D" → {"Ctrl", "Shift", "D"},
// "Num+-" → {"Num -"}. Empty for a text that is not a key.
std::vector<std::string> keyCaps(const std::string& portableKey);

// The whole page (UTF-8 HTML): every command with keys, menu by menu, then the tools and other
// commands without a menu.
std::string keyboardPageHtml();

} // namespace lw
