#pragma once
// Copy, cut, paste and undo. Layers travel under the editor's own MIME type as a layer block, so
// that they paste between running editors; one copied layer also goes as an image for other
// programs. Paste takes the own block first, then an image, then metafile data.
#include "app/editor/editing_context.h"

#include <memory>

class QMimeData;

namespace lw {

inline constexpr const char* kLayerClipboardMime = "application/x-loopwright-clipboard";
inline constexpr const char* kWindowsMetafileMime = "image/x-wmf";
inline constexpr const char* kEnhancedMetafileMime = "image/x-emf";

// What Copy (withImage) or Cut puts on the clipboard for the selection; null without one.
std::unique_ptr<QMimeData> selectionMimeData(const CFrame& frame, bool withImage);

// Copy: the selection goes to the clipboard, then nothing stays selected.
void copySelection(EditingContext& context);
// Cut: the selection goes to the clipboard (own format only) and is removed, as one undo step.
void cutSelection(EditingContext& context);
// Pastes what the data holds into the current frame; false when it holds nothing usable or is
// damaged (said to the user, nothing changes).
bool pasteMimeData(EditingContext& context, const QMimeData& data);
void pasteFromClipboard(EditingContext& context);
// Restores the current frame's layers to before its last edit.
void undoFrameEdit(EditingContext& context);

inline constexpr const char* kDamagedClipboard = "Данные в буфере обмена повреждены. Ничего не вставлено.";

} // namespace lw
