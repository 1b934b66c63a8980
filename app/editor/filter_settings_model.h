#pragma once
// Dialog 234 "Настройки фильтра": a list of choices in a group and the "Reverse" check box.
#include "filters/filter_questions.h"

#include <algorithm>

namespace lw {

class FilterSettingsModel {
public:
    explicit FilterSettingsModel(FilterSettingsQuestion question)
        : question_(std::move(question)), choice_(clampChoice(question_.choice)), reverse_(question_.reverse)
    {
    }

    const FilterSettingsQuestion& question() const { return question_; }
    int choice() const { return choice_; }
    bool reverse() const { return reverse_; }
    void setChoice(int choice) { choice_ = clampChoice(choice); }
    void setReverse(bool reverse) { reverse_ = reverse; }

    FilterSettingsAnswer accept() const { return {choice_, reverse_}; }

private:
    int clampChoice(int choice) const
    {
        const int last = static_cast<int>(question_.choices.size()) - 1;
        return last < 0 ? 0 : std::clamp(choice, 0, last);
    }

    FilterSettingsQuestion question_;
    int choice_ = 0;
    bool reverse_ = false;
};

} // namespace lw
