#pragma once
// What an editing dialog's model answers on OK: its values, or the refusal that names the field
// and the range message (the dialog stays open).
#include "app/editor/number_field.h"

#include <QString>
#include <optional>
#include <variant>

namespace lw {

template <class Answer> using DialogResult = std::variant<Answer, FieldRefusal>;

// Puts a field's refusal into the result; true when there was one.
template <class Answer> bool refused(std::optional<FieldRefusal> refusal, DialogResult<Answer>& result)
{
    if (refusal)
        result = *refusal;
    return refusal.has_value();
}

} // namespace lw
