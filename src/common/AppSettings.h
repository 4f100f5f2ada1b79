// The program's own settings, kept between runs in one small text file of
// the application folder, "settings.txt": one "key=value" line each (UTF-8,
// CR LF). Settings are remembered choices such as the air of the last run;
// the language lives in the language files, never here. A missing or damaged
// file reads as no settings: every reader has its default.
#pragma once

#include "common/Result.h"

#include <filesystem>
#include <map>
#include <string>
#include <string_view>

namespace vornax {

using Settings = std::map<std::string, std::string, std::less<>>;

// settings.txt under the application folder.
std::filesystem::path settingsFile();

// The file's keys and values; lines without "=" are skipped.
Settings readSettings(const std::filesystem::path& file = settingsFile());

// Sets the keys given and keeps every other line's key, through a temporary
// file. Keys hold no "=" and neither holds a line end.
Status writeSettings(const Settings& changed, const std::filesystem::path& file = settingsFile());

}  // namespace vornax
