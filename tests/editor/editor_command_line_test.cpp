#include "app/editor/editor_command_line.h"

#include <gtest/gtest.h>

namespace {

using Action = lw::EditorCommandLine::Action;

struct LineCase {
    std::vector<std::string> arguments;
    Action action;
    std::vector<std::string> files;
    std::string printer;
    std::string screenshot;
};

TEST(EditorCommandLine, ParsesEachForm)
{
    const LineCase cases[] = {
        {{}, Action::Run, {}, "", ""},
        {{"a.lwd", "b.gif"}, Action::Run, {"a.lwd", "b.gif"}, "", ""},
        {{"--help"}, Action::Help, {}, "", ""},
        {{"-h", "x.lwd"}, Action::Help, {"x.lwd"}, "", ""},
        {{"--version"}, Action::Version, {}, "", ""},
        {{"--print", "a.lwd"}, Action::Print, {"a.lwd"}, "", ""},
        {{"--print-to", "Office", "a.lwd"}, Action::PrintTo, {"a.lwd"}, "Office", ""},
        {{"--screenshot", "s.png", "a.lwd"}, Action::Run, {"a.lwd"}, "", "s.png"},
        {{"--", "--print"}, Action::Run, {"--print"}, "", ""},
        {{"-"}, Action::Run, {"-"}, "", ""},
        {{"--exit-after-first-paint", "a.lwd"}, Action::Run, {"a.lwd"}, "", ""},
    };
    for (const LineCase& c : cases) {
        const lw::EditorCommandLine line = lw::parseEditorCommandLine(c.arguments);
        SCOPED_TRACE(c.arguments.empty() ? std::string("(none)") : c.arguments.front());
        EXPECT_EQ(line.action, c.action);
        EXPECT_EQ(line.files, c.files);
        EXPECT_EQ(line.printer, c.printer);
        EXPECT_EQ(line.screenshot, c.screenshot);
    }
}

TEST(EditorCommandLine, RefusesIncompleteOrUnknownOptions)
{
    const std::vector<std::string> bad[] = {
        {"--print"},      {"--print-to", "Office"},      {"--screenshot"},
        {"--frobnicate"}, {"--print", "a.lwd", "b.lwd"},
    };
    for (const auto& arguments : bad) {
        const lw::EditorCommandLine line = lw::parseEditorCommandLine(arguments);
        EXPECT_EQ(line.action, Action::Error) << arguments.front();
        EXPECT_FALSE(line.error.empty());
    }
}

} // namespace
