// The WAV window with the engine's sound as its source, offscreen: a
// generated pull tracked off the window's thread and measured against the
// synth's truth, the spectrogram with the track over it, the confidence
// line, the refusal of an unsure track, a click that moves the track, the
// cancel, and the way back to the ignition.
#include "ScriptedPlatform.h"
#include "SynthTestSupport.h"
#include "TempFolder.h"
#include "common/WavHeader.h"
#include "gui/common/PlotCanvas.h"
#include "paint/ProgramLanguage.h"
#include "gui/common/WindowManager.h"
#include "store/Varia.h"
#include "signal/CurveFile.h"
#include "signal/PreciseCurve.h"
#include "sound/SoundCurve.h"
#include "gui/signal/WavWindow.h"
#include "synth/EngineSound.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <random>

namespace vornax {
namespace {

using testing::ScriptedPlatform;
using testing::TempFolder;

struct Pull {
    std::string path;
    std::vector<MotionSample> speed;
    double pullStart = 0, pullEnd = 0;
};

class WavWindowSoundTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        folder = new TempFolder;
        EngineSoundSettings s;
        s.engine = "1275";
        s.gear = 2;
        s.startRpm = 2000;
        s.endRpm = 6000;
        s.leadSeconds = 1.0;
        s.liftSeconds = 0.8;
        const auto rec = synthesizeEngineSound(testing::defaultCarStore(), s);
        ASSERT_TRUE(rec) << rec.error();
        pull = new Pull{folder->write("pull.wav", rec->wav).string(), rec->speed, rec->pullStart, rec->pullEnd};
    }
    static void TearDownTestSuite()
    {
        delete pull;
        delete folder;
    }
    void SetUp() override
    {
        home.useAsAppFolder();
        resetStore();
        useProgramLanguage("fr");
        WindowManager::instance().reset();
        window = std::make_unique<WavWindow>();
        window->resize(960, 700);
    }
    void TearDown() override
    {
        window.reset();
        WindowManager::instance().reset();
        removeProgramLanguage();
    }

