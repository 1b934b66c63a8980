#pragma once
// The plain number question: one whole-number field with a prompt, refused outside its range.
#include "app/editor/number_field.h"
#include "platform/ui_port.h"

#include <QString>

#include <variant>

namespace lw {

class NumberQuestionModel {
public:
    explicit NumberQuestionModel(NumberQuestion question)
        : question_(std::move(question)), text_(QString::number(question_.value))
    {
    }

    const NumberQuestion& question() const { return question_; }
    const QString& text() const { return text_; }
    void setText(const QString& text) { text_ = text; }

    std::variant<int, FieldRefusal> accept() const
    {
        int value = 0;
        if (auto refusal = checkWholeField(text_, question_.minimum, question_.maximum, 0, &value))
            return *refusal;
        return value;
    }

private:
    NumberQuestion question_;
    QString text_;
};

} // namespace lw
