#include "app/editor/filter_values_model.h"

namespace lw {

FilterValuesModel::FilterValuesModel(FilterValuesQuestion question) : question_(std::move(question))
{
    for (const ValueField& field : question_.fields)
        texts_.push_back(QString::number(field.value));
}

std::variant<std::vector<int>, FieldRefusal> FilterValuesModel::accept() const
{
    std::vector<int> values(texts_.size());
    for (std::size_t i = 0; i < texts_.size(); ++i) {
        const ValueField& field = question_.fields[i];
        if (auto refusal =
                checkWholeField(texts_[i], field.minimum, field.maximum, static_cast<int>(i), &values[i]))
            return *refusal;
    }
    return values;
}

} // namespace lw
