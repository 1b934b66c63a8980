#include "app/editor/command_table.h"
#include "tools/keyboard_page/keyboard_page.h"

#include <QXmlStreamReader>
#include <gtest/gtest.h>
#include <map>

using Caps = std::vector<std::string>;

TEST(KeyboardPage, KeyCapsFromThePortableForm)
{
    const struct {
        const char* key;
        Caps caps;
    } cases[] = {
        {"F1", {"F1"}},
        {"Ctrl+Shift+D", {"Ctrl", "Shift", "D"}},
        {"Alt+Backspace", {"Alt", "Backspace"}},
        {"Shift+Del", {"Shift", "Del"}},
        {"Num++", {"Num +"}},
        {"Num+-", {"Num -"}},
        {"Num+*", {"Num *"}},
        {"PgDown", {"PgDown"}},
        {"", {}},
        {"Ctrl+NoSuchKey", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(lw::keyCaps(c.key), c.caps) << c.key;
}

// Each key combination of the page, with the text of the command cell beside it.
std::map<std::string, std::string> commandsByKey(const std::string& page)
{
    std::map<std::string, std::string> found;
    const std::string open = "<tr><td>", middle = "</td><td>", close = "</td></tr>";
    for (std::size_t at = page.find(open); at != std::string::npos; at = page.find(open, at + 1)) {
        const std::size_t keysStart = at + open.size();
        const std::size_t keysEnd = page.find(middle, keysStart);
        const std::size_t labelEnd = page.find(close, keysEnd);
        const std::string keys = page.substr(keysStart, keysEnd - keysStart);
        const std::string label = page.substr(keysEnd + middle.size(), labelEnd - keysEnd - middle.size());
        std::size_t from = 0;
        for (std::size_t comma; (comma = keys.find(", ", from)) != std::string::npos; from = comma + 2)
            found[keys.substr(from, comma - from)] = label;
        found[keys.substr(from)] = label;
    }
    return found;
}

TEST(KeyboardPage, ListsEveryBoundKeyWithItsCommand)
{
    const auto onPage = commandsByKey(lw::keyboardPageHtml());
    std::size_t bound = 0;
    for (const lw::CommandRow& row : lw::commandTable())
        for (const char* key : row.keys) {
            if (!key)
                continue;
            ++bound;
            std::string combination;
            for (const std::string& cap : lw::keyCaps(key))
                combination += (combination.empty() ? "" : "+") + ("<kbd>" + cap + "</kbd>");
            ASSERT_FALSE(combination.empty()) << key;
            const auto it = onPage.find(combination);
            ASSERT_NE(it, onPage.end()) << key;
            EXPECT_NE(it->second.find(lw::commandLabel(row)), std::string::npos) << key << ": " << it->second;
        }
    EXPECT_GT(bound, 30u);
    EXPECT_EQ(onPage.size(), bound) << "no key twice, none that the table does not bind";
}

TEST(KeyboardPage, IsWellFormed)
{
    // Only the doctype is HTML-specific; the rest must parse as XML (closed tags, escaped text).
    std::string page = lw::keyboardPageHtml();
    page.erase(0, page.find('\n') + 1);
    QXmlStreamReader reader(QByteArray::fromStdString(page));
    while (!reader.atEnd())
        reader.readNext();
    EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString() << " at line "
                                    << reader.lineNumber();
}
