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

PlatformServices& platform() { return *current(); }

void setPlatformServices(PlatformServices* services)
{
    static HeadlessServices headless;
    current() = services ? services : &headless;
}

}  // namespace vornax
