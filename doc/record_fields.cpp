#include "doc/record_fields.h"

namespace lw {

void readCommonRecordFields(CLayerObject& object, const RecordCommon& common)
{
    object.rect.left = common.rect.left;
    object.rect.top = common.rect.top;
    object.ResizeImages(rectWidth(common.rect), rectHeight(common.rect));
    object.rect = common.rect;
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
