#pragma once
// An effect attached to a frame or a layer object: which effect, how fast, and the value its
// advanced settings returned. Three per frame and per object (intro, outro, animation).
#include <cstdint>

namespace lw {

struct EffectAssignment {
    std::int32_t effectId = 0; // 0: no effect
    std::int32_t speed = 0;    // 0 "Ultra Fast" … 5 "Very Slow"; an intro or outro lasts 2^speed steps
    std::int32_t param = 0;    // 0: the effect's defaults; reset whenever another effect is chosen

    bool operator==(const EffectAssignment&) const = default;
};

enum class EffectKind : std::int32_t { Intro = 1, Outro = 2, Animation = 3 };

} // namespace lw
