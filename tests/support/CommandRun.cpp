#include "CommandRun.h"

#include "TempFolder.h"

#include <array>
#include <cstdio>
#include <sys/wait.h>

namespace vornax::testing {

CommandRun runCommand(const std::string& commandLine, const std::filesystem::path& errFile)
{
    CommandRun run;
    const std::string line = errFile.empty() ? commandLine : commandLine + " 2>" + quoted(errFile);
    FILE* pipe = ::popen(line.c_str(), "r");
    if (!pipe)
        return run;
    std::array<char, 4096> buffer{};
    while (const std::size_t n = std::fread(buffer.data(), 1, buffer.size(), pipe))
        run.out.append(buffer.data(), n);
    const int status = ::pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    if (!errFile.empty())
        run.err = TempFolder::read(errFile);
    return run;
}

std::string quoted(const std::filesystem::path& path) { return "'" + path.string() + "'"; }

}  // namespace vornax::testing
