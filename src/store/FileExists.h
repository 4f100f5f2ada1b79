// The file-exists test: true when at least one file system entry matches the
// path, whose last component may hold the wildcards "*" and "?". An empty
// path gives false.
#pragma once

#include <string_view>

namespace vornax {

bool fileExists(std::string_view path);

}  // namespace vornax
