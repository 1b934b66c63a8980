#pragma once
// lwtool's command line: a subcommand, its input, and options that mirror the editor's dialogs.
#include "tools/lwtool/exit_codes.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace lwtool {

enum class Command { Help, Render, Frame, Html, Avi, Info, Extensions };

struct Options {
    Command command = Command::Help;
    std::string helpTopic; // the subcommand whose help was asked for, empty for the program
    std::string input;
    std::string output;
    std::string extensionsDir; // empty: extensions/ beside the program
    bool quiet = false;
    bool json = false;
    // render
    std::optional<int> colours; // std::nullopt: the dialog's preselection; 0: full palette
    std::optional<bool> optimise;
    bool transparent = false;                    // make one colour transparent instead of optimising
    std::optional<std::uint32_t> transparentRgb; // 0xRRGGBB; none: the first frame's background
    std::optional<int> fromFrame;                // 1-based
    std::optional<int> frame;                    // 1-based, render or frame export
    // html
    std::optional<std::string> gifPath;
    std::optional<std::string> link;
    std::optional<std::string> alt;
    // avi
    std::string codec;
};

// Parses argv (without the program name). Throws ToolError{kExitUsage, ...} on a wrong line.
Options parseCommandLine(const std::vector<std::string>& args);

// Help texts for the program and each subcommand.
std::string programHelp();
std::string commandHelp(const std::string& command);

} // namespace lwtool
