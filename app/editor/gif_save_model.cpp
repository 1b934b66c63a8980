#include "app/editor/gif_save_model.h"

#include <QCoreApplication>
#include <algorithm>

namespace lw {

GifSaveModel::GifSaveModel(const GifSaveQuestion& question)
    : question_(question), choices_(gifSaveChoices(question.colourCount, question.animated))
{
    reduce_ = !choices_.fullPalettePreselected && choices_.reduceEnabled;
    reduceCount_ = choices_.reduceDefault;
    optimise_ = choices_.optimiseChecked && choices_.optimiseEnabled;
    transparent_ = choices_.transparentChecked;
    colour_ = question.transparentColour & 0x00FFFFFFu;
}

void GifSaveModel::setReduce(bool reduce)
{
    // Neither radio may be chosen while it is disabled.
    if (reduce && !choices_.reduceEnabled)
        return;
    if (!reduce && !choices_.fullPaletteEnabled)
        return;
    reduce_ = reduce;
}

void GifSaveModel::setReduceCount(int count)
{
    const auto& counts = choices_.reduceCounts;
    if (std::find(counts.begin(), counts.end(), count) != counts.end())
        reduceCount_ = count;
}

int GifSaveModel::paletteCount() const
{
    if (reduce_ && reduceCount_ > 0)
        return reduceCount_;
    return std::clamp(question_.colourCount, 1, 256);
}

GifSaveAnswer GifSaveModel::accept() const
{
    return GifSaveAnswer{paletteCount(), optimise_, transparent_, colour_};
}

QString gifSizeReport(bool optimised, long long bytes)
{
    return optimised ? QCoreApplication::translate("GifSaveModel", "Уменьшено: %1  байт").arg(bytes)
                     : QCoreApplication::translate("GifSaveModel", "Не ужато:    %1  байт").arg(bytes);
}

} // namespace lw
