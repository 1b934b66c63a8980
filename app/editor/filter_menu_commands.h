#pragma once
// The filter, turn, mirror, rotation and frame-border menu commands on a document session: each
// runs its filter command on the current frame inside one edit of the document, so the filter's
// own undo step stays the frame's undo and the document is marked modified only on a change.
#include "filters/filter_commands.h"

#include <optional>
#include <span>

class QImage;

namespace lw {

class DocumentSession;
class FilterUiPort;
class CRaster;

// Every command id this module runs, in menu order.
std::span<const int> filterMenuCommandIds();
// The filter command behind a menu id; nothing for the commands that are not plain filters
// (rotation, frame border, the two clipboard commands) and for unknown ids.
std::optional<FilterCommand> filterCommandFor(int id);

// Runs one menu command. `clipboardPicture` is what the two clipboard commands merge (null: the
// clipboard holds no picture). A filter that fails with a library text or for lack of memory
// shows that message and leaves the frame as it was. Returns true when the frame changed.
bool runFilterMenuCommand(int id, DocumentSession& session, FilterUiPort& ui,
                          const CRaster* clipboardPicture);

// A clipboard image as a raster (0xTTRRGGBB, transparency from the image's alpha); nothing for
// an empty image.
std::optional<CRaster> rasterFromImage(const QImage& image);

} // namespace lw
