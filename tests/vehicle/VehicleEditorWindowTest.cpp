#include "gui/vehicle/VehicleEditorWindow.h"

#include "ScriptedPlatform.h"
#include "TempFolder.h"
#include "gui/common/WindowManager.h"
#include "gui/shell/MainWindow.h"
#include "store/Varia.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace vornax {
namespace {

using testing::ScriptedPlatform;
using testing::TempFolder;

class VehicleEditorWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        home.useAsAppFolder();
        resetStore();
        WindowManager::instance().reset();
        WindowManager::instance().registerWindow("MiniV1", [] { return new VehicleEditorWindow; });
        start = new MainWindow;
        start->show();
    }
    void TearDown() override
    {
        WindowManager::instance().reset();
        delete start.data();
    }

    VehicleEditorWindow* openEditor()
    {
        return static_cast<VehicleEditorWindow*>(WindowManager::instance().show("MiniV1"));
    }
    static void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    template <typename T>
    static T* child(QWidget* w, const char* name)
    {
        T* found = w->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    static QString text(QWidget* w, const char* field) { return child<QLineEdit>(w, field)->text(); }

    // What the user does: types a whole new text, then leaves the field.
    static void typeAndLeave(QWidget* w, const char* name, const QString& typed)
    {
        QLineEdit* field = child<QLineEdit>(w, name);
        field->setText(typed);
        emit field->textEdited(typed);
        QFocusEvent out(QEvent::FocusOut);
        QApplication::sendEvent(field, &out);
    }
    static void choose(QWidget* w, const char* name, int index)
    {
        QComboBox* list = child<QComboBox>(w, name);
        list->setCurrentIndex(index);
        emit list->activated(index);
    }

    TempFolder home;
    ScriptedPlatform platform;
    QPointer<MainWindow> start;
};

TEST_F(VehicleEditorWindowTest, OpensOnTheStoreWithItsCaptionsAndHidesTheMainWindow)
{
    store().set("LbAnnuler", "Cancel");
    store().set("LbPneumatique", "Tyres");
    VehicleEditorWindow* w = openEditor();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->objectName(), "MiniV1");
    EXPECT_FALSE(start->isVisible());
    EXPECT_EQ(w->windowTitle(), "The Vornax Meter ***** Mini *****");
    EXPECT_EQ(child<QPushButton>(w, "BPStop")->text(), "Cancel");
    EXPECT_EQ(child<QGroupBox>(w, "frpneu")->title(), "Tyres");
    EXPECT_EQ(child<QLabel>(w, "Label11")->text(), "rapportdepont");
    EXPECT_FALSE(child<QAction>(w, "Enregistrer")->isEnabled());

    EXPECT_EQ(child<QComboBox>(w, "lstTypePneu")->currentText(), "145/70/12");
    EXPECT_EQ(child<QComboBox>(w, "lstSCx")->currentText(), "Mini");
    EXPECT_EQ(child<QComboBox>(w, "lsttypeDiff")->currentText(), "3,105");
    EXPECT_EQ(child<QComboBox>(w, "lsttypeBoite")->currentText(), "Boite 4 sync. Moteur A+");
    EXPECT_EQ(child<QComboBox>(w, "lstengdiff")->currentText(), "Standard");
    EXPECT_EQ(child<QComboBox>(w, "lstImot")->currentIndex(), -1);
    EXPECT_EQ(text(w, "txtpboite"), "22,6");
    EXPECT_EQ(text(w, "txt1e"), "3,648");
    EXPECT_FALSE(child<QLineEdit>(w, "txt1e")->isEnabled());
    EXPECT_FALSE(child<QLineEdit>(w, "txt5e")->isVisible());
    EXPECT_FALSE(child<QLabel>(w, "lbl6e")->isVisible());
}

TEST_F(VehicleEditorWindowTest, ChoicesAndFieldExitsGoThroughTheEditor)
{
    VehicleEditorWindow* w = openEditor();
    choose(w, "lsttypeBoite", kGearboxSix);
    EXPECT_TRUE(child<QLineEdit>(w, "txt6e")->isVisible());
    EXPECT_TRUE(child<QLabel>(w, "lbl5e")->isVisible());
    EXPECT_TRUE(child<QLineEdit>(w, "txt1e")->isEnabled());
    EXPECT_EQ(text(w, "txt1e"), "?");

    typeAndLeave(w, "txt1e", "3.2");
    EXPECT_EQ(text(w, "txt1e"), "3,2");
    choose(w, "lstTypePneu", kTyreAutre);
    typeAndLeave(w, "txtlrgP", "1200");
    EXPECT_EQ(text(w, "txtlrgP"), "999");
    typeAndLeave(w, "txthtP", "abc");  // not a number: kept, no message
    EXPECT_EQ(text(w, "txthtP"), "abc");
    EXPECT_TRUE(platform.messages().empty());

    choose(w, "lstengCascade", kCascadeAutre);
    EXPECT_FALSE(child<QComboBox>(w, "lstEngBoite")->isEnabled());
    EXPECT_TRUE(child<QLineEdit>(w, "txtpboite")->isEnabled());
    EXPECT_EQ(text(w, "txtpboite"), "?");
    EXPECT_EQ(w->editor().field(Field::R1).text, "3,2");
}

