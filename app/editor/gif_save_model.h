#pragma once
// "Настройки сохранения GIF файла" without widgets: the choices for the picture's colour count,
// what the user has set so far, which controls may be used, and the answer OK gives.
#include "imaging/gif_save_choices.h"
#include "imaging/picture_questions.h"

#include <QString>
#include <cstdint>

namespace lw {

class GifSaveModel {
public:
    explicit GifSaveModel(const GifSaveQuestion& question);

    const GifSaveChoices& choices() const { return choices_; }
    bool animated() const { return question_.animated; }
    int colourCount() const { return question_.colourCount; }

    // "Вся палитра" (false) or "Ужать до:" (true).
    bool reduce() const { return reduce_; }
    void setReduce(bool reduce);
    // The combo's value; only the listed values are taken.
    int reduceCount() const { return reduceCount_; }
    void setReduceCount(int count);
    bool optimise() const { return optimise_; }
    void setOptimise(bool optimise) { optimise_ = optimise && choices_.optimiseEnabled; }
    bool transparent() const { return transparent_; }
    void setTransparent(bool transparent) { transparent_ = transparent; }
    std::uint32_t transparentColour() const { return colour_; } // 0x00BBGGRR
    void setTransparentColour(std::uint32_t colour) { colour_ = colour & 0x00FFFFFFu; }

    bool comboEnabled() const { return reduce_ && choices_.reduceEnabled; }
    bool pickColourEnabled() const { return transparent_ && question_.animated; }
    bool previewEnabled() const { return question_.animated; }

    // The count the palette is built with: the combo value when reducing, else the colour count.
    int paletteCount() const;
    GifSaveAnswer accept() const;

private:
    GifSaveQuestion question_;
    GifSaveChoices choices_;
    bool reduce_ = false;
    int reduceCount_ = 0;
    bool optimise_ = true;
    bool transparent_ = false;
    std::uint32_t colour_ = 0;
};

// What "Просмотр" reports about the built stream: "Уменьшено: %d  байт" when the frames were
// optimised, else "Не ужато:    %d  байт".
QString gifSizeReport(bool optimised, long long bytes);

} // namespace lw
