#pragma once
// lwtool's entry: sets up a headless Qt, parses the command line and runs the command.
namespace lwtool {

int run(int argc, char** argv);

} // namespace lwtool
