#pragma once
// Dialog 162 "Поворот": the angle "Угол:" in degrees (−359.9 … 359.9), the direction "по час." /
// "против" and "Сгладить".
#include "app/editor/number_field.h"
#include "filters/filter_questions.h"

#include <QString>

#include <variant>

namespace lw {

class RotationModel {
public:
    static constexpr double kMaxDegrees = 359.9;

    explicit RotationModel(const RotationQuestion& question)
        : title_(QString::fromStdString(question.title)), text_(QString::number(question.degrees)),
          counterClockwise_(question.counterClockwise), smooth_(question.smooth)
    {
    }

    const QString& title() const { return title_; }
    const QString& text() const { return text_; }
    void setText(const QString& text) { text_ = text; }
    bool counterClockwise() const { return counterClockwise_; }
    void setCounterClockwise(bool ccw) { counterClockwise_ = ccw; }
    bool smooth() const { return smooth_; }
    void setSmooth(bool smooth) { smooth_ = smooth; }

    std::variant<RotationAnswer, FieldRefusal> accept() const
    {
        double degrees = 0;
        if (auto refusal = checkDecimalField(text_, -kMaxDegrees, kMaxDegrees, 0, &degrees))
            return *refusal;
        return RotationAnswer{degrees, counterClockwise_, smooth_};
    }

private:
    QString title_;
    QString text_;
    bool counterClockwise_ = false;
    bool smooth_ = true;
};

} // namespace lw
