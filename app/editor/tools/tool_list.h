#pragma once
// The factories of the thirteen tools, one source file each.
#include "app/editor/tools/tool.h"

namespace lw {

std::unique_ptr<Tool> makeSelectTool();
std::unique_ptr<Tool> makeZoomTool();
std::unique_ptr<Tool> makeNewBitmapTool();
std::unique_ptr<Tool> makeGradientTool();
std::unique_ptr<Tool> makeCropTool();
std::unique_ptr<Tool> makeRectangleTool();
std::unique_ptr<Tool> makeEllipseTool();
std::unique_ptr<Tool> makeLineTool();
std::unique_ptr<Tool> makePencilTool();
std::unique_ptr<Tool> makeTextTool();
std::unique_ptr<Tool> makePickerTool();
std::unique_ptr<Tool> makeEraserTool();
std::unique_ptr<Tool> makeBucketTool();

} // namespace lw
