// Running a program the way a user runs it from a shell, for the tests of the
// command line.
#pragma once

#include <filesystem>
#include <string>

namespace vornax::testing {

struct CommandRun {
    int status = -1;  // exit status; -1 when it did not exit normally
    std::string out;  // standard output
    std::string err;  // standard error, when it was sent to a file
};

// Runs `commandLine` through the shell and collects its standard output. With
// `errFile`, standard error goes to that file and is read back into `err`;
// without, it stays where the command line sends it.
CommandRun runCommand(const std::string& commandLine, const std::filesystem::path& errFile = {});

// A path in single quotes for a shell command line.
std::string quoted(const std::filesystem::path& path);

}  // namespace vornax::testing
