#include "tools/lwtool/command_line.h"

#include <gtest/gtest.h>

using namespace lwtool;

namespace {

ExitCode failure(const std::vector<std::string>& args)
{
    try {
        parseCommandLine(args);
    } catch (const ToolError& e) {
        EXPECT_NE(e.message.find("--help"), std::string::npos) << "usage errors point at the help";
        return e.code;
    }
    return kExitOk;
}

} // namespace

TEST(LwtoolCommandLine, RenderOptionsMirrorTheSaveDialog)
{
    const Options o =
        parseCommandLine({"render", "in.lwd", "-o", "out.gif", "--colours", "64", "--no-optimise",
                          "--transparent", "#FF8000", "--from-frame", "3", "--extensions", "/x", "-q"});
    EXPECT_EQ(o.command, Command::Render);
    EXPECT_EQ(o.input, "in.lwd");
    EXPECT_EQ(o.output, "out.gif");
    EXPECT_EQ(o.colours, 64);
    EXPECT_EQ(o.optimise, false);
    EXPECT_TRUE(o.transparent);
    EXPECT_EQ(o.transparentRgb, 0xFF8000u);
    EXPECT_EQ(o.fromFrame, 3);
    EXPECT_EQ(o.extensionsDir, "/x");
    EXPECT_TRUE(o.quiet);
    const Options d = parseCommandLine({"render", "a.gif", "-o", "b.gif"});
    EXPECT_FALSE(d.colours.has_value()) << "the dialog's preselection decides";
    EXPECT_FALSE(d.optimise.has_value());
    EXPECT_EQ(parseCommandLine({"render", "a", "-o", "b", "--colours", "full"}).colours, 0);
    const Options bare = parseCommandLine({"render", "a.lwd", "--transparent", "-o", "b.gif"});
    EXPECT_TRUE(bare.transparent);
    EXPECT_FALSE(bare.transparentRgb.has_value()) << "the first frame's background then";
    const Options last = parseCommandLine({"render", "in.lwd", "-o", "b.gif", "--transparent", "abcdef"});
    EXPECT_EQ(last.transparentRgb, 0xABCDEFu);
    EXPECT_EQ(last.input, "in.lwd");
    // A file name that happens to be six hex digits with an extension is still a file.
    EXPECT_EQ(parseCommandLine({"render", "--transparent", "abcdef.gif", "-o", "b.gif"}).input, "abcdef.gif");
}

TEST(LwtoolCommandLine, OtherCommands)
{
    EXPECT_EQ(parseCommandLine({"frame", "a.lwd", "-o", "f.jpg", "--frame", "2"}).frame, 2);
    const Options h = parseCommandLine({"html", "a.lwd", "--link", "http://x/", "--alt", "Sale"});
    EXPECT_EQ(h.link, "http://x/");
    EXPECT_EQ(h.alt, "Sale");
    EXPECT_EQ(parseCommandLine({"avi", "--codec", "list"}).codec, "list");
    EXPECT_EQ(parseCommandLine({"avi", "a.lwd", "-o", "a.avi"}).codec, "");
    EXPECT_TRUE(parseCommandLine({"info", "a.lwd", "--json"}).json);
    EXPECT_EQ(parseCommandLine({"extensions"}).command, Command::Extensions);
    EXPECT_EQ(parseCommandLine({}).command, Command::Help);
    const Options help = parseCommandLine({"render", "--help"});
    EXPECT_EQ(help.command, Command::Help);
    EXPECT_EQ(help.helpTopic, "render");
    EXPECT_NE(commandHelp("render").find("--colours"), std::string::npos);
}

TEST(LwtoolCommandLine, UsageErrors)
{
    EXPECT_EQ(failure({"paint", "x"}), kExitUsage);
    EXPECT_EQ(failure({"render", "in.lwd"}), kExitUsage) << "no output";
    EXPECT_EQ(failure({"render", "-o", "x.gif"}), kExitUsage) << "no input";
    EXPECT_EQ(failure({"render", "a", "b", "-o", "x.gif"}), kExitUsage);
    EXPECT_EQ(failure({"render", "a", "-o", "x.gif", "--colours", "100"}), kExitUsage);
    EXPECT_EQ(failure({"render", "a", "-o", "x.gif", "--transparent", "#12345"}), kExitUsage);
    EXPECT_EQ(failure({"render", "a", "-o", "x.gif", "--frame", "0"}), kExitUsage);
    EXPECT_EQ(failure({"render", "a", "-o", "x.gif", "--frame", "2", "--from-frame", "1"}), kExitUsage);
    EXPECT_EQ(failure({"render", "a", "-o"}), kExitUsage);
    EXPECT_EQ(failure({"info", "a", "--codec", "x"}), kExitUsage) << "options of another command";
    EXPECT_EQ(failure({"html", "a", "--bogus"}), kExitUsage);
}
