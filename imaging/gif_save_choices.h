#pragma once
// What the GIF save settings dialog offers for a picture of c colours, and what it preselects.
// The editor binds its widgets to this; lwtool takes the preselections as its defaults.
#include <string>
#include <vector>

namespace lw {

struct GifSaveChoices {
    std::string fullPaletteLabel; // "Вся палитра   (%d цветов)" or the one-colour form
    bool fullPaletteEnabled = true;
    bool fullPalettePreselected = true;
    std::vector<int> reduceCounts; // the combo's values, largest first
    bool reduceEnabled = true;
    int reduceDefault = 0; // the first listed value, 0 when none is listed
    bool optimiseEnabled = true;
    bool optimiseChecked = true;
    bool transparentChecked = false;
};

GifSaveChoices gifSaveChoices(int colourCount, bool animated);

} // namespace lw
