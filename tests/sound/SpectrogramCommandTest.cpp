// `vornax plot --spectrogram` as a user runs it: a generated pull drawn as a
// picture of the size asked, and what it refuses with nothing written.
#include "CommandRun.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <QImage>

#include <fstream>

namespace vornax {
namespace {

using testing::quoted;
using testing::runCommand;

TEST(SpectrogramCommand, DrawsAPullWithItsTrack)
{
    const testing::TempFolder folder;
    const auto wav = folder.path() / "pull.wav";
    const std::string vornax = VORNAX_CLI;
    const std::string lang = " --lang " + quoted(VORNAX_LANG_DIR "/francais.txt");
    const auto made = runCommand(
        vornax + " synth --sound --engine 1275 --gear 2 --end-rpm 6000 --lead 1 --lift 0.8 -o " + quoted(wav) + lang);
    ASSERT_EQ(made.status, 0) << made.out;

    for (const char* options : {"", " --log-frequency --size 640x300"}) {
        SCOPED_TRACE(options);
        const auto png = folder.path() / "spectrogram.png";
        std::filesystem::remove(png);
        const auto run = runCommand(vornax + " plot --spectrogram " + quoted(wav) + " -o " + quoted(png) + options,
                                    folder.path() / "err.txt");
        ASSERT_EQ(run.status, 0) << run.out << run.err;
        QImage image;
        ASSERT_TRUE(image.load(QString::fromStdString(png.string())));
        EXPECT_EQ(image.size(), *options ? QSize(640, 300) : QSize(1000, 620));
        // The track's green is drawn over the picture.
        int green = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                green += c.green() > 200 && c.red() < 150 && c.blue() < 150 ? 1 : 0;
            }
        EXPECT_GT(green, image.width()) << "no track drawn";
    }
    const auto svg = folder.path() / "spectrogram.svg";
    ASSERT_EQ(runCommand(vornax + " plot --spectrogram " + quoted(wav) + " -o " + quoted(svg)).status, 0);
    std::ifstream in(svg);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("<image"), std::string::npos);
}

TEST(SpectrogramCommand, RefusesWithAClearMessageAndWritesNothing)
{
    const testing::TempFolder folder;
    const std::string vornax = VORNAX_CLI;
    const auto garbage = folder.path() / "garbage.wav";
    std::ofstream(garbage) << "RIFF, but not really a recording at all";
    const auto png = folder.path() / "out.png";
    const auto stereo = folder.path() / "stereo.wav";
    ASSERT_EQ(runCommand("ffmpeg -v error -y -f lavfi -i sine=f=200:d=4:r=8000 -ac 2 " + quoted(stereo)).status, 0);
    const struct {
        std::string arguments;
        int status;
    } cases[] = {
        {quoted(stereo) + " --channel 3", 1},
        {quoted(stereo) + " --channel sideways", 2},
        {quoted(garbage), 1},
        {quoted(folder.path() / "missing.wav"), 1},
        {quoted(garbage) + " --cylinders 0", 2},
        {quoted(garbage) + " --rpm-range 5000:800", 2},
        {quoted(garbage) + " " + quoted(garbage), 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments);
        const auto run =
            runCommand(vornax + " plot --spectrogram " + c.arguments + " -o " + quoted(png), folder.path() / "err.txt");
        EXPECT_EQ(run.status, c.status);
        EXPECT_FALSE(run.err.empty());
        EXPECT_FALSE(std::filesystem::exists(png));
    }
}

}  // namespace
}  // namespace vornax
