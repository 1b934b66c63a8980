#pragma once
// Editing commands that make the document larger ask first whether it has room (the limits that
// keep it loadable and savable); a refused command says so and changes nothing.
#include "app/editor/editing_context.h"

#include <cstdint>

namespace lw {

inline constexpr const char* kDocumentFull =
    "Документ стал бы слишком большим: ему не хватит памяти, и его нельзя будет сохранить и "
    "открыть снова. Команда не выполнена.";

// True when the document can take `more` pixels (nothing or less always fits); otherwise shows
// kDocumentFull and answers false.
bool haveRoomFor(EditingContext& context, std::int64_t more);
// The same for a change that would leave the document at `after` pixels.
bool haveRoomForTotal(EditingContext& context, std::int64_t after);

} // namespace lw
