#pragma once
// Dialogs 233 "Фильтр", 192 "Размытость" and 235 "Уменьшение цветов": one or two labelled
// whole-number fields. Each field refuses a value outside the range its question gives.
#include "app/editor/number_field.h"
#include "filters/filter_questions.h"

#include <QString>

#include <optional>
#include <variant>
#include <vector>

namespace lw {

class FilterValuesModel {
public:
    explicit FilterValuesModel(FilterValuesQuestion question);

    const FilterValuesQuestion& question() const { return question_; }
    int fieldCount() const { return static_cast<int>(texts_.size()); }
    const QString& text(int field) const { return texts_.at(static_cast<std::size_t>(field)); }
    void setText(int field, const QString& text) { texts_.at(static_cast<std::size_t>(field)) = text; }

    // OK: the values, one per field, or the first field that refuses.
    std::variant<std::vector<int>, FieldRefusal> accept() const;

private:
    FilterValuesQuestion question_;
    std::vector<QString> texts_;
};

} // namespace lw
