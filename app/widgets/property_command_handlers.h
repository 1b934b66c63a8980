#pragma once
// Hooks "Правка текста", "Выбор шрифта", "Стиль фигуры..." and "Вставить символ" to the active
// document, with their dialogs.

namespace lw {

class CommandActions;
class MainWindow;
class UiPort;

void installPropertyCommands(CommandActions& actions, MainWindow& window, UiPort& ui);

} // namespace lw
