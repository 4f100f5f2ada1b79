// The work that needs FFmpeg's decoders or Qt Gui runs in a second program,
// the media program (vornax-media), so that `vornax` itself links neither and
// every other command starts in milliseconds. The media program is the whole
// command line: `vornax` hands it the very command line it was given, and
// its output and exit status are the command's.
#pragma once

#include <filesystem>
#include <string>

namespace vornax::cli {

// The command line as main() received it, kept for the hand-over.
void keepCommandLine(int argc, char** argv);

// Where the media program is looked for: beside `vornax` (a build folder, a
// portable copy), then in the installed layout's private program folder.
std::filesystem::path mediaProgram();

// Runs the media program in place of this process with the same command
// line. Returns only when it cannot: BadInput saying that `what` needs the
// media module, which is missing (exit 1).
[[noreturn]] void handOverToMedia(const std::string& what);

}  // namespace vornax::cli
