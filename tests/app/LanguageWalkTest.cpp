// One language at a time: with the French or the English language file
// active, every window is opened and driven into its messages, and every text
// it shows (captions, labels, lists, menus, titles, messages and dialog
// titles) is checked for words of the other language. The words of each
// language are those of its language file and of its translation file; a few
// words belong to both and are allowed everywhere.
#include "ScriptedPlatform.h"
#include "TempFolder.h"
#include "../signal/SignalFiles.h"
#include "common/AppFolder.h"
#include "gui/common/WindowManager.h"
#include "gui/shell/AboutBox.h"
#include "gui/shell/MainWindow.h"
#include "store/Varia.h"
#include "gui/capture/RecorderWindow.h"
#include "gui/compare/CompareWindow.h"
#include "gui/power/PowerWindow.h"
#include "gui/signal/WavWindow.h"
#include "gui/simulation/SimTD.h"
#include "gui/vehicle/VehicleEditorWindow.h"
#include "../capture/ScriptedSoundDevice.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <functional>
#include <set>

namespace vornax {
namespace {

using testing::ScriptedPlatform;
using testing::TempFolder;
namespace fs = std::filesystem;

using Words = std::set<QString>;

// Words of two letters or more, lower case; quoted values and paths are the
// user's, not the program's, and file patterns ("*.flac") are no words.
Words wordsOf(QString text)
{
    static const QRegularExpression quoted(QStringLiteral("\"[^\"]*\"|«[^»]*»|\\S*/\\S*|\\*\\.\\w+"));
    text.remove(quoted);
    Words words;
    QString word;
    auto flush = [&] {
        if (word.size() >= 2)
            words.insert(word.toLower());
        word.clear();
    };
    for (const QChar c : text) {
        if (c.isLetter())
            word += c;
        else
            flush();
    }
    flush();
    return words;
}

Words languageFileWords(const char* name)
{
    QFile file(QString(VORNAX_SOURCE_DIR "/lang/") + name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    Words words;
    int line = 0;
    while (!file.atEnd()) {
        const QString text = QString::fromUtf8(file.readLine());
        if (++line != 2)  // line 2 names the language and its code
            words.merge(wordsOf(text));
    }
    return words;
}

Words translationWords(const char* name)
{
    QFile file(QString(VORNAX_SOURCE_DIR "/translations/") + name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    Words words;
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("translation"))
            words.merge(wordsOf(xml.readElementText()));
    return words;
}

// Words both languages write the same way.
const Words& sharedWords()
{
    static const Words words = [] {
        Words w;
        // The product and the car, file types and units, and the words
        // both languages spell alike.
        for (const char* word :
             {"vornax",     "meter",     "the",       "mini",         "cooper", "gt",          "inno",
              "version",    "ok",        "wav",       "png",          "svg",    "txt",         "ret",
              "dat",        "kg",        "km",        "mm",           "scx",    "max",         "acquisition",
              "simulation", "expert",    "signal",    "transmission", "type",   "coefficient", "synchro",
              "standard",   "semi",      "incorrect", "acceleration", "air",    "anti",        "bezier",
              "ms",         "variation", "zoom",      "point",        "points", "original",    "audio",
              "conditions", "hpa",       "auto",      "microphone",   "mono",   "bits",        "hz",
              "text",       "log"})  // "Fichier text", the French window's own words; "Fréquence log"
            w.insert(QString::fromUtf8(word));
        return w;
    }();
    return words;
}

struct Language {
    const char* file;       // the language file made active
    const char* otherFile;  // the other language's file and translation
    const char* otherTs;
    const char* name;
};

class LanguageWalk : public ::testing::TestWithParam<Language> {
protected:
    void SetUp() override
    {
        home.useAsAppFolder();
        setShippedLanguageFolderForTests(VORNAX_SOURCE_DIR "/lang");
        resetAppFolderForTests();
        appFolder();  // the shipped language files, copied in
        fs::copy_file(fs::path(VORNAX_SOURCE_DIR "/lang") / GetParam().file, home / "lang/lang.lang",
                      fs::copy_options::overwrite_existing);
        resetStore();
        auto& windows = WindowManager::instance();
        windows.reset();
        windows.registerWindow("frmAbout", [] { return new AboutBox; });
        windows.registerWindow("GRph", [] { return new CompareWindow; });
        windows.registerWindow("MiniV1", [] { return new VehicleEditorWindow; });
        windows.registerWindow("CPuiss", [] { return new PowerWindow; });
        windows.registerWindow("SimTD", [] { return new SimTD; });
        windows.registerWindow("WavT", [] { return new WavWindow; });
        windows.registerWindow("Form1", [this] {
            return new RecorderWindow(std::make_unique<testing::ScriptedSoundDevice>(), home / "tmp.wav");
        });
        main = std::make_unique<MainWindow>();
        QCoreApplication::sendPostedEvents();
        foreign = languageFileWords(GetParam().otherFile);
        foreign.merge(translationWords(GetParam().otherTs));
        ASSERT_GT(foreign.size(), 200u) << "the other language's words were not read";
    }
    void TearDown() override
    {
        main.reset();
        WindowManager::instance().reset();
        setShippedLanguageFolderForTests({});
        resetAppFolderForTests();
    }

    template <typename T>
    T* child(QWidget* window, const char* name)
    {
        T* found = window->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    // Every text a window shows.
    static QStringList shownTexts(QWidget* window)
    {
        QStringList texts{window->windowTitle()};
        for (QWidget* w : window->findChildren<QWidget*>()) {
            texts << w->toolTip();
            if (auto* label = qobject_cast<QLabel*>(w))
                texts << label->text();
            else if (auto* button = qobject_cast<QAbstractButton*>(w))
                texts << button->text();
            else if (auto* box = qobject_cast<QGroupBox*>(w))
                texts << box->title();
            else if (auto* list = qobject_cast<QComboBox*>(w))
                for (int i = 0; i < list->count(); ++i)
                    texts << list->itemText(i);
            else if (auto* items = qobject_cast<QListWidget*>(w))
                for (int i = 0; i < items->count(); ++i)
                    texts << items->item(i)->text();
            else if (auto* menu = qobject_cast<QMenu*>(w))
                texts << menu->title();
        }
        for (QAction* action : window->findChildren<QAction*>())
            texts << action->text();
        return texts;
    }

    // Texts of the window and everything the platform was asked to show.
    void expectOneLanguage(QWidget* window)
    {
        QStringList texts = shownTexts(window);
        for (const auto& shown : platform.messages())
            texts << QString::fromStdString(shown.text) << QString::fromStdString(shown.title);
        for (const auto& request : platform.requests())
            texts << QString::fromStdString(request.title) << QString::fromStdString(request.filter);
        for (const QString& text : texts)
            for (const QString& word : wordsOf(text))
                EXPECT_FALSE(foreign.count(word) && !sharedWords().count(word))
                    << GetParam().name << ", " << window->objectName().toStdString() << ": \"" << word.toStdString()
                    << "\" in \"" << text.toStdString() << "\"";
        platform.clearMessages();
    }

    QWidget* open(const char* name) { return WindowManager::instance().show(name); }

    TempFolder home;
    ScriptedPlatform platform;
    std::unique_ptr<MainWindow> main;
    Words foreign;
};

TEST_P(LanguageWalk, MainWindowAndAboutBox)
{
    main->findChild<QAction*>("Langue")->trigger();  // the language dialog, cancelled
    QCoreApplication::sendPostedEvents();
    expectOneLanguage(main.get());
    expectOneLanguage(open("frmAbout"));
}

TEST_P(LanguageWalk, Recorder)
{
    QWidget* recorder = open("Form1");
    platform.answerSave((home / "tmp.wav").string());  // the recorder's own temporary file
    child<QAbstractButton>(recorder, "Command2")->click();
    child<QAbstractButton>(recorder, "Command3")->click();
    child<QAbstractButton>(recorder, "Command1")->click();
    QMetaObject::invokeMethod(recorder, "Timer1_Timer");
    ASSERT_FALSE(platform.messages().empty());
    expectOneLanguage(recorder);
}

TEST_P(LanguageWalk, Comparison)
{
    QWidget* compare = open("GRph");
    child<QAbstractButton>(compare, "MoyC")->click();  // nothing ticked
    platform.answerOpen(home.write("bad.txt", "1;2\r\n").string());
    child<QAbstractButton>(compare, "Check1")->click();
    child<QAbstractButton>(compare, "Command12")->click();  // the file is not a power curve
    ASSERT_EQ(platform.messages().size(), 2u);
    expectOneLanguage(compare);
}

// Choosing another language updates the windows that are open, not only the
// next ones.
TEST(LanguageChange, UpdatesTheOpenWindows)
{
    TempFolder home;
    home.useAsAppFolder();
    setShippedLanguageFolderForTests(VORNAX_SOURCE_DIR "/lang");
    resetAppFolderForTests();
    resetStore();
    ScriptedPlatform platform;
    auto& windows = WindowManager::instance();
    windows.reset();
    windows.registerWindow("frmAbout", [] { return new AboutBox; });
    windows.registerWindow("GRph", [] { return new CompareWindow; });
    windows.registerWindow("CPuiss", [] { return new PowerWindow; });
    windows.registerWindow("Form1", [&home] {
        return new RecorderWindow(std::make_unique<testing::ScriptedSoundDevice>(), home / "tmp.wav");
    });
    {
        MainWindow main;
        QWidget* about = windows.show("frmAbout");
        QWidget* compare = windows.show("GRph");
        QWidget* recorder = windows.show("Form1");
        QWidget* power = windows.show("CPuiss");
        QCoreApplication::sendPostedEvents();
        EXPECT_EQ(compare->findChild<QAbstractButton*>("Command12")->text(), "Tracer");
        EXPECT_EQ(power->findChild<QLabel*>("Label20")->text(), "Puissance en ch");
        EXPECT_EQ(power->findChild<QLabel*>("Label21")->text(), "Couple en mkg");
        EXPECT_EQ(power->findChild<QComboBox*>("lstvitesse")->itemText(0), "1e");
        EXPECT_EQ(recorder->findChild<QAbstractButton*>("Command2")->text(), "Enregistrer");

        platform.answerOpen((home / "lang/english.txt").string());
        main.findChild<QAction*>("Langue")->trigger();
        QCoreApplication::sendPostedEvents();
        EXPECT_EQ(main.findChild<QAction*>("Enregistreur")->text(), "Record a WAV");
        EXPECT_EQ(main.findChild<QMenu*>("Autre")->title(), "Other");
        EXPECT_EQ(about->windowTitle(), "About The Vornax Meter");
        EXPECT_EQ(compare->findChild<QAbstractButton*>("Command12")->text(), "Plot");
        EXPECT_EQ(compare->findChild<QAbstractButton*>("MoyC")->text(), "Average");
        EXPECT_EQ(recorder->findChild<QAbstractButton*>("Command2")->text(), "Record");
        EXPECT_EQ(power->findChild<QLabel*>("Label20")->text(), "Power in hp");
        EXPECT_EQ(power->findChild<QLabel*>("Label21")->text(), QString::fromUtf8("Torque in lb·ft"));
        EXPECT_EQ(power->findChild<QComboBox*>("lstvitesse")->itemText(0), "1st");
        EXPECT_TRUE(platform.messages().empty());
    }
    windows.reset();
    setShippedLanguageFolderForTests({});
    resetAppFolderForTests();
}

// An engine-speed curve of a run in one gear: time;rpm lines.
std::string runCurve()
{
    std::string text;
    for (int i = 0; i < 120; ++i)
        text +=
            std::to_string(1 + i / 10) + "," + std::to_string(i % 10) + ";" + std::to_string(2000 + 30 * i) + "\r\n";
    return text;
}

TEST_P(LanguageWalk, WavWindow)
{
    QWidget* wav = open("WavT");
    // The import and the precise fit end on the window's thread.
    const auto finished = [window = qobject_cast<WavWindow*>(wav)] {
        const QDeadlineTimer deadline(60000);
        while (window->working() && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        ASSERT_FALSE(window->working());
    };
    wav->findChild<QAction*>("SaveRET")->trigger();  // nothing to save yet
    platform.answerOpen(home.write("x1.wav", "RIFF....WAVEjunk").string());
    wav->findChild<QAction*>("cHaWav")->trigger();
    finished();
    ASSERT_EQ(platform.messages().size(), 2u);
    expectOneLanguage(wav);

    // A run with a spark missing: the check line, then the precise curve's
    // line beside it.
    std::vector<testing::Pulse> pulses = testing::pulseTrain(1000, 441, 200);
    pulses.erase(pulses.begin() + 100);
    platform.answerOpen(home.write("gap.wav", testing::pulseWav(441 * 203, pulses)).string());
    wav->findChild<QAction*>("cHaWav")->trigger();
    child<QComboBox>(wav, "cboMethode")->setCurrentIndex(1);
    child<QAbstractButton>(wav, "Command3")->click();
    finished();
    const QString line = child<QLabel>(wav, "lblControle")->text();
    // The gap, 1,02 s in, and every other figure with the window's decimal
    // comma, in either language.
    EXPECT_TRUE(line.contains(" 1,0 s")) << line.toStdString();
    EXPECT_FALSE(line.contains(QRegularExpression("[0-9][.][0-9]"))) << line.toStdString();
    EXPECT_EQ(line.count(QString::fromUtf8("±")), 2) << line.toStdString();
    expectOneLanguage(wav);
}

TEST_P(LanguageWalk, VehicleEditor)
{
    QWidget* editor = open("MiniV1");
    editor->findChild<QAction*>("EnregistrerS")->trigger();  // the save dialog, cancelled
    expectOneLanguage(editor);
}

TEST_P(LanguageWalk, PowerWindow)
{
    QWidget* power = open("CPuiss");
    platform.answerOpen(home.write("run.ReT", runCurve()).string());
    child<QAbstractButton>(power, "Command1")->click();  // no vehicle confirmed yet
    ASSERT_EQ(platform.messages().size(), 1u);
    expectOneLanguage(power);

    open("MiniV1")->findChild<QAbstractButton*>("OK")->click();
    platform.answerOpen(home.write("bad.ReT", "1;2000\r\nx\r\n").string());
    child<QAbstractButton>(power, "Command1")->click();  // not a curve
    platform.answerOpen((home / "run.ReT").string());
    child<QAbstractButton>(power, "Command1")->click();
    ASSERT_EQ(platform.messages().size(), 1u);
    EXPECT_FALSE(child<QLabel>(power, "Label22")->text().isEmpty());
    expectOneLanguage(power);
}

TEST_P(LanguageWalk, AccelerationWindow)
{
    QWidget* simulation = open("SimTD");
    platform.answerOpen(home.write("bad.txt", "1;2\r\n").string());
    simulation->findChild<QAction*>("CharPui")->trigger();
    ASSERT_EQ(platform.messages().size(), 1u);
    expectOneLanguage(simulation);
}

INSTANTIATE_TEST_SUITE_P(Languages, LanguageWalk,
                         ::testing::Values(Language{"english.txt", "francais.txt", "vornax_fr.ts", "English"},
                                           Language{"francais.txt", "english.txt", "vornax_en.ts", "French"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vornax
