#include "tools/keyboard_page/keyboard_page.h"

#include "app/editor/command_table.h"

#include <QKeySequence>
#include <algorithm>

namespace lw {
namespace {

std::string escaped(const std::string& text)
{
    std::string out;
    for (char c : text) {
        if (c == '&')
            out += "&amp;";
        else if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else
            out += c;
    }
    return out;
}

std::string withoutMnemonic(std::string title)
{
    std::erase(title, '&');
    return title;
}

std::string keysCell(const CommandRow& row)
{
    std::string cell;
    for (const char* key : row.keys) {
        if (!key)
            continue;
        if (!cell.empty())
            cell += ", ";
        std::string combination;
        for (const std::string& cap : keyCaps(key))
            combination += (combination.empty() ? "" : "+") + ("<kbd>" + escaped(cap) + "</kbd>");
        cell += combination;
    }
    return cell;
}

bool hasKeys(const CommandRow& row)
{
    return std::any_of(row.keys.begin(), row.keys.end(), [](const char* k) { return k != nullptr; });
}

std::string section(const std::string& title, Menu menu)
{
    std::string rows;
    for (const CommandRow& row : commandTable()) {
        if (row.menu != menu || !hasKeys(row))
            continue;
        std::string label = escaped(commandLabel(row));
        if (row.submenu)
            label = escaped(row.submenu) + " → " + label;
        rows += "  <tr><td>" + keysCell(row) + "</td><td>" + label + "</td></tr>\n";
    }
    if (rows.empty())
        return {};
    return "<h2>" + escaped(title) +
           "</h2>\n<table class=\"keys\">\n  <tr><th>Клавиши</th><th>Команда</th></tr>\n" + rows +
           "</table>\n";
}

} // namespace

std::vector<std::string> keyCaps(const std::string& portableKey)
{
    const QKeySequence sequence =
        QKeySequence::fromString(QString::fromStdString(portableKey), QKeySequence::PortableText);
    if (sequence.isEmpty() || sequence[0].key() == Qt::Key_unknown)
        return {};
    const QKeyCombination combination = sequence[0];
    const Qt::KeyboardModifiers modifiers = combination.keyboardModifiers();
    std::vector<std::string> caps;
    if (modifiers & Qt::ControlModifier)
        caps.push_back("Ctrl");
    if (modifiers & Qt::AltModifier)
        caps.push_back("Alt");
    if (modifiers & Qt::ShiftModifier)
        caps.push_back("Shift");
    std::string key = QKeySequence(combination.key()).toString(QKeySequence::PortableText).toStdString();
    if (modifiers & Qt::KeypadModifier)
        key = "Num " + key;
    caps.push_back(key);
    return caps;
}

std::string keyboardPageHtml()
{
    std::string page = R"(<!DOCTYPE html>
<html lang="ru">
<head>
<meta charset="utf-8"/>
<title>Loopwright GIF Animator — Клавиатура</title>
<link rel="stylesheet" href="help.css"/>
</head>
<body>
<header>
  <img src="loopwright.svg" alt=""/>
  <div>
    <h1>Клавиатура</h1>
    <p>Все сочетания клавиш редактора</p>
  </div>
</header>
<nav>
  <a href="index.htm">Справка</a>
  <a href="tutorial.htm">Обучение «шаг за шагом»</a>
  <a href="keyboard.htm">Клавиатура</a>
</nav>
<main>
<p>Команды сгруппированы по меню, в котором они находятся. Клавиши-стрелки сдвигают выделенные
слои на одну точку.</p>
)";
    std::vector<Menu> menus;
    for (const CommandRow& row : commandTable())
        if (row.menu != Menu::None && std::find(menus.begin(), menus.end(), row.menu) == menus.end())
            menus.push_back(row.menu);
    for (Menu menu : menus)
        page += section("Меню «" + withoutMnemonic(menuTitle(menu)) + "»", menu);
    page += section("Инструменты и другие команды", Menu::None);
    page +=
        "</main>\n<footer>Loopwright GIF Animator " LW_VERSION_TEXT " · Quarvex</footer>\n</body>\n</html>\n";
    return page;
}

} // namespace lw
