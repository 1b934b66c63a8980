#pragma once
// The commands on one selected layer's properties and the symbol insertion: "Правка текста",
// "Выбор шрифта", "Стиль фигуры..." and "Вставить символ". Each change is one undo step of the
// current frame and marks the document modified; Cancel changes nothing.
#include "app/editor/property_questions.h"

#include <functional>
#include <span>

namespace lw {

class DocumentSession;
class UiPort;

struct PropertyContext {
    DocumentSession& session;
    UiPort& ui; // where labels report a failed rendering
    PropertyQuestions& questions;
    std::function<void(int)> runCommand; // another command of the table (the bitmap conversion)
};

// The text dialog for the one selected text layer; OK also makes its font the document's.
void editSelectedText(PropertyContext& context);
// The font dialog for the one selected text layer; OK also makes the font the document's.
void chooseSelectedFont(PropertyContext& context);
// The style dialog of the one selected rectangle, ellipse or bitmap.
void editSelectedShapeStyle(PropertyContext& context);
// A symbol from the grid becomes a text layer centred on the frame, selected alone; then it may
// be converted to a bitmap.
void insertSymbol(PropertyContext& context);

std::span<const int> propertyCommandIds();
// Runs one of the four commands; false for another id.
bool runPropertyCommand(int id, PropertyContext& context);

} // namespace lw
