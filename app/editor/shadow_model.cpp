#include "app/editor/shadow_model.h"

#include "filters/filter_limits.h"

namespace lw {

ShadowModel::ShadowModel(const ShadowQuestion& question)
    : title_(QString::fromStdString(question.title)), texts_{QString::number(question.distance),
                                                             QString::number(question.intensity),
                                                             QString::number(question.radius)},
      useBackground_(question.useBackgroundColour)
{
}

ShadowModel::Range ShadowModel::range(Field field)
{
    // The filter clamps to the same bounds; refusing here tells the user instead.
    switch (field) {
    case Distance:
        return {0, kMaxFilterDistance};
    case Intensity:
        return {0, 100};
    case Radius:
    case FieldCount:
        break;
    }
    return {0, kMaxFilterRadius};
}

std::variant<ShadowAnswer, FieldRefusal> ShadowModel::accept() const
{
    std::array<int, FieldCount> values{};
    for (int f = 0; f < FieldCount; ++f) {
        const Range r = range(static_cast<Field>(f));
        if (auto refusal = checkWholeField(texts_[f], r.minimum, r.maximum, f, &values[f]))
            return *refusal;
    }
    return ShadowAnswer{values[Distance], values[Intensity], values[Radius], useBackground_};
}

} // namespace lw
