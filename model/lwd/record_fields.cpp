#include "model/lwd/record_fields.h"

namespace lw {

void readCommonRecordFields(CLayerObject& object, const RecordCommon& common, bool sizeImages)
{
    object.rect = common.rect;
    if (sizeImages)
        object.ResizeImages(rectWidth(common.rect), rectHeight(common.rect));
    object.position = {common.rect.left, common.rect.top};
    object.introEffect = common.intro;
    object.outroEffect = common.outro;
    object.animationEffect = common.animation;
}

RecordCommon commonRecordFields(const CLayerObject& object)
{
    return {object.rect, object.introEffect, object.outroEffect, object.animationEffect};
}

} // namespace lw
