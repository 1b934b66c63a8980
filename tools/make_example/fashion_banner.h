#pragma once
// The example document shipped with the editor: a 468 × 60 fashion banner built through the
// document API, so it can be rebuilt whenever the model changes.
#include "model/document.h"

namespace lw {

// Fills a fresh document with the banner's frames, layers, effects, link and description.
void buildFashionBanner(CLWDoc& doc);

} // namespace lw
