#pragma once
// Dialog 225 "Окантовка кадра": the width list "Толщина:" ("нет", "1 px" … "10 px", the width is
// the entry's index) and the colour chosen through "Выбор цвета" without transparency.
#include "filters/filter_questions.h"

#include <QString>
#include <QStringList>

#include <cstdint>

namespace lw {

class FrameBorderModel {
public:
    static constexpr int kMaxWidth = 10;

    explicit FrameBorderModel(FrameBorderQuestion question);

    const FrameBorderQuestion& question() const { return question_; }
    static QStringList widthEntries();
    int width() const { return width_; }
    void setWidth(int width);
    std::uint32_t colour() const { return colour_; }
    // The colour dialog's answer; its transparency byte is dropped, the border is always opaque.
    void setColour(std::uint32_t colour) { colour_ = colour & 0x00FFFFFF; }

    FrameBorderAnswer accept() const { return {width_, colour_}; }

private:
    FrameBorderQuestion question_;
    int width_ = 0;
    std::uint32_t colour_ = 0;
};

} // namespace lw
