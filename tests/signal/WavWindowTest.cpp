#include "ScriptedPlatform.h"
#include "SignalFiles.h"
#include "TrustSignals.h"
#include "TempFolder.h"
#include "gui/common/PlotCanvas.h"
#include "paint/ProgramLanguage.h"
#include "common/Twips.h"
#include "gui/common/WindowManager.h"
#include "store/Varia.h"
#include "signal/CurveFile.h"
#include "signal/Smoothing.h"
#include "gui/signal/WavWindow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QSlider>
#include <QDeadlineTimer>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>

namespace vornax {
namespace {

using testing::ScriptedPlatform;
using testing::TempFolder;

class WavWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        home.useAsAppFolder();
        resetStore();
        WindowManager::instance().reset();
        IgnitionSignal signal;
        signal.seconds = 6.0;
        signal.rpm = [](double t) { return 1500.0 + 500.0 * t; };
        recording = home.write("Wav/run.wav", makeIgnitionRecording(signal).wav).string();
    }
    void TearDown() override { WindowManager::instance().reset(); }

    template <typename T>
    T* child(const char* name)
    {
        T* found = window->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void open(const std::string& path)
    {
        platform.answerOpen(path);
        child<QAction>("cHaWav")->trigger();
        waitForWork();
    }
    // Long work runs off the window's thread: the events go on until it ends.
    void waitForWork()
    {
        const QDeadlineTimer deadline(60000);
        while (window->working() && !deadline.hasExpired())
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        ASSERT_FALSE(window->working());
    }
    static void leave(QWidget* field)
    {
        QFocusEvent event(QEvent::FocusOut);
        QApplication::sendEvent(field, &event);
    }
    static void type(QLineEdit* field, const QString& text)
    {
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(field, &press);
        }
    }
    // A run as a phone might give it: 16-bit stereo, `left` on channel 1
    // and the window's recording on channel 2 pointing down, `repeats` times
    // over.
    std::string phoneTake(const std::string& name, const std::string& left, int repeats = 1)
    {
        const std::string run = TempFolder::read(recording);
        std::string data;
        for (int r = 0; r < repeats; ++r)
            for (std::size_t k = 44; k < run.size(); ++k) {
                const auto down = static_cast<std::int16_t>(-(static_cast<std::uint8_t>(run[k]) - 128) * 40);
                const auto up =
                    static_cast<std::int16_t>(k < left.size() ? (static_cast<std::uint8_t>(left[k]) - 128) * 40 : 0);
                for (const std::int16_t v : {up, down})
                    data.append(reinterpret_cast<const char*>(&v), 2);
            }
        std::filesystem::create_directories((home / name).parent_path());
        return home.write(name, makeWav(data, 44100, 2, 16)).string();
    }
    // The detection the window should show for its recording.
    Curve expected(const DetectionSettings& settings = {}, const std::string& path = {})
    {
        const auto d = detectSparksInFile(path.empty() ? recording : path, settings);
        EXPECT_TRUE(d.ok()) << d.error();
        return d.ok() ? d->curve : Curve{};
    }
    static void expectSameCurve(const Curve& a, const Curve& b)
    {
        ASSERT_EQ(a.pointCount, b.pointCount);
        for (int r = 0; r <= a.pointCount; ++r)
            ASSERT_EQ(a.rows[r], b.rows[r]) << r;
    }

    TempFolder home;
    ScriptedPlatform platform;
    std::string recording;
    std::unique_ptr<WavWindow> window = std::make_unique<WavWindow>();
};

TEST_F(WavWindowTest, StartsEmptyWithItsCaptionsFromTheStore)
{
    store().set("LbTraiterWav", "Traiter un Wav");
    store().set("LbFiltrer", "Lisser");
    window = std::make_unique<WavWindow>();
    EXPECT_EQ(window->objectName(), "WavT");
    EXPECT_EQ(window->windowTitle(), "The Vornax Meter ***** Traiter un Wav *****");
    EXPECT_EQ(child<QPushButton>("Command3")->text(), "Lisser");
    EXPECT_EQ(child<QLabel>("Label4")->text().toStdString(), store().get("Lbseuildetection"));
    for (const char* name : {"Slider1", "Slider4"})
        EXPECT_FALSE(child<QSlider>(name)->isEnabled()) << name;
    EXPECT_FALSE(child<QPushButton>("Command3")->isEnabled());
    EXPECT_FALSE(child<QRadioButton>("Option1")->isEnabled());
    EXPECT_TRUE(child<QRadioButton>("Option1")->isChecked());
    EXPECT_EQ(child<QSlider>("Slider1")->value(), 30);
    EXPECT_EQ(child<QSlider>("Slider4")->value(), 165);
    EXPECT_EQ(child<QLineEdit>("Tdebut")->text(), "0");
    EXPECT_EQ(child<QLineEdit>("Tfin")->text(), "1000");
    EXPECT_TRUE(child<QCheckBox>("Check2")->isHidden() || !child<QCheckBox>("Check2")->isVisibleTo(window.get()));

    // The test word as the language file's first line shows the two frames
    // and widens the window by 4 000 twips.
    const int usualWidth = window->width();
    store().set("lblVersion", "Qavo");
    window = std::make_unique<WavWindow>();
    EXPECT_TRUE(child<QLineEdit>("Text1")->isVisibleTo(window.get()));
    EXPECT_TRUE(child<QSlider>("Slider2")->isVisibleTo(window.get()));
    EXPECT_EQ(window->width(), usualWidth + twipsToPixels(4000));
    // Opened through the window manager, it keeps that size.
    WindowManager::instance().registerWindow("WavT", [] { return new WavWindow; });
    const QWidget* shown = WindowManager::instance().show("WavT");
    EXPECT_EQ(shown->width(), std::min(usualWidth + 4000 / 15, shown->screen()->availableGeometry().width()));
}

