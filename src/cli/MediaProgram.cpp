#include "cli/MediaProgram.h"

#include "cli/CliSupport.h"

#include <cerrno>
#include <cstring>
#include <iostream>
#include <system_error>
#include <vector>

#include <unistd.h>

namespace vornax::cli {
namespace {

std::vector<char*>& commandLine()
{
    static std::vector<char*> line;
    return line;
}

}  // namespace

void keepCommandLine(int argc, char** argv) { commandLine().assign(argv, argv + argc + 1); }

std::filesystem::path mediaProgram()
{
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    const std::filesystem::path folder = error ? std::filesystem::current_path(error) : self.parent_path();
    const std::filesystem::path beside = folder / VORNAX_MEDIA_PROGRAM;
    if (std::filesystem::exists(beside, error))
        return beside;
    return (folder / VORNAX_MEDIA_FOLDER / VORNAX_MEDIA_PROGRAM).lexically_normal();
}

void handOverToMedia(const std::string& what)
{
    const std::filesystem::path program = mediaProgram();
    int error = ENOEXEC;
    if (!commandLine().empty()) {
        std::cout.flush();
        std::cerr.flush();
        ::execv(program.c_str(), commandLine().data());
        error = errno;
    }
    throw BadInput(what + " needs the media module " + program.string() + ", which cannot run (" +
                   std::strerror(error) + "): install the program again");
}

}  // namespace vornax::cli
