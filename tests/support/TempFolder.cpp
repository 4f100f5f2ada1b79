#include "TempFolder.h"

#include "common/AppFolder.h"

#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>

namespace vornax::testing {
namespace fs = std::filesystem;

TempFolder::TempFolder()
{
    std::random_device rd;
    for (;;) {
        path_ = fs::temp_directory_path() / ("vornax-test-" + std::to_string(rd()));
        std::error_code ec;
        if (fs::create_directory(path_, ec))
            break;
    }
}

TempFolder::~TempFolder()
{
    std::error_code ec;
    if (isAppFolder_) {
        ::unsetenv("VORNAX_HOME");
        resetAppFolderForTests();
    }
    // Give back write permission a test may have taken away, then remove.
    for (auto it = fs::recursive_directory_iterator(path_, ec); it != fs::recursive_directory_iterator();
         it.increment(ec))
        fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(path_, ec);
}

fs::path TempFolder::write(std::string_view name, std::string_view bytes) const
{
    const fs::path file = path_ / name;
    fs::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return file;
}

std::string TempFolder::read(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
}

void TempFolder::useAsAppFolder()
{
    ::setenv("VORNAX_HOME", path_.c_str(), 1);
    resetAppFolderForTests();
    isAppFolder_ = true;
}

}  // namespace vornax::testing