TEST_F(WavWindowTest, OpeningARecordingDrawsItsSignalAndItsCurve)
{
    open(recording);
    ASSERT_TRUE(platform.messages().empty()) << platform.lastMessage();
    EXPECT_EQ(platform.requests().back().initialFolder, (home / "Wav").string());
    EXPECT_EQ(platform.requests().back().filter,
              "Fichier Son|*.wav;*.flac;*.mp3;*.m4a;*.aac;*.ogg;*.opus;*.aif;*.aiff|Tous les fichiers|*");
    EXPECT_EQ(window->source(), WavWindow::Source::Wav);
    expectSameCurve(window->curve(), expected());
    EXPECT_EQ(child<QLineEdit>("Tfin")->text(), "6,0");  // the recording's duration replaces 1000
    EXPECT_TRUE(child<QPushButton>("Command3")->isEnabled());
    EXPECT_TRUE(child<QSlider>("Slider4")->isEnabled());

    // The signal: zero line, threshold line, then the trace.
    const auto& wave = child<PlotCanvas>("Picture1")->segments();
    ASSERT_GT(wave.size(), 100u);
    EXPECT_EQ(wave[1].y1, 256.0 - 165);
    EXPECT_EQ(wave[1].colour, (Rgb{255, 0, 0}));
    // The curve: grid and the red engine speed, rising, with its axes.
    const auto& plot = child<PlotCanvas>("Picture2")->segments();
    ASSERT_GT(plot.size(), 27u + 100u);
    EXPECT_EQ(plot[27].colour, (Rgb{255, 0, 0}));
    const int top = std::stoi(child<QLabel>("Label5")->text().toStdString());
    const int bottom = std::stoi(child<QLabel>("Label13")->text().toStdString());
    EXPECT_GT(top, 4200);
    EXPECT_LT(bottom, 1700);
    EXPECT_FALSE(child<QLabel>("Label22")->text().isEmpty());
}

TEST_F(WavWindowTest, SettingsChangesDetectAgain)
{
    open(recording);
    child<QSlider>("Slider4")->setValue(200);
    DetectionSettings s;
    s.endSeconds = 6.0f;  // "Tfin" now holds the recording's duration
    s.threshold = 200;
    expectSameCurve(window->curve(), expected(s));

    child<QRadioButton>("Option2")->click();
    s.sparksPerRev = 2.0f;
    expectSameCurve(window->curve(), expected(s));

    // Polarity: the threshold range and value follow, and the file is read again.
    auto* polarity = child<QCheckBox>("Check1");
    auto* threshold = child<QSlider>("Slider4");
    polarity->click();
    EXPECT_EQ(polarity->text(), "1 - 128");
    EXPECT_EQ(threshold->minimum(), 1);
    EXPECT_EQ(threshold->maximum(), 128);
    EXPECT_EQ(threshold->value(), 50);
    EXPECT_EQ(window->curve().pointCount, 1);  // nothing in this signal goes down to 50: only the end point
    polarity->click();
    EXPECT_EQ(polarity->text(), "128 - 255");
    EXPECT_EQ(threshold->minimum(), 128);
    EXPECT_EQ(threshold->maximum(), 255);
    EXPECT_EQ(threshold->value(), 165);
    s.threshold = 165;
    expectSameCurve(window->curve(), expected(s));

    // The zoom only redraws the signal.
    const Curve before = window->curve();
    child<QSlider>("Slider1")->setValue(60);
    expectSameCurve(window->curve(), before);
    EXPECT_EQ(child<PlotCanvas>("Picture1")->segments()[5].x2, 60.0 * 4);  // zero line, threshold line, then the trace
}

TEST_F(WavWindowTest, SavesAndLoadsTheCurve)
{
    open(recording);
    const std::string file = (home / "RPM/run.ReT").string();
    platform.answerSave(file);
    child<QAction>("SaveRET")->trigger();
    EXPECT_EQ(platform.requests().back().initialFolder, (home / "RPM").string());
    EXPECT_EQ(platform.requests().back().filter, "Fichier courbe *.ReT|*.ReT");
    Curve saved;
    ASSERT_TRUE(vornax::LoadCurve(file, saved).ok());
    EXPECT_EQ(saved.pointCount, window->curve().pointCount - 15);

    platform.answerOpen(file);
    child<QAction>("CharRET")->trigger();
    EXPECT_EQ(window->source(), WavWindow::Source::None);
    expectSameCurve(window->curve(), saved);

    // Cancelled dialogs change nothing.
    child<QAction>("CharRET")->trigger();
    child<QAction>("SaveRET")->trigger();
    expectSameCurve(window->curve(), saved);
    EXPECT_TRUE(platform.messages().empty()) << platform.lastMessage();

    // A bad file leaves the curve as it was and says which line is wrong.
    platform.answerOpen(home.write("RPM/bad.ReT", "1;2\r\nx;3\r\n").string());
    child<QAction>("CharRET")->trigger();
    expectSameCurve(window->curve(), saved);
    EXPECT_NE(platform.lastMessage().find("ligne 2"), std::string::npos) << platform.lastMessage();
}

