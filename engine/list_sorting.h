#pragma once
// Order of the dialogs' sorted lists: case-insensitive, then by exact text, so the order never
// depends on the order items were added.
#include <string>

namespace lw {

bool sortsBefore(const std::string& a, const std::string& b);

} // namespace lw
