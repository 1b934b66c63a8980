#pragma once
// The view's two colour rules, shared by the palette, the colour commands and the swap command:
// a new foreground colour also recolours the selected labels (text colour), rectangles (line
// colour) and ellipses; a new background colour also fills a rectangle that is selected alone.
// Recolouring is one undo step and marks the document modified. Colours are 0xTTRRGGBB.
#include <cstdint>

namespace lw {

class DocumentSession;

void applyForegroundColour(DocumentSession& session, std::uint32_t colour);
void applyBackgroundColour(DocumentSession& session, std::uint32_t colour);

} // namespace lw
