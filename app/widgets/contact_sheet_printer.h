#pragma once
// The contact sheet on a printer (or a PDF file, or the preview): each normal frame's finished
// image with its delay, under a header with the product and document title, above a page number.
#include "app/editor/contact_sheet.h"

class QPrinter;

namespace lw {

class CLWDoc;

// The layout for this printer's printable area and this document.
ContactSheet contactSheetFor(const QPrinter& printer, const CLWDoc& doc);

// Commits every frame's pending edit so that the finished images are current.
void commitAllFrames(CLWDoc& doc);

// Prints the printer's page range (all pages when none is chosen); false when the printer could
// not be started.
bool printContactSheet(QPrinter& printer, const CLWDoc& doc);

} // namespace lw
