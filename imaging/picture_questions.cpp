#include "imaging/picture_questions.h"

#include "imaging/gif_save_choices.h"

namespace lw {

int GifSaveQuestion::initialColourCount() const
{
    const GifSaveChoices choices = gifSaveChoices(colourCount, animated);
    return choices.fullPalettePreselected || choices.reduceDefault == 0 ? colourCount : choices.reduceDefault;
}

} // namespace lw
