#pragma once
// Small helpers the filter commands share for asking their questions.
#include "filters/filter_command_texts.h"
#include "filters/filter_questions.h"

#include <optional>
#include <vector>

namespace lw {

// A value dialog (by default 233 "Фильтр" with the group "Параметры"); nothing on Cancel or when
// the answer does not hold one value per field.
inline std::optional<std::vector<int>> askFilterFields(FilterUiPort& ui, std::vector<ValueField> fields,
                                                       const char* title = filtertext::kValuesTitle,
                                                       const char* group = filtertext::kValuesGroup)
{
    const std::size_t count = fields.size();
    auto answer = ui.askFilterValues(FilterValuesQuestion{title, group, std::move(fields)});
    if (!answer || answer->size() != count)
        return std::nullopt;
    return answer;
}

// The OK/Cancel question box without a caption.
inline bool confirmedByOk(UiPort& ui, const char* text)
{
    return ui.messageBox(Message{text, "", MsgIcon::Question, MsgButtons::OkCancel}) == MsgResult::Ok;
}

} // namespace lw
