#include "common/PlatformServices.h"

#include <cstdio>

namespace vornax {
namespace {

// Used until a program installs its own services: dialogs are cancelled and
// messages go to standard error, so nothing ever waits on a missing display.
class HeadlessServices final : public PlatformServices {
public:
    std::optional<std::string> openFile(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<std::string> saveFile(const FileDialogRequest&) override { return std::nullopt; }
    void message(const std::string& text, const std::string& title, MessageIcon) override
    {
        std::fprintf(stderr, "%s%s%s\n", title.c_str(), title.empty() ? "" : ": ", text.c_str());
    }
    std::optional<Rgb> pickColour(Rgb) override { return std::nullopt; }
};

PlatformServices*& current()
{
    static HeadlessServices headless;
    static PlatformServices* services = &headless;
    return services;
}

}  // namespace

std::string withFilterExtension(const std::string& path, const std::string& filter, int selectedFilter)
{
    const std::size_t slash = path.find_last_of('/');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    if (name.empty() || name.find('.') != std::string::npos)
        return path;
    // The patterns of the selected pair: the part after its '|'.
    std::size_t at = 0;
    for (int bar = 0; bar < 2 * selectedFilter + 1; ++bar) {
        at = filter.find('|', at);
        if (at == std::string::npos)
            return path;
        ++at;
    }
    const std::string patterns = filter.substr(at, filter.find('|', at) - at);
    const std::string first = patterns.substr(0, patterns.find_first_of("; "));
    if (first.size() < 3 || first.compare(0, 2, "*.") != 0)
        return path;
    const std::string extension = first.substr(2);
    if (extension.find_first_of("*?[") != std::string::npos)
        return path;
    return path + "." + extension;
}

bool PlatformServices::ask(const std::string&, const std::string&) { return false; }

PlatformServices& platform() { return *current(); }

void setPlatformServices(PlatformServices* services)
{
    static HeadlessServices headless;
    current() = services ? services : &headless;
}

}  // namespace vornax
