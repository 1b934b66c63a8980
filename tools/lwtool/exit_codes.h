#pragma once
#include <string>
// lwtool's exit statuses: scripts tell the kinds of failure apart by them.
namespace lwtool {

enum ExitCode : int {
    kExitOk = 0,
    kExitFailure = 1,      // anything not listed below
    kExitUsage = 2,        // wrong command line
    kExitBadInput = 3,     // the input cannot be read or is not valid
    kExitOutputFailed = 4, // the output cannot be written
};

// A failure with its exit status and a one-line message naming the file and the reason.
struct ToolError {
    ExitCode code;
    std::string message;
};

} // namespace lwtool