// A window that shows vehicle values, as the power and acceleration windows do.
class VehicleAwareWindow : public QWidget {
    Q_OBJECT
public:
    Q_INVOKABLE void vehicleCommitted() { ++commits; }
    int commits = 0;
};

TEST_F(VehicleEditorWindowTest, OkTellsTheOpenWindowsThatShowVehicleValues)
{
    auto& windows = WindowManager::instance();
    windows.registerWindow("CPuiss", [] { return new VehicleAwareWindow; });
    windows.registerWindow("GRph", [] { return new QWidget(nullptr, Qt::Window); });
    auto* power = static_cast<VehicleAwareWindow*>(windows.show("CPuiss"));
    windows.show("GRph");
    power->hide();  // hidden windows live on and are told too

    VehicleEditorWindow* w = openEditor();
    child<QPushButton>(w, "OK")->click();
    flushDeletes();
    EXPECT_EQ(power->commits, 1);

    openEditor()->cancel();
    flushDeletes();
    EXPECT_EQ(power->commits, 1) << "a cancelled editor confirms nothing";
}

TEST_F(VehicleEditorWindowTest, OkCommitsClosesAndEnablesThePowerItems)
{
    VehicleEditorWindow* w = openEditor();
    typeAndLeave(w, "txtNom", "Clubman");
    choose(w, "lsttypeDiff", 0);
    child<QPushButton>(w, "OK")->click();
    flushDeletes();

    EXPECT_EQ(WindowManager::instance().find("MiniV1"), nullptr);
    EXPECT_TRUE(start->isVisible());
    EXPECT_TRUE(start->findChild<QAction*>("CalcP")->isEnabled());
    EXPECT_TRUE(start->findChild<QAction*>("acc")->isEnabled());
    EXPECT_EQ(store().get("Lbnom"), "Clubman");
    EXPECT_EQ(store().get("LbRp"), "2,76");
    EXPECT_EQ(store().get("lbldiff"), "0");
    EXPECT_EQ(store().get("LbPerteB"), "22,62190625");

    // The next opening is a new editor restored from the store.
    VehicleEditorWindow* again = openEditor();
    EXPECT_EQ(text(again, "txtNom"), "Clubman");
    EXPECT_EQ(child<QComboBox>(again, "lsttypeDiff")->currentText(), "2,76");
}

// The store keeps the inertias, not the entries that gave them: the next
// opening shows the engine and rim chosen at OK, not blank lists, while the
// store holds what that OK wrote.
TEST_F(VehicleEditorWindowTest, TheNextOpeningShowsTheEngineAndRimInForce)
{
    struct Case {
        int engine;
        const char* typedEngine;  // for "Autre"
        int rim;
        const char* typedRim;
        const char* shownEngine;
        bool engineEnabled;
    } const cases[] = {
        {1, nullptr, 2, nullptr, "0,13", false},
        {2, "0,095", 3, "0,4", "0,095", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.engine);
        VehicleEditorWindow* w = openEditor();
        choose(w, "lstImot", c.engine);
        if (c.typedEngine)
            typeAndLeave(w, "txtImot", c.typedEngine);
        choose(w, "lstIroue", c.rim);
        if (c.typedRim)
            typeAndLeave(w, "txtIroue", c.typedRim);
        child<QPushButton>(w, "OK")->click();
        flushDeletes();
        EXPECT_EQ(store().get("LbImoteur"), c.shownEngine);

        VehicleEditorWindow* again = openEditor();
        EXPECT_EQ(child<QComboBox>(again, "lstImot")->currentIndex(), c.engine);
        EXPECT_EQ(text(again, "txtImot"), c.shownEngine);
        EXPECT_EQ(child<QLineEdit>(again, "txtImot")->isEnabled(), c.engineEnabled);
        EXPECT_EQ(child<QComboBox>(again, "lstIroue")->currentIndex(), c.rim);
        EXPECT_EQ(text(again, "txtIroue"), c.typedRim ? c.typedRim : "1,2");
        again->cancel();
        flushDeletes();
    }
    // A store that no longer holds that vehicle opens the lists blank, as at
    // the first opening.
    store().set("LbImoteur", "0,12");
    VehicleEditorWindow* changed = openEditor();
    EXPECT_EQ(child<QComboBox>(changed, "lstImot")->currentIndex(), -1);
    EXPECT_EQ(text(changed, "txtImot"), "0,12");
    EXPECT_EQ(child<QComboBox>(changed, "lstIroue")->currentIndex(), -1);
}

