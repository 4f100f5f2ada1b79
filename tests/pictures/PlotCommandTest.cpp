// `vornax plot` as a user runs it, on the files `vornax demo` leaves.
#include "CommandRun.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace vornax {
namespace {

#ifdef VORNAX_HAS_PICTURES

namespace fs = std::filesystem;
using testing::quoted;
using testing::TempFolder;

// PNG width and height from its header.
std::pair<int, int> pngSize(const std::string& bytes)
{
    const auto big = [&](std::size_t at) {
        int v = 0;
        for (std::size_t k = 0; k < 4; ++k)
            v = v * 256 + static_cast<unsigned char>(bytes[at + k]);
        return v;
    };
    return bytes.size() > 24 && bytes.substr(1, 3) == "PNG" ? std::pair{big(16), big(20)} : std::pair{0, 0};
}

class PlotCommand : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        folder = new TempFolder;
        const testing::CommandRun demo =
            testing::runCommand(std::string(VORNAX_CLI) + " demo --out " + quoted(folder->path()) + " --lang " +
                                VORNAX_LANG_DIR + "/francais.txt >/dev/null");
        ASSERT_EQ(demo.status, 0);
    }
    static void TearDownTestSuite() { delete folder; }

    testing::CommandRun plot(const std::string& arguments)
    {
        return testing::runCommand("VORNAX_HOME=" + quoted(home.path()) + " " + VORNAX_CLI + " plot " + arguments +
                                       " --lang " + VORNAX_LANG_DIR + "/english.txt",
                                   home / "err.txt");
    }
    static std::string file(const char* name) { return quoted(folder->path() / name); }

    static TempFolder* folder;
    TempFolder home;
};
TempFolder* PlotCommand::folder = nullptr;

TEST_F(PlotCommand, DrawsEachKindOfFile)
{
    const auto out = home / "curve.png";
    const testing::CommandRun curve = plot(file("RPM/demo-1275.ReT") + " -o " + quoted(out));
    ASSERT_EQ(curve.status, 0) << curve.err;
    EXPECT_EQ(pngSize(TempFolder::read(out)), (std::pair{1000, 620}));

    const auto acc = home / "acc.png";
    ASSERT_EQ(plot(file("Acc/demo-1275.txt") + " -o " + quoted(acc) + " --size 640x400").status, 0);
    EXPECT_EQ(pngSize(TempFolder::read(acc)), (std::pair{640, 400}));

    // Several power curves: one plot, each file named in the legend.
    const auto svg = home / "power.svg";
    const testing::CommandRun power =
        plot(file("Puissance/demo-1275.txt") + " " + file("Puissance/demo-1275-truth.txt") + " -o " + quoted(svg));
    ASSERT_EQ(power.status, 0) << power.err;
    const std::string drawing = TempFolder::read(svg);
    EXPECT_NE(drawing.find("<svg"), std::string::npos);
    EXPECT_NE(drawing.find("demo-1275-truth.txt"), std::string::npos);
    EXPECT_NE(drawing.find("max: "), std::string::npos);
}

TEST_F(PlotCommand, RefusesWhatItCannotDrawWithoutWritingAPicture)
{
    const auto out = home / "p.png";
    struct Case {
        std::string arguments;
        int status;
        const char* inMessage;
    } const cases[] = {
        {file("RPM/demo-1275.ReT") + " " + file("Puissance/demo-1275.txt") + " -o " + quoted(out), 2, "power"},
        {file("RPM/demo-1275.ReT") + " -o " + quoted(out) + " --size 20x5000000", 2, "--size"},
        {file("RPM/demo-1275.ReT") + " -o " + quoted(out) + " --size big", 2, "--size"},
        {quoted(home / "none.txt") + " -o " + quoted(out), 1, "none.txt"},
        {file("Mini/demo-1275.Dat") + " -o " + quoted(out), 1, "demo-1275.Dat"},
        {file("RPM/demo-1275.ReT") + " -o " + file("RPM/demo-1275.ReT"), 1, "input"},
    };
    for (const Case& c : cases) {
        const testing::CommandRun r = plot(c.arguments);
        EXPECT_EQ(r.status, c.status) << c.arguments << "\n" << r.err;
        EXPECT_NE(r.err.find(c.inMessage), std::string::npos) << c.arguments << "\n" << r.err;
        EXPECT_FALSE(fs::exists(out)) << c.arguments;
    }
}

#endif

}  // namespace
}  // namespace vornax
