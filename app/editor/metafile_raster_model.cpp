#include "app/editor/metafile_raster_model.h"

#include <algorithm>

namespace lw {

namespace {

// The linked field's number, held to what an int can show for absurd ratios.
QString linked(double value)
{
    return QString::number(static_cast<long long>(std::clamp(value, -2147483648.0, 2147483647.0)));
}

} // namespace

MetafileRasterModel::MetafileRasterModel(const MetafileRasterQuestion& question)
    : ratio_(question.ratio()), widthText_(QString::number(question.width)),
      heightText_(QString::number(question.height)), remember_(question.rememberForAll)
{
    if (!(ratio_ > 0))
        ratio_ = 1.0;
}

void MetafileRasterModel::typeWidth(const QString& text)
{
    widthText_ = text;
    if (const auto width = parseWholeNumber(text))
        heightText_ = linked(*width / ratio_);
}

void MetafileRasterModel::typeHeight(const QString& text)
{
    heightText_ = text;
    if (const auto height = parseWholeNumber(text))
        widthText_ = linked(*height * ratio_);
}

std::variant<MetafileRasterAnswer, FieldRefusal> MetafileRasterModel::accept() const
{
    constexpr int lo = MetafileRasterQuestion::kMinimum;
    constexpr int hi = MetafileRasterQuestion::kMaximum;
    MetafileRasterAnswer answer;
    answer.rememberForAll = remember_;
    if (auto refusal = checkWholeField(widthText_, lo, hi, Width, &answer.width))
        return *refusal;
    if (auto refusal = checkWholeField(heightText_, lo, hi, Height, &answer.height))
        return *refusal;
    return answer;
}

} // namespace lw