    template <typename T>
    T* child(const char* name)
    {
        T* found = window->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void waitForWork()
    {
        const QDeadlineTimer deadline(60000);
        while (window->working() && !deadline.hasExpired())
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        ASSERT_FALSE(window->working());
    }
    void openSound(const std::string& path)
    {
        child<QRadioButton>("optSourceSon")->click();
        platform.answerOpen(path);
        child<QAction>("cHaWav")->trigger();
        waitForWork();
    }
    static double truth(double t)
    {
        const auto& s = pull->speed;
        const auto k = std::min<std::size_t>(static_cast<std::size_t>(std::max(0.0, t * 100.0)), s.size() - 2);
        return s[k].rpm + (t - s[k].time) / (s[k + 1].time - s[k].time) * (s[k + 1].rpm - s[k].rpm);
    }
    // The share of the curve's rows inside the pull within 2 % of the truth.
    double shareWithin2Percent() const
    {
        const Curve& c = window->curve();
        int inside = 0, rows = 0;
        for (int r = 1; r <= c.pointCount; ++r) {
            const double t = c.rows[std::size_t(r)].time;
            if (t < pull->pullStart + 0.3 || t > pull->pullEnd - 0.3)
                continue;
            ++rows;
            inside += std::abs(c.rows[std::size_t(r)].speed - truth(t)) <= 0.02 * truth(t) ? 1 : 0;
        }
        return rows == 0 ? 0.0 : double(inside) / rows;
    }
    void click(PlotCanvas* canvas, double time, double hz)
    {
        const Spectrogram& g = *window->shownSpectrogram();
        const QPoint pixel(static_cast<int>((time - g.start) / (g.end - g.start) * canvas->width()),
                           static_cast<int>(g.rowOf(hz) / g.rows * canvas->height()));
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(pixel), canvas->mapToGlobal(QPointF(pixel)), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(canvas, &press);
    }

    static inline TempFolder* folder = nullptr;
    static inline Pull* pull = nullptr;
    TempFolder home;
    ScriptedPlatform platform;
    std::unique_ptr<WavWindow> window;
};

TEST_F(WavWindowSoundTest, TracksThePullAndShowsTheSpectrogramTheCurveAndTheConfidence)
{
    EXPECT_TRUE(child<QRadioButton>("optSourceAllumage")->isChecked());
    EXPECT_EQ(child<QComboBox>("cboCylindres")->currentText(), "4");
    EXPECT_EQ(child<QComboBox>("cboTemps")->currentText(), "4");
    EXPECT_EQ(child<QLineEdit>("txtRegimeMin")->text(), "800");
    EXPECT_EQ(child<QLineEdit>("txtRegimeMax")->text(), "8000");
    openSound(pull->path);
    EXPECT_TRUE(platform.messages().empty()) << platform.lastMessage();
    ASSERT_TRUE(window->soundTrack());
    EXPECT_TRUE(window->soundTrack()->sure);
    EXPECT_GT(shareWithin2Percent(), 0.97);

    // The spectrogram takes the signal's place, the engine the detection's.
    EXPECT_TRUE(child<PlotCanvas>("picSpectre")->isVisibleTo(window.get()));
    EXPECT_FALSE(child<PlotCanvas>("Picture1")->isVisibleTo(window.get()));
    EXPECT_TRUE(child<QGroupBox>("fraMoteur")->isVisibleTo(window.get()));
    EXPECT_FALSE(child<QSlider>("Slider4")->isVisibleTo(window.get()));
    const PlotList& shown = child<PlotCanvas>("picSpectre")->plot();
    EXPECT_TRUE(std::any_of(shown.items.begin(), shown.items.end(),
                            [](const PlotItem& i) { return std::holds_alternative<PlotImage>(i); }));
    EXPECT_TRUE(std::any_of(shown.items.begin(), shown.items.end(), [](const PlotItem& i) {
        const auto* p = std::get_if<PlotPolyline>(&i);
        return p && p->colour == kTrackColour;
    }));
    const QString line = child<QLabel>("lblControle")->text();
    EXPECT_TRUE(line.startsWith(QString::fromUtf8("Son du moteur : 2 allumages par tour"))) << line.toStdString();
    EXPECT_TRUE(line.contains(QString::fromUtf8("suivie à"))) << line.toStdString();

    // Zoomed, the view is a part of the recording, the scroll bar moves it.
    const double whole = window->shownSpectrogram()->end - window->shownSpectrogram()->start;
    child<QSlider>("sldZoomSpectre")->setValue(4);
    EXPECT_NEAR(window->shownSpectrogram()->end - window->shownSpectrogram()->start, whole / 4, 0.02);
    child<QCheckBox>("chkFrequenceLog")->setChecked(true);
    EXPECT_TRUE(window->shownSpectrogram()->logFrequency);

    // Only the precise curve is saved: spark to spark, the speeds of the
    // sound wander too much for a power; "Précise" fits through the virtual
    // sparks.
    const std::string saved = (home / "RPM/pull.ReT").string();
    platform.answerSave(saved);
    child<QAction>("SaveRET")->trigger();
    EXPECT_FALSE(std::filesystem::exists(saved));
    EXPECT_NE(platform.lastMessage().find("seule la courbe Précise"), std::string::npos) << platform.lastMessage();
    child<QComboBox>("cboMethode")->setCurrentIndex(1);
    child<QPushButton>("Command3")->click();
    waitForWork();
    EXPECT_GT(shareWithin2Percent(), 0.97);
    EXPECT_TRUE(child<QLabel>("lblControle")->text().contains(QString::fromUtf8("Précise : régime ± ")))
        << child<QLabel>("lblControle")->text().toStdString() << platform.lastMessage();
    // The fit the command line makes of the same sparks, with the noise the
    // track measured on its crank: the window's curve is that one.
    ASSERT_TRUE(window->soundTrack());
    const auto fit = preciseCurve(window->soundTrack()->virtualSparks, soundPreciseSettings(*window->soundTrack()));
    ASSERT_TRUE(fit) << fit.error();
    ASSERT_EQ(window->curve().pointCount, fit->curve.pointCount);
    EXPECT_TRUE(std::equal(fit->curve.rows.begin(), fit->curve.rows.begin() + fit->curve.pointCount + 1,
                           window->curve().rows.begin()));
    platform.answerSave(saved);
    child<QAction>("SaveRET")->trigger();
    EXPECT_TRUE(std::filesystem::exists(saved)) << platform.lastMessage();

    // Back to the ignition: its controls, and the recording on its road.
    child<QRadioButton>("optSourceAllumage")->click();
    waitForWork();
    EXPECT_TRUE(child<PlotCanvas>("Picture1")->isVisibleTo(window.get()));
    EXPECT_FALSE(child<QGroupBox>("fraMoteur")->isVisibleTo(window.get()));
    EXPECT_FALSE(window->soundTrack());
}

TEST_F(WavWindowSoundTest, AClickOnAnotherHarmonicTracksAgainThroughIt)
{
    openSound(pull->path);
    ASSERT_TRUE(window->soundTrack() && window->shownSpectrogram());
    // Where the engine turns at 3 000 rpm, a click on the second firing
    // harmonic: the line the track follows, so the click names it the firing
    // itself, at 6 000 rpm.
    double t = pull->pullStart;
    while (*trackedRpm(*window->soundTrack(), t) < 3000 && t < pull->pullEnd)
        t += 0.01;
    const double rpm = *trackedRpm(*window->soundTrack(), t);
    ASSERT_NEAR(rpm, 3000, 100);
    click(child<PlotCanvas>("picSpectre"), t, rpm / 60 * 2 * 2);
    waitForWork();
    ASSERT_TRUE(window->soundTrack());
    EXPECT_NEAR(*trackedRpm(*window->soundTrack(), t), 2 * rpm, 0.05 * rpm);
}

TEST_F(WavWindowSoundTest, AnUnsureTrackIsSaidAndNotSavedAndBadInputGivesAMessage)
{
    // Half a second of the pull drowned in noise: the firing can't be
    // followed there.
    std::string wav = TempFolder::read(pull->path);
    std::mt19937 random(7);
    std::normal_distribution<double> noise(0, 20000);
    const auto from = static_cast<std::size_t>((pull->pullStart + 3.0) * 48000);
    for (std::size_t i = from; i < from + 24000; ++i) {
        const auto v = static_cast<std::int16_t>(std::clamp(noise(random), -32000.0, 32000.0));
        std::memcpy(&wav[44 + 2 * i], &v, 2);
    }
    const std::string drowned = home.write("Wav/drowned.wav", wav).string();
    openSound(drowned);
    ASSERT_TRUE(window->soundTrack()) << platform.lastMessage();
    ASSERT_FALSE(window->soundTrack()->lost.empty());
    const QString line = child<QLabel>("lblControle")->text();
    EXPECT_TRUE(line.startsWith("SUIVI INCERTAIN")) << line.toStdString();
    // Each stretch named once.
    EXPECT_EQ(line.count(QString::fromUtf8("l'allumage ne peut pas être suivi de ")),
              qsizetype(window->soundTrack()->lost.size()))
        << line.toStdString();
    platform.answerSave((home / "RPM/unsure.ReT").string());
    child<QAction>("SaveRET")->trigger();
    EXPECT_FALSE(std::filesystem::exists(home / "RPM/unsure.ReT"));
    EXPECT_NE(platform.lastMessage().find("Courbe non enregistrée"), std::string::npos) << platform.lastMessage();

    // A range that is no engine's is refused and put back.
    platform.clearMessages();
    child<QLineEdit>("txtRegimeMax")->setText("1100");
    QFocusEvent leave(QEvent::FocusOut);
    QApplication::sendEvent(child<QLineEdit>("txtRegimeMax"), &leave);
    EXPECT_NE(platform.lastMessage().find("Valeur inadapter"), std::string::npos);
    EXPECT_EQ(child<QLineEdit>("txtRegimeMax")->text(), "8000");

    // Garbage: one message, the window usable.
    platform.clearMessages();
    const std::string garbage = home.write("Wav/garbage.wav", "RIFF and nothing else").string();
    platform.answerOpen(garbage);
    child<QAction>("cHaWav")->trigger();
    waitForWork();
    EXPECT_EQ(platform.messages().size(), 1u);
    EXPECT_FALSE(window->soundTrack());
    EXPECT_TRUE(child<QAction>("cHaWav")->isEnabled());
}

// A stereo recording with noise four times the engine's power on its left
// channel:
// tracked on the right, as the line and the channel choice say; the mix
// asked for is tracked on the mix, and the noise's channel holds no engine.
TEST_F(WavWindowSoundTest, TheChannelThatCarriesTheEngineIsTrackedOrTheOneChosen)
{
    const std::string mono = TempFolder::read(pull->path);
    const std::size_t frames = (mono.size() - 44) / 2;
    double power = 0;
    for (std::size_t i = 0; i < frames; ++i) {
        std::int16_t v;
        std::memcpy(&v, &mono[44 + 2 * i], 2);
        power += double(v) * v;
    }
    std::mt19937 random(3);
    std::normal_distribution<double> noise(0, 2 * std::sqrt(power / double(frames)));
    std::string data(frames * 4, '\0');
    for (std::size_t i = 0; i < frames; ++i) {
        const auto left = static_cast<std::int16_t>(std::clamp(noise(random), -32000.0, 32000.0));
        std::memcpy(&data[4 * i], &left, 2);
        std::memcpy(&data[4 * i + 2], &mono[44 + 2 * i], 2);
    }
    const std::string stereo =
        home.write("Wav/stereo.wav", pcmWavHeader(std::uint32_t(data.size()), 48000, 2, 16) + data).string();
    openSound(stereo);
    ASSERT_TRUE(window->soundTrack()) << platform.lastMessage();
    EXPECT_TRUE(window->soundTrack()->sure);
    auto* channel = child<QComboBox>("cboCanal");
    EXPECT_TRUE(channel->isVisibleTo(window.get()));
    EXPECT_EQ(channel->currentIndex(), 0);  // Automatique
    EXPECT_EQ(child<QLabel>("lblCanal")->text(), "canal 2 sur 2 retenu");
    EXPECT_TRUE(child<QLabel>("lblControle")->text().contains("canal 2 sur 2 retenu"));
    EXPECT_GE(shareWithin2Percent(), 0.99);

    channel->setCurrentIndex(3);  // Mélange
    waitForWork();
    EXPECT_EQ(child<QLabel>("lblCanal")->text(), QString::fromUtf8("2 canaux mélangés"));
    channel->setCurrentIndex(1);  // the noise's
    waitForWork();
    EXPECT_FALSE(window->soundTrack() && window->soundTrack()->sure);
    // Back to the pickup's road: the choice is the conversion's again.
    child<QRadioButton>("optSourceAllumage")->click();
    waitForWork();
    EXPECT_FALSE(channel->isVisibleTo(window.get()));
}

TEST_F(WavWindowSoundTest, TheAnalysisCanBeCancelled)
{
    child<QRadioButton>("optSourceSon")->click();
    platform.answerOpen(pull->path);
    child<QAction>("cHaWav")->trigger();
    ASSERT_TRUE(window->working());
    EXPECT_FALSE(child<QRadioButton>("optSourceAllumage")->isEnabled());
    child<QPushButton>("CommandAnnuler")->click();
    waitForWork();
    EXPECT_FALSE(window->soundTrack());
    EXPECT_EQ(window->curve().pointCount, 0);
    EXPECT_TRUE(child<QRadioButton>("optSourceAllumage")->isEnabled());
}

}  // namespace
}  // namespace vornax
