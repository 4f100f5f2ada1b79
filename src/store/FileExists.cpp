#include "store/FileExists.h"

#include <filesystem>
#include <string>

namespace vornax {
namespace {

// Matches a name against a pattern of "*" (any run) and "?" (one character).
bool wildcardMatch(std::string_view pattern, std::string_view name)
{
    std::size_t p = 0, n = 0, star = std::string_view::npos, mark = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == name[n])) {
            ++p;
            ++n;
        } else if (p < pattern.size() && pattern[p] == '*') {
            star = p++;
            mark = n;
        } else if (star != std::string_view::npos) {
            p = star + 1;
            n = ++mark;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

}  // namespace

bool fileExists(std::string_view path)
{
    if (path.empty())
        return false;
    namespace fs = std::filesystem;
    const fs::path full{std::string(path)};
    const std::string pattern = full.filename().string();
    std::error_code ec;
    if (pattern.find_first_of("*?") == std::string::npos)
        return fs::exists(full, ec) || fs::is_symlink(full, ec);
    const fs::path folder = full.has_parent_path() ? full.parent_path() : fs::path(".");
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
        if (wildcardMatch(pattern, entry.path().filename().string()))
            return true;
    }
    return false;
}

}  // namespace vornax
