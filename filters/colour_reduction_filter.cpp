#include "filters/colour_reduction_filter.h"

#include "imaging/reduce_colours.h"

namespace lw {

bool reduceLayerColours(CRaster& raster, int colours)
{
    if (!raster.hasBlock())
        return false;
    const PackedDib reduced = ReduceColours(raster.ToPackedDib32(), colours);
    return raster.LoadPackedDib(reduced) != 0;
}

} // namespace lw