TEST_F(WavWindowTest, FiltrerStartsAgainFromTheWavButNotFromAFile)
{
    open(recording);
    auto* filtrer = child<QPushButton>("Command3");
    filtrer->click();
    const Curve once = window->curve();
    EXPECT_GT(once.pointCount, 700);
    EXPECT_TRUE(window->filtered());
    filtrer->click();
    expectSameCurve(window->curve(), once);

    const std::string file = (home / "RPM/smooth.ReT").string();
    platform.answerSave(file);
    child<QAction>("SaveRET")->trigger();
    platform.answerOpen(file);
    child<QAction>("CharRET")->trigger();
    const Curve loaded = window->curve();
    filtrer->click();
    const Curve again = window->curve();
    filtrer->click();
    EXPECT_NE(window->curve().rows[300], again.rows[300]);  // smoothed once more
    EXPECT_NE(again.rows[300], loaded.rows[300]);

    // Level slider copies to the hidden one.
    child<QSlider>("Slider3")->setValue(3);
    EXPECT_EQ(child<QSlider>("Slider2")->value(), 3);
}

TEST_F(WavWindowTest, StartAndEndTimesAreCheckedWhenLeavingTheirFields)
{
    auto* start = child<QLineEdit>("Tdebut");
    auto* end = child<QLineEdit>("Tfin");
    start->clear();
    type(start, "a1.5x");
    EXPECT_EQ(start->text(), "1.5");  // letters never get in
    leave(start);
    EXPECT_EQ(start->text(), "1,5");

    open(recording);
    EXPECT_GE(window->curve().rows[1].time, 1.5f);

    start->setText("7");  // the recording lasts 6 s
    leave(start);
    EXPECT_EQ(platform.lastMessage(), "Valeur inadapter");
    EXPECT_EQ(start->text(), "0");

    start->setText(",");
    leave(start);
    EXPECT_EQ(start->text(), "0");
    EXPECT_NE(platform.lastMessage().find("Valeur inadapter"), std::string::npos);

    // An end within the recording detects again up to there.
    end->setText("3");
    leave(end);
    const float lastTime = window->curve().rows[window->curve().pointCount].time;
    EXPECT_LT(lastTime, 3.1f);
    // An end past the recording is replaced by its duration, nothing redone.
    platform.clearMessages();
    end->setText("12.5");
    leave(end);
    EXPECT_EQ(end->text(), "6,0");
    EXPECT_TRUE(platform.messages().empty());
    EXPECT_EQ(window->curve().rows[window->curve().pointCount].time, lastTime);
}

TEST_F(WavWindowTest, EndTimeOfARecordingOf1234Seconds)
{
    IgnitionSignal signal;
    signal.seconds = 12.34;
    const std::string longer = home.write("Wav/longer.wav", makeIgnitionRecording(signal).wav).string();
    open(longer);
    EXPECT_EQ(child<QLineEdit>("Tfin")->text(), "12,3");
    child<QLineEdit>("Tfin")->setText("20");
    leave(child<QLineEdit>("Tfin"));
    EXPECT_EQ(child<QLineEdit>("Tfin")->text(), "12,3");
}

TEST_F(WavWindowTest, EachRecordingOpenedSetsTheEndToItsOwnDuration)
{
    IgnitionSignal signal;
    signal.seconds = 12.34;
    const std::string longer = home.write("Wav/longer.wav", makeIgnitionRecording(signal).wav).string();
    auto* start = child<QLineEdit>("Tdebut");
    auto* end = child<QLineEdit>("Tfin");
    const auto lastTime = [this] { return window->curve().rows[window->curve().pointCount].time; };

    open(recording);  // 6 s
    EXPECT_EQ(end->text(), "6,0");
    start->setText("1");
    leave(start);
    open(longer);
    EXPECT_EQ(end->text(), "12,3");
    EXPECT_EQ(start->text(), "1");  // inside the new recording: kept
    EXPECT_GT(lastTime(), 11.5f);   // the whole recording, not the first 6 s

    start->setText("8");
    leave(start);
    open(recording);
    EXPECT_EQ(end->text(), "6,0");
    EXPECT_EQ(start->text(), "0");  // past its end: back to the start
    EXPECT_LT(window->curve().rows[1].time, 1.0f);
    EXPECT_GT(lastTime(), 5.0f);
}

TEST_F(WavWindowTest, SavingWithNoCurveIsRefused)
{
    const std::string file = (home / "RPM/empty.ReT").string();
    platform.answerSave(file);
    child<QAction>("SaveRET")->trigger();
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_EQ(platform.messages().size(), 1u);
    EXPECT_TRUE(platform.requests().empty());
}