TEST_F(VehicleEditorWindowTest, OkRefusesRatiosItCannotUseAndStaysOpen)
{
    const auto before = store().vehicleEntries();
    VehicleEditorWindow* w = openEditor();
    choose(w, "lsttypeBoite", 7);  // "Boite 5": the fresh store's "?" ratios
    child<QPushButton>(w, "OK")->click();
    flushDeletes();
    ASSERT_EQ(platform.messages().size(), 1u);
    // Named by the caption beside the field, not by the field's own name.
    const std::string caption = child<QLabel>(w, "lbl1e")->text().toStdString();
    EXPECT_NE(platform.lastMessage().find(caption), std::string::npos) << platform.lastMessage();
    EXPECT_EQ(platform.lastMessage().find("txt1e"), std::string::npos) << platform.lastMessage();
    EXPECT_EQ(store().vehicleEntries(), before);
    EXPECT_EQ(WindowManager::instance().find("MiniV1"), w);
    EXPECT_FALSE(start->findChild<QAction*>("CalcP")->isEnabled());

    for (const char* field : {"txt1e", "txt2e", "txt3e", "txt4e", "txt5e"})
        typeAndLeave(w, field, "1,2");
    child<QPushButton>(w, "OK")->click();
    flushDeletes();
    EXPECT_EQ(store().get("LbPr"), "1,2");
    EXPECT_TRUE(start->findChild<QAction*>("CalcP")->isEnabled());
}

TEST_F(VehicleEditorWindowTest, CancelAndTheCloseBoxWriteNothing)
{
    const auto before = store().vehicleEntries();
    VehicleEditorWindow* w = openEditor();
    typeAndLeave(w, "txtNom", "Changed");
    choose(w, "lstTypePneu", 0);
    child<QPushButton>(w, "BPStop")->click();
    flushDeletes();
    EXPECT_EQ(store().vehicleEntries(), before);
    EXPECT_TRUE(start->isVisible());
    EXPECT_FALSE(start->findChild<QAction*>("CalcP")->isEnabled());

    w = openEditor();
    EXPECT_EQ(text(w, "txtNom"), "?");
    EXPECT_EQ(child<QComboBox>(w, "lstTypePneu")->currentText(), "145/70/12");
    w->close();
    flushDeletes();
    EXPECT_EQ(store().vehicleEntries(), before);
    EXPECT_TRUE(start->isVisible());
}

TEST_F(VehicleEditorWindowTest, FileMenuLoadsSavesAndReportsBadFiles)
{
    VehicleEditorWindow* w = openEditor();
    platform.answerOpen(home.write("Mini/bad.Dat", "[VersionV1]\r\nBad\r\n 99 \r\n").string());
    child<QAction>(w, "Ouvrir")->trigger();
    // The open dialog is titled as the menu entry that opened it.
    ASSERT_EQ(platform.requests().size(), 1u);
    EXPECT_EQ(platform.requests()[0].title, child<QAction>(w, "Ouvrir")->text().toStdString());
    EXPECT_EQ(platform.requests()[0].title, "Charger");
    ASSERT_EQ(platform.messages().size(), 1u);
    EXPECT_EQ(platform.messages()[0].icon, MessageIcon::Critical);
    EXPECT_EQ(text(w, "txtNom"), "?");  // a failed load changes nothing
    EXPECT_EQ(child<QComboBox>(w, "lsttypeDiff")->currentText(), "3,105");
    EXPECT_FALSE(child<QAction>(w, "Enregistrer")->isEnabled());

    const auto good =
        home.write("Mini/good.Dat", "[VersionV1]\r\nGood\r\n 19 \r\n4,1\r\n 0 \r\n 6 \r\n600\r\n 1 \r\n 1 \r\n 1 \r\n");
    platform.answerOpen(good.string());
    child<QAction>(w, "Ouvrir")->trigger();
    EXPECT_EQ(platform.messages().size(), 1u);
    EXPECT_TRUE(child<QAction>(w, "Enregistrer")->isEnabled());
    EXPECT_EQ(text(w, "txtrp"), "4,1");
    EXPECT_TRUE(child<QLineEdit>(w, "txtrp")->isEnabled());
    EXPECT_EQ(text(w, "txtpboite"), "9,6");

    typeAndLeave(w, "txtPV", "590");
    child<QAction>(w, "Enregistrer")->trigger();
    EXPECT_NE(TempFolder::read(good).find("\r\n590\r\n"), std::string::npos);
}

}  // namespace
}  // namespace vornax

#include "VehicleEditorWindowTest.moc"
