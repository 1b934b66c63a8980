#include "imaging/gif_save_choices.h"

namespace lw {

GifSaveChoices gifSaveChoices(int colourCount, bool animated)
{
    GifSaveChoices c;
    c.fullPaletteLabel = colourCount == 1 ? "Вся палитра   (1 Цвет) "
                                          : "Вся палитра   (" + std::to_string(colourCount) + " цветов)";
    c.fullPaletteEnabled = colourCount <= 256;
    c.fullPalettePreselected = colourCount < 256;
    for (int value : {256, 128, 64, 32, 16, 8, 4})
        if (colourCount > value)
            c.reduceCounts.push_back(value);
    c.reduceDefault = c.reduceCounts.empty() ? 0 : c.reduceCounts.front();
    c.reduceEnabled = colourCount > 4;
    c.optimiseEnabled = animated;
    return c;
}

} // namespace lw
