// A fresh folder for one test, removed with everything in it afterwards. As
// the application folder it also isolates the test from the user's files.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace vornax::testing {

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

    // Writes bytes to a file under the folder and gives its path.
    std::filesystem::path write(std::string_view name, std::string_view bytes) const;
    // Reads a whole file (empty when missing).
    static std::string read(const std::filesystem::path& file);

    // Makes this folder the application folder (VORNAX_HOME) until destroyed.
    void useAsAppFolder();

private:
    std::filesystem::path path_;
    bool isAppFolder_ = false;
};

}  // namespace vornax::testing
