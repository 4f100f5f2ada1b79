#include "gui/shell/AboutBox.h"
#include "gui/shell/MainWindow.h"

#include "ScriptedPlatform.h"
#include "TempFolder.h"
#include "common/AppFolder.h"
#include "common/TextFile.h"
#include "gui/common/WindowManager.h"
#include "store/Varia.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

#include <gtest/gtest.h>

namespace vornax {
namespace {

using testing::ScriptedPlatform;
using testing::TempFolder;

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        home.useAsAppFolder();
        resetStore();
        WindowManager::instance().reset();
        WindowManager::instance().registerWindow("frmAbout", [] { return new AboutBox; });
    }
    void TearDown() override { WindowManager::instance().reset(); }

    QAction* action(MainWindow& w, const char* name) { return w.findChild<QAction*>(name); }
    QMenu* menu(MainWindow& w, const char* name) { return w.findChild<QMenu*>(name); }

    std::string numberedFile(int count)
    {
        std::string text;
        for (int i = 1; i <= count; ++i)
            text += "L" + std::to_string(i) + "\r\n";
        return text;
    }

    TempFolder home;
    ScriptedPlatform platform;
};

TEST_F(MainWindowTest, StartsWithoutALanguageFileOnTheStoreCaptions)
{
    MainWindow w;
    EXPECT_EQ(w.windowTitle(), "The Vornax Meter");
    EXPECT_EQ(w.width(), 731);
    EXPECT_EQ(action(w, "Mini")->text(), "Mini");
    EXPECT_EQ(menu(w, "Aquisition")->title(), "Aquisition");
    EXPECT_EQ(action(w, "CalcP")->text(), "Calcul de Puissance");
    EXPECT_EQ(action(w, "ChargerW")->text(), "Traiter un Wav");
    EXPECT_EQ(action(w, "Enregistreur")->text(), "Enregistrer un Wav");
    EXPECT_EQ(action(w, "acc")->text(), "LbAcc");
    EXPECT_EQ(menu(w, "text")->title(), "Comparaison");
    EXPECT_EQ(action(w, "CompCP")->text(), "Courbe Couple/Puissance");
    EXPECT_EQ(action(w, "aide")->text(), "A propos de");
    EXPECT_EQ(menu(w, "Autre")->title(), "Autre");
    EXPECT_EQ(action(w, "Langue")->text(), "Langue");
    EXPECT_FALSE(action(w, "CalcP")->isEnabled());
    EXPECT_FALSE(action(w, "acc")->isEnabled());
    EXPECT_TRUE(platform.messages().empty());  // a missing language file is not reported
}

TEST_F(MainWindowTest, FirstStartOnAFolderMadeBeforehandShowsFrenchCaptions)
{
    setShippedLanguageFolderForTests(VORNAX_LANG_DIR);
    resetAppFolderForTests();
    MainWindow w;
    EXPECT_EQ(menu(w, "Aquisition")->title(), "Acquisition");  // line 4 of the French file
    EXPECT_EQ(store().get("LbConvertionWatt"), "735,49875");
    EXPECT_TRUE(platform.messages().empty());
    setShippedLanguageFolderForTests({});
}

TEST_F(MainWindowTest, AFolderThatCannotBeWrittenStartsInFrenchAndSaysWhereOnce)
{
    home.write("blocked", "a plain file");
    ::setenv("VORNAX_HOME", (home / "blocked/app").c_str(), 1);
    setShippedLanguageFolderForTests(VORNAX_LANG_DIR);
    resetAppFolderForTests();
    {
        MainWindow w;
        EXPECT_EQ(menu(w, "Aquisition")->title(), "Acquisition");
        w.startUp();  // a second start-up (a language choice) does not say it again
        ASSERT_EQ(platform.messages().size(), 1u);
        EXPECT_NE(platform.messages()[0].text.find((home / "blocked/app/lang").string()), std::string::npos);
    }
    setShippedLanguageFolderForTests({});
    home.useAsAppFolder();
}

TEST_F(MainWindowTest, ReadsTheActiveLanguageFileIntoMenuAndStore)
{
    home.write("lang/lang.lang", numberedFile(91));
    MainWindow w;
    EXPECT_EQ(action(w, "Mini")->text(), "L3");
    EXPECT_EQ(menu(w, "Autre")->title(), "L10");
    EXPECT_EQ(action(w, "Langue")->text(), "L12");
    // Not in the language file: the program's own words, in English for a
    // language file that is neither the French nor the English one.
    EXPECT_EQ(action(w, "Enregistreur")->text(), "Record a WAV");
    EXPECT_EQ(store().get("Lbpropos"), "L91");
}

