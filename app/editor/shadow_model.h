#pragma once
// Dialog 242 "Тень / Размытость": distance, intensity and radius, and "Применить цвет фона".
#include "app/editor/number_field.h"
#include "filters/filter_questions.h"

#include <QString>

#include <array>
#include <variant>

namespace lw {

class ShadowModel {
public:
    enum Field { Distance, Intensity, Radius, FieldCount };
    struct Range {
        int minimum;
        int maximum;
    };

    explicit ShadowModel(const ShadowQuestion& question);

    const QString& title() const { return title_; }
    static Range range(Field field);
    const QString& text(Field field) const { return texts_[field]; }
    void setText(Field field, const QString& text) { texts_[field] = text; }
    bool useBackgroundColour() const { return useBackground_; }
    void setUseBackgroundColour(bool use) { useBackground_ = use; }

    std::variant<ShadowAnswer, FieldRefusal> accept() const;

private:
    QString title_;
    std::array<QString, FieldCount> texts_;
    bool useBackground_ = false;
};

} // namespace lw