// Leaving a time field for a menu, a message box or another program is no
// leaving for another control: the smoothed curve stays what is saved.
TEST_F(WavWindowTest, MenusAndMessageBoxesDoNotRunTheTimeChecks)
{
    window->show();
    window->activateWindow();
    QApplication::processEvents();
    open(recording);
    child<QPushButton>("Command3")->click();
    const Curve smoothed = window->curve();
    auto* end = child<QLineEdit>("Tfin");
    end->setFocus(Qt::MouseFocusReason);
    QApplication::processEvents();
    ASSERT_TRUE(end->hasFocus());

    auto* menu = window->findChild<QMenu*>("file");
    ASSERT_NE(menu, nullptr);
    menu->popup(window->mapToGlobal(QPoint(0, 0)));
    QApplication::processEvents();
    menu->close();
    QApplication::processEvents();

    QMessageBox box(window.get());
    box.setText("Message");
    QTimer::singleShot(0, &box, &QMessageBox::accept);
    box.exec();
    QApplication::processEvents();

    // Another program takes the focus, then gives it back.
    QFocusEvent away(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(end, &away);

    expectSameCurve(window->curve(), smoothed);
    const std::string file = (home / "RPM/smooth.ReT").string();
    platform.answerSave(file);
    child<QAction>("SaveRET")->trigger();
    EXPECT_EQ(TempFolder::read(file), curveFileText(smoothed));

    // Another control of the window: the check runs (an end past the
    // recording becomes its duration).
    window->activateWindow();
    QApplication::processEvents();
    end->setFocus(Qt::MouseFocusReason);
    end->setText("99");
    child<QLineEdit>("Tdebut")->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    EXPECT_EQ(end->text(), "6,0");
}

TEST_F(WavWindowTest, BadRecordingsGiveOneMessageAndLeaveTheWindowUsable)
{
    // A stereo file named as its own converted copy would be: the save
    // dialog asks for another name, and a cancel opens nothing.
    const std::string stereo =
        home.write("Wav/stereo.wav", makeWav(std::string(40000, char(128)), 44100, 2, 8)).string();
    platform.answerSave(std::nullopt);
    open(stereo);
    EXPECT_TRUE(platform.messages().empty()) << platform.lastMessage();
    EXPECT_EQ(window->source(), WavWindow::Source::None);
    EXPECT_TRUE(window->wavPath().empty());

    const auto before = child<PlotCanvas>("Picture2")->segments().size();
    open(home.write("Wav/text.wav", "this is not a recording").string());
    ASSERT_EQ(platform.messages().size(), 1u);
    EXPECT_EQ(platform.lastMessage(), "text.wav: not an audio file the program can read");
    EXPECT_EQ(child<PlotCanvas>("Picture2")->segments().size(), before) << "nothing plotted after the message";

    // Still usable: the good recording opens, over its whole length.
    platform.clearMessages();
    open(recording);
    EXPECT_TRUE(platform.messages().empty()) << platform.lastMessage();
    EXPECT_EQ(child<QLineEdit>("Tfin")->text(), "6,0");
    expectSameCurve(window->curve(), expected());
}

TEST_F(WavWindowTest, AnyAudioFileIsConvertedIntoTheWavFolderThenOpened)
{
    // The run as a phone might give it: 16-bit stereo, the pickup on the
    // right, the sparks pointing down, kept outside the Wav folder.
    const std::string run = TempFolder::read(recording);
    std::string data;
    for (std::size_t k = 44; k < run.size(); ++k) {
        const auto down = static_cast<std::int16_t>(-(static_cast<std::uint8_t>(run[k]) - 128) * 40);
        for (const std::int16_t v : {std::int16_t(0), down})
            data.append(reinterpret_cast<const char*>(&v), 2);
    }
    std::filesystem::create_directories(home / "phone");
    const std::string take = home.write("phone/take.wav", makeWav(data, 44100, 2, 16)).string();
    open(take);
    const std::string converted = (home / "Wav/take.wav").string();
    ASSERT_EQ(platform.messages().size(), 1u);
    EXPECT_EQ(platform.lastMessage().rfind("\"take.wav\" converti en \"take.wav\"", 0), 0u) << platform.lastMessage();
    EXPECT_NE(platform.lastMessage().find("canal 2 retenu, signal retourné"), std::string::npos);
    EXPECT_EQ(window->wavPath(), converted);
    EXPECT_EQ(window->source(), WavWindow::Source::Wav);
    expectSameCurve(window->curve(), expected({}, converted));
    EXPECT_EQ(window->curve().pointCount, expected().pointCount);

    // Opened again, its copy is opened as it is: no conversion, no dialog.
    const std::string copy = TempFolder::read(converted);
    const auto asked = platform.requests().size();
    platform.clearMessages();
    platform.answerOpen(take);
    child<QAction>("cHaWav")->trigger();
    EXPECT_FALSE(window->working());
    EXPECT_TRUE(platform.messages().empty()) << platform.lastMessage();
    EXPECT_EQ(platform.requests().size(), asked + 1);  // the open dialog alone
    EXPECT_EQ(window->wavPath(), converted);
    EXPECT_EQ(window->source(), WavWindow::Source::Wav);

    // A source changed since is converted again, and the dialog that asks
    // before replacing the copy says what it saves; a cancel keeps the window
    // as it was.
    home.write("phone/take.wav", makeWav(data + data, 44100, 2, 16));
    platform.answerSave(std::nullopt);
    open(take);
    EXPECT_TRUE(platform.messages().empty()) << platform.lastMessage();
    EXPECT_EQ(platform.requests().back().title, "Enregistrer la conversion de « take.wav » sous");
    EXPECT_EQ(TempFolder::read(converted), copy);
    EXPECT_EQ(window->wavPath(), converted);

    // So does a copy changed since it was made.
    open(recording);
    home.write("Wav/take.wav", copy + "x");
    platform.answerSave(std::nullopt);
    open(take);
    EXPECT_EQ(platform.requests().back().title, "Enregistrer la conversion de « take.wav » sous");
    EXPECT_EQ(window->wavPath(), recording);
}

TEST_F(WavWindowTest, AutoSetsThresholdAndPolarityFromTheRecording)
{
    // Quiet and pointing down: the default 165 finds nothing.
    std::string quiet = TempFolder::read(recording);
    for (std::size_t k = 44; k < quiet.size(); ++k)
        quiet[k] = static_cast<char>(128 - (static_cast<std::uint8_t>(quiet[k]) - 128) / 8);
    const std::string file = home.write("Wav/quiet.wav", quiet).string();
    open(file);
    EXPECT_LT(window->curve().pointCount, 5);
    child<QPushButton>("CommandAuto")->click();
    EXPECT_TRUE(child<QCheckBox>("Check1")->isChecked());
    const int threshold = child<QSlider>("Slider4")->value();
    EXPECT_EQ(child<QLabel>("LabelAuto")->text(), QString::number(threshold));
    DetectionSettings s;
    s.lowPolarity = true;
    s.threshold = threshold;
    expectSameCurve(window->curve(), expected(s, file));
    EXPECT_EQ(window->curve().pointCount, expected().pointCount);
}

TEST_F(WavWindowTest, TheScrollBarMovesTheZoomedSignalAlongTheRecording)
{
    window->show();
    open(recording);
    auto* scroll = child<QScrollBar>("WaveScroll");
    ASSERT_TRUE(scroll->isVisible()) << "zoom 30 shows a thirtieth of the trace";
    const auto* picture = child<PlotCanvas>("Picture1");
    auto heights = [&] {
        std::vector<double> y;
        for (const auto& line : picture->segments())
            y.push_back(line.y2);
        return y;
    };
    const std::vector<double> atStart = heights();
    scroll->setValue(scroll->maximum());
    const auto wave = picture->segments();
    ASSERT_GT(wave.size(), 2u);
    EXPECT_NE(heights(), atStart) << "the end of the recording is shown";
    // The trace, which runs to the end of the recording, ends at the right
    // edge.
    const double width = child<PlotCanvas>("Picture1")->width() * 15.0;
    EXPECT_NEAR(wave.back().x2, width, 30.0);
    // Less zoom, less to scroll.
    const int zoomed = scroll->maximum();
    child<QSlider>("Slider1")->setValue(10);
    EXPECT_LT(scroll->maximum(), zoomed);
}

TEST_F(WavWindowTest, PlotAndAxisLabelsFollowTheWindowSize)
{
    window->show();
    open(recording);
    window->resize(1000, 800);
    QApplication::processEvents();
    auto* plot = child<PlotCanvas>("Picture2");
    const QWidget* area = plot->parentWidget();
    // In twips: height = H - T - 1 200, width = W - 2 L, with T = 4 800, L = 900.
    const int h = area->height() * 15 - 4800 - 1200, w = area->width() * 15 - 1800;
    EXPECT_EQ(plot->geometry(), QRect(60, 320, twipsToPixels(w), twipsToPixels(h)));
    EXPECT_EQ(child<QLabel>("Label5")->y(), twipsToPixels(4800 - 125));
    EXPECT_EQ(child<QLabel>("Label13")->y(), twipsToPixels(4800 + h - 125));
    EXPECT_EQ(child<QLabel>("Label1")->y(), twipsToPixels(4800 + h * 8 / 9 - 125));
    EXPECT_EQ(child<QLabel>("Label14")->x(), twipsToPixels(900 - 307));
    EXPECT_EQ(child<QLabel>("Label22")->x(), twipsToPixels(900 + w - 307));
    EXPECT_EQ(child<QLabel>("Label18")->y(), twipsToPixels(4800 + h + 100));
    EXPECT_FALSE(plot->segments().empty());  // redrawn at the new size
}

TEST_F(WavWindowTest, RecorderButtonAndWavConditioning)
{
    child<QPushButton>("Record")->click();
    EXPECT_EQ(platform.messages().size(), 1u);  // no recorder registered here
    bool recorderShown = false;
    WindowManager::instance().registerWindow("Form1", [&] {
        recorderShown = true;
        return new QWidget;
    });
    child<QPushButton>("Record")->click();
    EXPECT_TRUE(recorderShown);

    const std::string out = (home / "Wav/clean.wav").string();
    platform.answerOpen(recording);
    platform.answerSave(std::nullopt);  // cancelled: nothing written
    child<QPushButton>("Command156")->click();
    EXPECT_FALSE(std::filesystem::exists(out));
    platform.answerOpen(recording);
    platform.answerSave(recording);  // its own input: refused
    child<QPushButton>("Command156")->click();
    EXPECT_EQ(TempFolder::read(recording).size(), 44u + 6u * 44100u);
    platform.answerOpen(recording);
    platform.answerSave(out);
    child<QPushButton>("Command156")->click();
    EXPECT_EQ(TempFolder::read(out).size(), 44u + 6u * 44100u);
    EXPECT_EQ(window->wavPath(), out);
}

// A recording with no spark at the threshold leaves the plot empty and the
// line under it says why; the next recording with sparks clears it.
TEST_F(WavWindowTest, TooFewSparksAreSaidUnderThePlot)
{
    open(home.write("Wav/silent.wav", makeWav(std::string(44100, char(128)))).string());
    EXPECT_LT(window->curve().pointCount, 2);
    EXPECT_TRUE(platform.messages().empty()) << platform.lastMessage();
    EXPECT_TRUE(
        child<QLabel>("lblControle")->text().startsWith(QString::fromUtf8("Pas assez d'étincelles au seuil 165")))
        << child<QLabel>("lblControle")->text().toStdString();
    open(recording);
    EXPECT_TRUE(child<QLabel>("lblControle")->text().endsWith(QString::fromUtf8("étincelles, aucune manquée")))
        << child<QLabel>("lblControle")->text().toStdString();
}

// Pulses of noise make a curve of nonsense: the line under the plot says so
// in red, the curve is not saved, and the window goes on as before.
TEST_F(WavWindowTest, NoiseIsSaidToBeNoIgnitionSignalAndItsCurveIsNotSaved)
{
    useProgramLanguage("fr");
    open(home.write("Wav/noise.wav", testing::wav8(testing::whiteNoise(6, 44100, 0.12))).string());
    EXPECT_TRUE(platform.messages().empty()) << platform.lastMessage();
    auto* line = child<QLabel>("lblControle");
    EXPECT_TRUE(line->text().startsWith(QString::fromUtf8("COURBE NON FIABLE, pas un signal d'allumage : ")))
        << line->text().toStdString();
    EXPECT_NE(line->styleSheet(), "");
    const std::string file = (home / "RPM/noise.ReT").string();
    platform.answerSave(file);
    child<QAction>("SaveRET")->trigger();
    EXPECT_FALSE(std::filesystem::exists(file));
    ASSERT_EQ(platform.messages().size(), 1u);
    EXPECT_EQ(platform.lastMessage().rfind("Courbe non enregistrée : pas un signal d'allumage", 0), 0u)
        << platform.lastMessage();
    EXPECT_TRUE(platform.requests().size() == 1);  // only the opening's dialog

    open(recording);
    EXPECT_TRUE(line->text().endsWith(QString::fromUtf8("aucune manquée"))) << line->text().toStdString();
    EXPECT_EQ(line->styleSheet(), "");
    child<QAction>("SaveRET")->trigger();
    EXPECT_TRUE(std::filesystem::exists(file));
    EXPECT_EQ(platform.messages().size(), 1u) << platform.lastMessage();
}

// "Précise" beside "Filtrer": the next "Filtrer" fits the sparks of the
// recording, one row every 10 ms, and the line under the plot gives its
// uncertainty; "Standard" smooths as before; a curve file has no sparks.
TEST_F(WavWindowTest, FiltrerWithThePreciseMethod)
{
    useProgramLanguage("fr");
    open(recording);
    auto* method = child<QComboBox>("cboMethode");
    auto* line = child<QLabel>("lblControle");
    // The sparks found, none missed nor added.
    const auto sparks = detectSparksInFile(recording, {})->sparkTimes.size();
    EXPECT_EQ(line->text(), QString::fromUtf8("%1 étincelles, aucune manquée").arg(sparks));
    method->setCurrentIndex(1);
    EXPECT_EQ(method->currentText(), QString::fromUtf8("Précise"));
    child<QPushButton>("Command3")->click();
    waitForWork();
    const Curve precise = window->curve();
    EXPECT_GT(precise.pointCount, 550);
    for (int r = 1; r <= precise.pointCount; ++r) {
        ASSERT_NEAR(precise.rows[r].time - precise.rows[r - 1].time, 0.01f, 1e-4f) << r;
        const double truth = 1500.0 + 500.0 * (precise.rows[r].time - 45.0 / 44100.0);
        ASSERT_NEAR(precise.rows[r].speed, truth, truth * 0.005) << r;
    }
    EXPECT_TRUE(line->text().contains(QString::fromUtf8("   Précise : régime ± "))) << line->text().toStdString();
    // A change of language writes the line again in the new words.
    useProgramLanguage("en");
    QCoreApplication::sendPostedEvents();
    EXPECT_TRUE(line->text().contains(QString::fromUtf8("   Precise: engine speed ± "))) << line->text().toStdString();
    useProgramLanguage("fr");

    method->setCurrentIndex(0);
    child<QPushButton>("Command3")->click();
    Curve standard = expected();
    ASSERT_TRUE(smoothCurve(standard, {}));
    expectSameCurve(window->curve(), standard);

    const std::string file = (home / "RPM/run.ReT").string();
    platform.answerSave(file);
    child<QAction>("SaveRET")->trigger();
    platform.answerOpen(file);
    child<QAction>("CharRET")->trigger();
    method->setCurrentIndex(1);
    const Curve loaded = window->curve();
    child<QPushButton>("Command3")->click();
    EXPECT_NE(platform.lastMessage().find("ouvrez un fichier Wav"), std::string::npos) << platform.lastMessage();
    expectSameCurve(window->curve(), loaded);

    // With the English translation in force (the English language file's).
    useProgramLanguage("en");
    window = std::make_unique<WavWindow>();
    open(recording);
    child<QComboBox>("cboMethode")->setCurrentIndex(1);
    child<QPushButton>("Command3")->click();
    waitForWork();
    EXPECT_EQ(child<QComboBox>("cboMethode")->currentText(), "Precise");
    EXPECT_TRUE(child<QLabel>("lblControle")->text().contains(QString::fromUtf8("   Precise: engine speed ± ")));
    removeProgramLanguage();
}

// A converted stereo recording offers its channels: automatic, each one, the
// mix; the line beside says which was used; a new choice converts it again
// into its own copy, without a dialog, and opening the same source again
// keeps the choice.
TEST_F(WavWindowTest, TheChannelOfAConvertedRecordingCanBeChosen)
{
    IgnitionSignal slow;
    slow.seconds = 6.0;
    slow.rpm = [](double) { return 1200.0; };
    const std::string take = phoneTake("phone/take.wav", makeIgnitionRecording(slow).wav);
    const std::string converted = (home / "Wav/take.wav").string();
    auto* choice = child<QComboBox>("cboCanal");
    auto* used = child<QLabel>("lblCanal");
    open(recording);
    EXPECT_FALSE(choice->isVisibleTo(window.get()));  // a recording opened as it stands
    open(take);
    ASSERT_TRUE(choice->isVisibleTo(window.get()));
    ASSERT_EQ(choice->count(), 4);
    EXPECT_EQ(choice->currentText(), "Automatique");
    EXPECT_EQ(choice->itemText(1), "Canal 1 (gauche)");
    EXPECT_EQ(choice->itemText(3), QString::fromUtf8("Mélange"));
    EXPECT_TRUE(used->text().contains(QRegularExpression("^canal [12] sur 2 retenu$"))) << used->text().toStdString();

    const auto speedAt3s = [this] {
        const Curve& c = window->curve();
        for (int r = 0; r <= c.pointCount; ++r)
            if (c.rows[r].time > 3.0f)
                return double(c.rows[r].speed);
        return 0.0;
    };
    platform.clearMessages();
    const auto asked = platform.requests().size();
    choice->setCurrentIndex(1);
    EXPECT_TRUE(window->working());
    waitForWork();
    EXPECT_EQ(used->text(), "canal 1 sur 2 retenu");
    EXPECT_NEAR(speedAt3s(), 1200.0, 12.0);
    EXPECT_EQ(window->wavPath(), converted);
    choice->setCurrentIndex(2);
    waitForWork();
    EXPECT_EQ(used->text(), "canal 2 sur 2 retenu");
    EXPECT_NEAR(speedAt3s(), 3000.0, 30.0);
    expectSameCurve(window->curve(), expected({}, converted));
    EXPECT_EQ(platform.requests().size(), asked) << "no dialog for the source's own copy";
    EXPECT_TRUE(platform.messages().empty()) << platform.lastMessage();

    choice->setCurrentIndex(3);
    waitForWork();
    EXPECT_EQ(used->text(), QString::fromUtf8("2 canaux mélangés"));
    EXPECT_EQ(window->channelRequest().mode, ChannelRequest::Mode::Mix);

    // Opened again: its copy, mixed as chosen, without converting.
    open(recording);
    EXPECT_FALSE(choice->isVisibleTo(window.get()));
    platform.answerOpen(take);
    child<QAction>("cHaWav")->trigger();
    EXPECT_FALSE(window->working());
    EXPECT_EQ(choice->currentText(), QString::fromUtf8("Mélange"));
    EXPECT_EQ(window->wavPath(), converted);
    EXPECT_EQ(window->sourcePath(), take);
}

// The import of a long recording runs off the window's thread: the window
// goes on handling events, the controls that would start other work wait,
// "Annuler" stops it and leaves no file; closing or destroying the window
// mid-work stops it too.
TEST_F(WavWindowTest, ALongImportLeavesTheWindowResponsiveAndCanBeCancelled)
{
    const std::string take = phoneTake("phone/long.wav", {}, 10);
    const std::filesystem::path converted = home / "Wav/long.wav";
    auto* cancel = child<QPushButton>("CommandAnnuler");
    auto* bar = child<QProgressBar>("Prowav");
    EXPECT_FALSE(cancel->isEnabled());

    platform.answerOpen(take);
    child<QAction>("cHaWav")->trigger();
    ASSERT_TRUE(window->working());
    EXPECT_TRUE(cancel->isEnabled());
    for (const char* name : {"cHaWav", "CharRET", "SaveRET"})
        EXPECT_FALSE(child<QAction>(name)->isEnabled()) << name;
    EXPECT_FALSE(child<QPushButton>("Command156")->isEnabled());
    EXPECT_FALSE(child<QComboBox>("cboMethode")->isEnabled());
    bool eventHandled = false;
    QTimer::singleShot(0, [&] { eventHandled = eventHandled || window->working(); });
    std::vector<int> shown;
    QObject::connect(bar, &QProgressBar::valueChanged, [&](int v) {
        if (window && window->working())
            shown.push_back(v);
    });
    waitForWork();
    EXPECT_TRUE(eventHandled);
    EXPECT_EQ(bar->value(), 10000);
    EXPECT_TRUE(std::is_sorted(shown.begin(), shown.end()));  // the import's share only grows
    EXPECT_EQ(window->source(), WavWindow::Source::Wav);
    EXPECT_EQ(window->wavPath(), converted.string());
    expectSameCurve(window->curve(), expected({}, converted.string()));
    EXPECT_GT(window->curve().pointCount, 5 * expected().pointCount) << "a curve over the ten runs";
    EXPECT_TRUE(child<QAction>("cHaWav")->isEnabled());
    EXPECT_FALSE(cancel->isEnabled());

    // Cancelled: no file, no message, the window as it was.
    std::filesystem::remove(converted);
    std::filesystem::remove(converted.string() + ".from");
    open(recording);
    platform.clearMessages();
    const Curve before = window->curve();
    platform.answerOpen(take);
    child<QAction>("cHaWav")->trigger();
    ASSERT_TRUE(window->working());
    cancel->click();
    waitForWork();
    EXPECT_FALSE(std::filesystem::exists(converted));
    EXPECT_TRUE(platform.messages().empty()) << platform.lastMessage();
    EXPECT_EQ(window->wavPath(), recording);
    expectSameCurve(window->curve(), before);
    EXPECT_EQ(bar->value(), 0);
    EXPECT_TRUE(child<QAction>("cHaWav")->isEnabled());
    EXPECT_TRUE(child<QSlider>("Slider4")->isEnabled());

    // Closed mid-work: stopped likewise.
    platform.answerOpen(take);
    child<QAction>("cHaWav")->trigger();
    window->close();
    waitForWork();
    EXPECT_FALSE(std::filesystem::exists(converted));
    EXPECT_TRUE(platform.messages().empty()) << platform.lastMessage();

    // Destroyed mid-work: it waits for the work, which writes nothing.
    platform.answerOpen(take);
    child<QAction>("cHaWav")->trigger();
    window.reset();
    QApplication::processEvents();
    EXPECT_FALSE(std::filesystem::exists(converted));
}

// The precise fit runs off the window's thread too; stopped, it leaves the
// curve as it was.
TEST_F(WavWindowTest, ThePreciseFitCanBeCancelled)
{
    open(recording);
    child<QComboBox>("cboMethode")->setCurrentIndex(1);
    child<QPushButton>("Command3")->click();
    ASSERT_TRUE(window->working());
    child<QPushButton>("CommandAnnuler")->click();
    waitForWork();
    expectSameCurve(window->curve(), expected());
    EXPECT_FALSE(window->filtered());
    EXPECT_TRUE(platform.messages().empty()) << platform.lastMessage();
    child<QPushButton>("Command3")->click();
    waitForWork();
    EXPECT_TRUE(window->filtered());
    EXPECT_GT(window->curve().pointCount, 550);
}

// The line under the plot gives the sparks found and what the check made of
// them.
TEST_F(WavWindowTest, TheCheckLineGivesTheSparkCountAndTheMissedSparks)
{
    useProgramLanguage("fr");
    const auto times = detectSparksInFile(recording, {})->sparkTimes;
    open(recording);
    auto* line = child<QLabel>("lblControle");
    EXPECT_EQ(line->text(), QString::fromUtf8("%1 étincelles, aucune manquée").arg(times.size()));
    // One spark taken out near 3 s.
    std::string bytes = TempFolder::read(recording);
    const auto it = std::lower_bound(times.begin(), times.end(), 3.0);
    const auto at = static_cast<std::size_t>(44 + *it * 44100);
    for (std::size_t k = at - 60; k < at + 200; ++k)
        bytes[k] = char(128);
    const std::string gap = home.write("Wav/gap.wav", bytes).string();
    open(gap);
    EXPECT_TRUE(line->text().startsWith(
        QString::fromUtf8("%1 étincelles : 1 étincelle manquante vers 3,").arg(times.size() - 1)))
        << line->text().toStdString();
    removeProgramLanguage();
}

// Another recording starts from the default threshold and polarity (what
// every converted recording is levelled for); the same one opened again
// keeps what it was given.
TEST_F(WavWindowTest, ANewRecordingStartsFromTheDefaultThreshold)
{
    open(recording);
    auto* polarity = child<QCheckBox>("Check1");
    auto* threshold = child<QSlider>("Slider4");
    polarity->click();
    threshold->setValue(40);
    ASSERT_EQ(threshold->value(), 40);
    platform.answerOpen(std::nullopt);  // cancelled: the same recording again
    child<QAction>("cHaWav")->trigger();
    EXPECT_TRUE(polarity->isChecked());
    EXPECT_EQ(threshold->value(), 40);

    IgnitionSignal other;
    other.seconds = 4.0;
    const std::string next = home.write("Wav/next.wav", makeIgnitionRecording(other).wav).string();
    open(next);
    EXPECT_FALSE(polarity->isChecked());
    EXPECT_EQ(polarity->text(), "128 - 255");
    EXPECT_EQ(threshold->value(), 165);
    EXPECT_EQ(threshold->minimum(), 128);
    expectSameCurve(window->curve(), expected({}, next));
}

// The file menu's line is a separator; each dialog of "Filtre Wav" says what
// it asks for.
TEST_F(WavWindowTest, TheFileMenuSeparatorAndTheWavFilterDialogTitles)
{
    const auto* line = child<QAction>("none");
    EXPECT_TRUE(line->isSeparator());
    EXPECT_TRUE(line->text().isEmpty());
    platform.answerOpen(recording);
    platform.answerSave(std::nullopt);
    child<QPushButton>("Command156")->click();
    const auto& asked = platform.requests();
    ASSERT_GE(asked.size(), 2u);
    EXPECT_EQ(asked[asked.size() - 2].title, "Filtre Wav : le fichier Wav à filtrer");
    EXPECT_EQ(asked.back().title, "Filtre Wav : enregistrer le fichier filtré sous");
}

}  // namespace
}  // namespace vornax
