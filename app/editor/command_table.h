#pragma once
// The one table of every editor command. Menus, bars, keys, context menus and the keyboard help
// page are all built from it, so a command's text, keys and rules live in exactly one row.
//
// Texts are UTF-8 and marked for translation in the context "Command"; show them through
// commandText(). Keys are QKeySequence portable texts ("Ctrl+Shift+N", "Num++").
#include "app/editor/editor_state.h"

#include <array>
#include <span>
#include <string>

namespace lw {

// Where a command lives: a menu of the menu bar, or (for the bar-only and key-only commands) no
// menu at all.
enum class Menu : std::uint8_t { None, File, Edit, View, Frame, Layer, Filters, Effects, Window, Help };
enum class CheckGroup : std::uint8_t {
    None,
    Tool,   // exactly one of the thirteen tools is checked
    Brush,  // exactly one of the six brush sizes
    Toggle, // checked on its own (bars, the master-frame flag)
};
// Commands that work on a document do nothing without one; the others always may run.
enum class Scope : std::uint8_t { Application, Document };

struct CommandRow {
    int id = 0;
    Menu menu = Menu::None;
    const char* submenu = nullptr;     // a submenu of `menu` ("3D фильтр"), null for the menu itself
    bool separatorBefore = false;      // a separator line above it in its menu
    const char* text = "";             // menu text; "\tKEY" names a key bound to another command
    std::array<const char*, 2> keys{}; // keys bound to this command, null when unused
    const char* tip = nullptr;         // tool tip and status tip; null: the menu text
    const char* icon = nullptr;        // icon name: app/icons/<icon>.svg
    CheckGroup check = CheckGroup::None;
    Scope scope = Scope::Document;
    bool (*enabled)(const EditorState&) = nullptr;            // null: always
    bool (*checked)(const EditorState&) = nullptr;            // null: never
    std::string (*dynamicText)(const EditorState&) = nullptr; // null: the fixed text; "" hides it
};

// Every command, menu by menu in menu order.
std::span<const CommandRow> commandTable();
// The row of a command; null for an unknown id.
const CommandRow* findCommand(int id);
// The command a key (portable text) is bound to, 0 when none.
int commandForKey(const std::string& key);

// The rules with the scope folded in: a document command is off without a document.
bool commandEnabled(const CommandRow& row, const EditorState& state);
bool commandChecked(const CommandRow& row, const EditorState& state);
// The menu text for the state, translated; empty when the command is hidden (unused recent slot).
std::string commandText(const CommandRow& row, const EditorState& state);
// The menu text without the key part and the trailing dots and blanks ("Открыть...\tCtrl+O" →
// "Открыть"), translated: what tool tips and the keyboard page show.
std::string commandLabel(const CommandRow& row);
// The tool tip (the row's tip, else its label).
std::string commandTip(const CommandRow& row);

// Bars, in button order; 0 is a separator.
std::span<const int> mainToolBarButtons();
std::span<const int> toolBoxButtons();
std::span<const int> brushButtons();
std::span<const int> colourButtons();

// The submenu titles, in the order the submenus appear.
inline constexpr const char* kSubmenuNewFrame = "Новый кадр";
inline constexpr const char* kSubmenuRotate = "Повернуть";
inline constexpr const char* kSubmenuMirror = "Отразить";
inline constexpr const char* kSubmenu3D = "3D фильтр";
inline constexpr const char* kSubmenuBlur = "Размытость";
// The menu bar's titles.
const char* menuTitle(Menu menu);

} // namespace lw
