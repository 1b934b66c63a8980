#include "app/editor/command_actions.h"
#include "app/editor/command_table.h"
#include "app/editor/context_menus.h"

#include "model/bitmap_object.h"
#include "model/document.h"
#include "model/ellipse_object.h"
#include "model/rect_object.h"
#include "model/text_object.h"

#include <QAction>
#include <QKeySequence>
#include <gtest/gtest.h>
#include <map>
#include <set>

namespace {

using namespace lw;

// Every key of the main window's accelerator table, and the keys that only appeared in menu texts.
TEST(CommandTable, EveryAcceleratorReachesItsCommand)
{
    const std::pair<const char*, int> bindings[] = {
        {"Ctrl+A", 32790},
        {"Ctrl+C", 57634},
        {"Ctrl+Ins", 57634},
        {"Ctrl+D", 32844},
        {"Ctrl+Shift+D", 32965},
        {"Ctrl+E", 32784},
        {"Ctrl+F", 32849},
        {"Ctrl+I", 32783},
        {"Ctrl+M", 32897},
        {"Ctrl+N", 57600},
        {"Ctrl+O", 57601},
        {"Ctrl+P", 57607},
        {"Ctrl+S", 57603},
        {"Ctrl+V", 57637},
        {"Shift+Ins", 57637},
        {"Ctrl+X", 57635},
        {"Shift+Del", 57635},
        {"Ctrl+Z", 57643},
        {"Alt+Backspace", 57643},
        {"Del", 32791},
        {"Num++", 32792},
        {"Num+-", 32793},
        {"Num+*", 32859},
        {"Home", 32812},
        {"PgUp", 32813},
        {"PgDown", 32814},
        {"End", 32815},
        {"F5", 32774},
        {"F6", 32773},
        {"Shift+F6", 57681},
        {"F9", 32821},
        {"Ctrl+F9", 32944},
        {"Shift+F9", 32927},
        {"F1", 32885},
        {"Ctrl+Shift+C", 32986},
        {"Ctrl+Shift+N", 32912},
    };
    for (const auto& [key, id] : bindings)
        EXPECT_EQ(commandForKey(key), id) << key;
    // The keypad keys are not the main keyboard's.
    EXPECT_EQ(commandForKey("+"), 0);
    EXPECT_EQ(commandForKey("Ctrl+Q"), 0);
}

TEST(CommandTable, NoKeyIsBoundTwiceAndEveryKeyIsOneKeystroke)
{
    std::map<QKeySequence, int> seen;
    for (const CommandRow& row : commandTable())
        for (const char* key : row.keys) {
            if (!key)
                continue;
            const QKeySequence sequence = QKeySequence::fromString(key, QKeySequence::PortableText);
            EXPECT_EQ(sequence.count(), 1) << key;
            EXPECT_EQ(sequence.toString(QKeySequence::PortableText), QString(key))
                << "not canonical: " << key;
            const auto [it, fresh] = seen.emplace(sequence, row.id);
            EXPECT_TRUE(fresh) << key << " bound to " << it->second << " and " << row.id;
        }
}

TEST(CommandTable, EveryKnownCommandHasOneRowAndOnePlace)
{
    const int known[] = {
        57600, 57601, 32869, 32912, 32867, 57606, 32885, 32898, 32945, 32934, 32935, 32888, 57664, // shell
        32774, 32773, 32809, 32973, 32799, 32775, 32777, 32930, 32778, 32780, 32779, 32782, 32781, // tools
        32810, 32811, 32792, 32793, 32859, 32937, 32940,                                           // view
        32900, 32901, 32902, 32903, 32994, 32995, 32975, 32976, 32977, 32979, 32981, 32980, 32928,
        32849, 57681, 57603, 57607, 57609, 32812, 32813, 32814, 32815, 32853, 32852, 32817, 32820,
        32824, 32844, 32864, 32861, 32891, 32987, 32988, 32791, 32790, 32804, 32807, 32802, 32803,
        32968, 32984, 32896, 32897, 32965, 32986, 32985, 32914, 32915, 32916, 32950, 32917, 32918,
        32800, 32801, 32837, 32841, 32860, 32949, 32921, 32946, 32922, 32933, 32989, 32931, 32948,
        57634, 57635, 57637, 57643, 32783, 32784, 32835, 32889, 32821, 32944, 32927, 32913, 32947,
        57604, 57602, 57665, 57616, 57617, 57618, 57619, 57650, 57651, 57680, 59392, 59393, // desktop
    };
    for (int id : known)
        EXPECT_NE(findCommand(id), nullptr) << id;

    std::set<int> ids;
    std::set<int> onBars;
    for (auto bar : {mainToolBarButtons(), toolBoxButtons(), brushButtons(), colourButtons()})
        for (int id : bar)
            if (id != 0) {
                EXPECT_NE(findCommand(id), nullptr) << "bar button " << id;
                onBars.insert(id);
            }
    for (const CommandRow& row : commandTable()) {
        EXPECT_TRUE(ids.insert(row.id).second) << "two rows for " << row.id;
        EXPECT_FALSE(std::string(row.text).empty()) << row.id;
        const bool inMenu = row.menu != Menu::None;
        const bool barOnly = !inMenu && onBars.count(row.id);
        const bool keyOnly = !inMenu && !barOnly && row.keys[0];
        EXPECT_EQ(int(inMenu) + int(barOnly) + int(keyOnly), 1) << row.id << " has no place";
        EXPECT_TRUE(row.submenu == nullptr || inMenu) << row.id;
    }
    EXPECT_EQ(mainToolBarButtons().size(), 39u);
    EXPECT_EQ(toolBoxButtons().size(), 13u);
}

// A document built in the test and its state.
struct SmallDocument {
    CLWDoc doc;
    CFrame& first() { return *doc.animation.firstFrame; }
    EditorState state(const CFrame& current)
    {
        EditorState s;
        describeDocument(s, doc, current);
        return s;
    }
    template <class Kind> CLayerObject* add(CFrame& frame, bool selected)
    {
        auto object = std::make_unique<Kind>();
        object->Resize({400, 580, 420, 590});
        object->selected = selected ? 1 : 0;
        return frame.AppendObject(std::move(object));
    }
};

bool enabled(int id, const EditorState& state)
{
    return commandEnabled(*findCommand(id), state);
}

TEST(CommandRules, FrameCommandsFollowTheFrameList)
{
    SmallDocument d;
    EditorState one = d.state(d.first());
    for (int id : {32812, 32813, 32814, 32815, 32820, 32824, 32861, 32891})
        EXPECT_FALSE(enabled(id, one)) << "single empty frame: " << id;
    for (int id : {32853, 32852, 32817, 32844, 32985, 32949, 32784, 32835})
        EXPECT_TRUE(enabled(id, one)) << id;

    CFrame* second = d.doc.animation.AppendFrame();
    const EditorState atFirst = d.state(d.first());
    const EditorState atSecond = d.state(*second);
    EXPECT_TRUE(enabled(32820, atFirst)) << "two normal frames";
    EXPECT_TRUE(enabled(32814, atFirst) && enabled(32815, atFirst));
    EXPECT_FALSE(enabled(32812, atFirst) || enabled(32813, atFirst));
    EXPECT_TRUE(enabled(32812, atSecond) && enabled(32813, atSecond));
    EXPECT_FALSE(enabled(32814, atSecond) || enabled(32815, atSecond));
    EXPECT_TRUE(enabled(32891, atFirst)) << "two frames animate";

    // One normal frame and one master frame: deleting and the master toggle only from the master.
    second->masterFrame = 1;
    const EditorState normal = d.state(d.first());
    const EditorState master = d.state(*second);
    EXPECT_FALSE(enabled(32820, normal));
    EXPECT_TRUE(enabled(32820, master));
    EXPECT_FALSE(enabled(32824, normal));
    EXPECT_TRUE(enabled(32824, master));
    EXPECT_TRUE(commandChecked(*findCommand(32824), master));
    EXPECT_FALSE(commandChecked(*findCommand(32824), normal));
}

TEST(CommandRules, LayerCommandsFollowTheSelection)
{
    struct Case {
        const char* what;
        std::vector<int> on;
        std::vector<int> off;
    };
    SmallDocument d;
    CFrame& f = d.first();
    const Case none{
        "nothing selected", {32985, 32949, 32928}, {32791, 32790, 32804, 32965, 57634, 57635, 32800, 32803}};
    for (int id : none.on)
        EXPECT_TRUE(enabled(id, d.state(f))) << none.what << " " << id;
    for (int id : none.off)
        EXPECT_FALSE(enabled(id, d.state(f))) << none.what << " " << id;

    CLayerObject* text = d.add<CTextObject>(f, true);
    const Case oneText{"one text",
                       {32790, 32791, 32802, 32914, 32950, 32837, 32841, 32800, 32801, 32921, 57634, 33100},
                       {32803, 32917, 32918, 32860, 33101, 33112}};
    for (int id : oneText.on)
        EXPECT_TRUE(enabled(id, d.state(f))) << oneText.what << " " << id;
    for (int id : oneText.off)
        EXPECT_FALSE(enabled(id, d.state(f))) << oneText.what << " " << id;

    text->selected = 0;
    d.add<CBitmapObject>(f, true);
    EditorState bitmap = d.state(f);
    for (int id : {32917, 32918, 32914, 32860, 33101, 33102})
        EXPECT_TRUE(enabled(id, bitmap)) << "one bitmap " << id;
    for (int id : {32802, 32837, 33112})
        EXPECT_FALSE(enabled(id, bitmap)) << "one bitmap " << id;
    bitmap.clipboardHasBitmap = true;
    EXPECT_TRUE(enabled(33112, bitmap) && enabled(33113, bitmap));

    d.add<CEllipseObject>(f, true);
    const EditorState two = d.state(f);
    EXPECT_TRUE(enabled(32803, two));
    for (int id : {32800, 32801, 32917, 32860, 32921, 32802})
        EXPECT_FALSE(enabled(id, two)) << "two selected " << id;
}

TEST(CommandRules, EditorStateRules)
{
    EditorState s;
    EXPECT_FALSE(enabled(32792, s)) << "document command without a document";
    EXPECT_TRUE(enabled(57600, s) && enabled(32885, s) && enabled(57664, s));
    EXPECT_FALSE(enabled(57616, s)) << "empty recent list";
    EXPECT_FALSE(enabled(57650, s)) << "no windows to arrange";
    EXPECT_FALSE(enabled(32849, s));

    SmallDocument d;
    s = d.state(d.first());
    EXPECT_TRUE(enabled(32792, s));
    EXPECT_FALSE(enabled(32793, s) || enabled(32859, s));
    s.zoom = 2;
    EXPECT_TRUE(enabled(32793, s) && enabled(32859, s));
    EXPECT_FALSE(enabled(57643, s));
    s.canUndo = true;
    EXPECT_TRUE(enabled(57643, s));
    EXPECT_FALSE(enabled(57637, s));
    s.clipboardHasMetafile = true;
    EXPECT_TRUE(enabled(57637, s));
    EXPECT_FALSE(enabled(32940, s)) << "no GIF saved yet";
    d.doc.animation.sourcePath = "/tmp/a.gif";
    EXPECT_TRUE(enabled(32940, d.state(d.first())));
    EXPECT_FALSE(enabled(32849, s)) << "Ctrl+F has no handler";
}

TEST(CommandRules, DynamicTextsAndChecks)
{
    EditorState s;
    EXPECT_EQ(commandText(*findCommand(32784), s), "Сохранить GIF ");
    EXPECT_EQ(commandText(*findCommand(32835), s), "Сохранить GIF как...");
    s.producesAnimation = true;
    EXPECT_EQ(commandText(*findCommand(32784), s), "Сохранить GIF     ");
    EXPECT_EQ(commandText(*findCommand(32835), s), "Сохранить анимацию как..");

    s.recentFiles = {"/a/one.lwd", "/b/two.lwd"};
    EXPECT_EQ(commandText(*findCommand(57616), s), "&1 /a/one.lwd");
    EXPECT_EQ(commandText(*findCommand(57617), s), "&2 /b/two.lwd");
    EXPECT_EQ(commandText(*findCommand(57618), s), "");
    EXPECT_TRUE(enabled(57617, s));
    EXPECT_FALSE(enabled(57618, s));

    s.tool = 32930;
    s.brush = 4;
    s.visibleBars = {32903, 59393};
    for (const CommandRow& row : commandTable()) {
        const bool expected = row.id == 32930 || row.id == 32981 || row.id == 32903 || row.id == 59393;
        EXPECT_EQ(commandChecked(row, s), expected) << row.id;
    }
    EXPECT_EQ(commandLabel(*findCommand(32869)), "Открыть");
    EXPECT_EQ(commandTip(*findCommand(32917)), "Отразить по горизонтали");
}

TEST(CommandActions, BuildsOneActionPerRowAndRunsOnlyEnabledHandlers)
{
    CommandActions actions;
    for (const CommandRow& row : commandTable()) {
        QAction* a = actions.action(row.id);
        ASSERT_NE(a, nullptr) << row.id;
        EXPECT_FALSE(a->isEnabled()) << "no handler yet: " << row.id;
    }
    EXPECT_EQ(actions.action(57600)->shortcut(), QKeySequence("Ctrl+N"));
    EXPECT_EQ(actions.action(57634)->shortcuts().size(), 2);
    EXPECT_TRUE(actions.action(32774)->isCheckable());
    EXPECT_FALSE(actions.action(57600)->isCheckable());

    int runs = 0;
    actions.setHandler(32793, [&runs] { ++runs; });
    SmallDocument d;
    EditorState s = d.state(d.first());
    actions.refresh(s);
    EXPECT_FALSE(actions.action(32793)->isEnabled()) << "zoom 1";
    actions.action(32793)->trigger();
    EXPECT_EQ(runs, 0) << "a disabled rule stops the handler";
    s.zoom = 4;
    actions.refresh(s);
    EXPECT_TRUE(actions.action(32793)->isEnabled());
    actions.action(32793)->trigger();
    EXPECT_EQ(runs, 1);

    // Tools form one exclusive group.
    s.tool = 32778;
    actions.refresh(s);
    EXPECT_TRUE(actions.action(32778)->isChecked());
    EXPECT_FALSE(actions.action(32774)->isChecked());
    s.recentFiles = {"x.lwd"};
    actions.refresh(s);
    EXPECT_TRUE(actions.action(57616)->isVisible());
    EXPECT_FALSE(actions.action(57617)->isVisible());
}

} // namespace

// Every context pop-up command is a row of the table, none twice in a pop-up.
TEST(ContextPopups, HoldKnownCommandsOnce)
{
    using lw::ContextPopupKind;
    for (ContextPopupKind kind : {ContextPopupKind::Frame, ContextPopupKind::Several, ContextPopupKind::Bitmap,
                                  ContextPopupKind::Rectangle, ContextPopupKind::Text, ContextPopupKind::Ellipse}) {
        const auto ids = lw::contextPopupCommands(kind);
        ASSERT_FALSE(ids.empty());
        std::set<int> seen;
        for (int id : ids) {
            if (id == 0)
                continue;
            EXPECT_NE(lw::findCommand(id), nullptr) << id;
            EXPECT_TRUE(seen.insert(id).second) << id;
        }
    }
    EXPECT_TRUE(lw::contextPopupCommands(ContextPopupKind::None).empty());
}
