#include "common/AppFolder.h"

#include "common/Translation.h"

#include <cstdlib>
#include <optional>
#include <string>
#include <unistd.h>
#include <utility>

namespace vornax {
namespace fs = std::filesystem;
namespace {

std::optional<fs::path>& cached()
{
    static std::optional<fs::path> folder;
    return folder;
}

bool isWritableFolder(const fs::path& p)
{
    std::error_code ec;
    return fs::is_directory(p, ec) && ::access(p.c_str(), W_OK) == 0;
}

fs::path& shippedOverride()
{
    static fs::path folder;
    return folder;
}

// The folder that could not be written and the shipped one read instead.
std::optional<std::pair<fs::path, fs::path>>& seedProblem()
{
    static std::optional<std::pair<fs::path, fs::path>> problem;
    return problem;
}

// Fills lang/ with the shipped language files, French active, whenever the
// folder has no usable lang/lang.lang: a folder made by hand beforehand, or
// one whose active file was deleted, is filled as a new one is. Files already
// there are kept. When lang.lang cannot be written, the reason is kept for the
// program to say once; it then reads the shipped file instead.
void seedLanguages(const fs::path& home)
{
    const fs::path lang = home / "lang";
    if (isUsableLanguageFile(lang / "lang.lang"))
        return;
    const fs::path shipped = shippedLanguageFolder();
    std::error_code ec;
    if (shipped.empty() || (fs::exists(lang, ec) && fs::equivalent(shipped, lang, ec)))
        return;
    fs::create_directories(lang, ec);
    for (const auto& entry : fs::directory_iterator(shipped, ec)) {
        if (!entry.is_regular_file(ec))
            continue;
        const fs::path to = lang / entry.path().filename();
        if (to.filename() == "lang.lang" || !fs::exists(to, ec)) {
            std::error_code copyError;
            fs::copy_file(entry.path(), to, fs::copy_options::overwrite_existing, copyError);
        }
    }
    if (!isUsableLanguageFile(lang / "lang.lang"))
        seedProblem() = std::pair(lang, shipped);
}

fs::path resolve()
{
    if (const char* env = std::getenv("VORNAX_HOME"); env && *env) {
        fs::path home(env);
        std::error_code ec;
        fs::create_directories(home, ec);
        return home;
    }
    const fs::path exe = executableFolder();
    std::error_code ec;
    if (!exe.empty() && fs::is_directory(exe / "lang", ec) && isWritableFolder(exe))
        return exe;
    fs::path base;
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg)
        base = xdg;
    else if (const char* home = std::getenv("HOME"); home && *home)
        base = fs::path(home) / ".local" / "share";
    else
        base = fs::temp_directory_path(ec);
    const fs::path folder = base / "vornax-meter";
    fs::create_directories(folder, ec);
    return folder;
}

}  // namespace

fs::path executableFolder()
{
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::path() : exe.parent_path();
}

fs::path shippedLanguageFolder()
{
    if (!shippedOverride().empty())
        return shippedOverride();
    // A build tree or a portable copy carries its own lang/; an installed
    // program reads the configured data folder, or the same place relative to
    // the executable when the installed tree was moved.
    const fs::path exe = executableFolder();
    std::error_code ec;
    for (const fs::path& candidate :
         {exe / "lang", fs::path(VORNAX_INSTALLED_LANG_DIR), exe / ".." / "share" / "vornax-meter" / "lang"}) {
        if (fs::is_regular_file(candidate / "lang.lang", ec))
            return fs::weakly_canonical(candidate, ec);
    }
    return {};
}

void setShippedLanguageFolderForTests(const fs::path& folder) { shippedOverride() = folder; }

const fs::path& appFolder()
{
    auto& folder = cached();
    if (!folder) {
        folder = resolve();
        seedLanguages(*folder);
    }
    return *folder;
}

void resetAppFolderForTests()
{
    cached().reset();
    seedProblem().reset();
}

bool isUsableLanguageFile(const fs::path& file)
{
    std::error_code ec;
    return fs::is_regular_file(file, ec) && fs::file_size(file, ec) > 0 && !ec && ::access(file.c_str(), R_OK) == 0;
}

std::optional<std::string> languageFolderProblem()
{
    appFolder();
    if (!seedProblem())
        return std::nullopt;
    // Worded when it is said, in the language then in force.
    return tx("AppFolder", "The language files could not be written to %1; the program runs in French from %2.")
        .arg(seedProblem()->first.string())
        .arg(seedProblem()->second.string())
        .str();
}

fs::path usableActiveLanguageFile()
{
    const fs::path active = appFolder() / "lang" / "lang.lang";
    if (isUsableLanguageFile(active))
        return active;
    const fs::path shipped = shippedLanguageFolder();
    return shipped.empty() ? active : shipped / "lang.lang";
}

fs::path defaultFolder(std::string_view name)
{
    const fs::path folder = appFolder() / fs::path(name);
    std::error_code ec;
    fs::create_directories(folder, ec);
    return folder;
}

}  // namespace vornax