TEST_F(MainWindowTest, LanguageChoiceCopiesTheFileAndRunsTheStartUpAgain)
{
    home.write("lang/lang.lang", numberedFile(91));
    const auto english = home.write("lang/english.txt", "Version EN\nx\nMini EN\n");
    MainWindow w;
    QMetaObject::invokeMethod(&w, "vehicleCommitted");
    ASSERT_TRUE(action(w, "CalcP")->isEnabled());

    // Cancelled: the texts stay, the start-up still runs (items disabled again).
    action(w, "Langue")->trigger();
    EXPECT_EQ(action(w, "Mini")->text(), "L3");
    EXPECT_FALSE(action(w, "CalcP")->isEnabled());
    ASSERT_FALSE(platform.requests().empty());
    EXPECT_EQ(platform.requests().back().filter, "langfile|*.txt");
    EXPECT_EQ(platform.requests().back().initialName, " ");

    QMetaObject::invokeMethod(&w, "vehicleCommitted");
    platform.answerOpen(english.string());
    action(w, "Langue")->trigger();
    EXPECT_EQ(action(w, "Mini")->text(), "Mini EN");
    EXPECT_EQ(store().get("LbApropo"), "L11");  // a short file leaves the later texts
    EXPECT_EQ(TempFolder::read(home / "lang/lang.lang"), "Version EN\r\nx\r\nMini EN\r\n");
    EXPECT_FALSE(action(w, "CalcP")->isEnabled());
    EXPECT_FALSE(action(w, "acc")->isEnabled());
}

TEST_F(MainWindowTest, EachWindowIsCreatedOnceAndTheAboutBoxShowsTheVersion)
{
    MainWindow w;
    action(w, "aide")->trigger();
    QWidget* first = WindowManager::instance().find("frmAbout");
    ASSERT_NE(first, nullptr);
    first->close();
    action(w, "aide")->trigger();
    EXPECT_EQ(WindowManager::instance().find("frmAbout"), first);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(first->findChild<QLabel*>("lblVersion")->text(), "Version 1.0.16");
    EXPECT_EQ(first->findChild<QLabel*>("lblTitle")->text(), "The Vornax Meter");
    EXPECT_EQ(first->findChild<QLabel*>("lblDescription")->text(), "A propos de");
    EXPECT_EQ(first->windowTitle(), QString::fromUtf8("À propos de The Vornax Meter"));
    first->findChild<QPushButton*>("cmdOK")->click();
    EXPECT_FALSE(first->isVisible());
}

TEST_F(MainWindowTest, ClosingTheMainWindowClosesEveryWindow)
{
    WindowManager::instance().registerWindow("Form1", [] { return new QWidget(nullptr, Qt::Window); });
    WindowManager::instance().registerWindow("WavT", [] { return new QWidget(nullptr, Qt::Window); });
    QWidget other(nullptr, Qt::Window);  // one a window opened itself
    MainWindow w;
    w.show();
    other.show();
    action(w, "Enregistreur")->trigger();
    action(w, "ChargerW")->trigger();
    action(w, "aide")->trigger();
    EXPECT_TRUE(w.close());
    EXPECT_FALSE(WindowManager::instance().find("Form1")->isVisible());
    EXPECT_FALSE(WindowManager::instance().find("WavT")->isVisible());
    EXPECT_FALSE(WindowManager::instance().find("frmAbout")->isVisible());
    EXPECT_FALSE(other.isVisible());
}

TEST_F(MainWindowTest, ARecorderThatRefusesToCloseKeepsTheMainWindowOpen)
{
    // A window whose close is refused, as the recorder refuses while it
    // records and the user answers No.
    struct Refusing : QWidget {
        Refusing() : QWidget(nullptr, Qt::Window) {}
        void closeEvent(QCloseEvent* event) override { event->ignore(); }
    };
    WindowManager::instance().registerWindow("Form1", [] { return new Refusing; });
    WindowManager::instance().registerWindow("WavT", [] { return new QWidget(nullptr, Qt::Window); });
    MainWindow w;
    w.show();
    action(w, "Enregistreur")->trigger();
    action(w, "ChargerW")->trigger();
    EXPECT_FALSE(w.close());
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(WindowManager::instance().find("WavT")->isVisible());
    delete WindowManager::instance().find("Form1");
}

TEST_F(MainWindowTest, AWindowNotBuiltYetSaysSo)
{
    MainWindow w;
    action(w, "CompCP")->trigger();
    ASSERT_EQ(platform.messages().size(), 1u);
    EXPECT_EQ(WindowManager::instance().find("GRph"), nullptr);
}

}  // namespace
}  // namespace vornax
