#include "gui/shell/MainWindow.h"

#include "common/AppFolder.h"
#include "common/PlatformServices.h"
#include "paint/ProgramLanguage.h"
#include "gui/common/WindowManager.h"
#include "store/Language.h"
#include "gui/shell/TitlePicture.h"
#include "store/Varia.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>

namespace vornax {
namespace {

QString text(const char* entry) { return QString::fromStdString(store().get(entry)); }

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent)
{
    setObjectName("Start");
    picture_ = new QLabel(this);
    picture_->setObjectName("Picture1");
    picture_->setPixmap(titlePicture());
    picture_->setFixedSize(kTitlePictureWidth, kTitlePictureHeight);
    setCentralWidget(picture_);

    QMenuBar* bar = menuBar();
    bar->setNativeMenuBar(false);
    mini_ = bar->addAction(QString());
    mini_->setObjectName("Mini");
    connect(mini_, &QAction::triggered, this, [] { WindowManager::instance().show("MiniV1"); });

    aquisition_ = bar->addMenu(QString());
    aquisition_->setObjectName("Aquisition");
    enregistreur_ = addWindowItem(aquisition_, "Enregistreur", "Form1");
    chargerW_ = addWindowItem(aquisition_, "ChargerW", "WavT");
    calcP_ = addWindowItem(aquisition_, "CalcP", "CPuiss");
    journal_ = addWindowItem(aquisition_, "JournalVitesse", "JournalVitesse");

    text_ = bar->addMenu(QString());
    text_->setObjectName("text");
    compCP_ = addWindowItem(text_, "CompCP", "GRph");
    acc_ = addWindowItem(text_, "acc", "SimTD");

    autre_ = bar->addMenu(QString());
    autre_->setObjectName("Autre");
    aide_ = addWindowItem(autre_, "aide", "frmAbout");
    langue_ = autre_->addAction(QString());
    langue_->setObjectName("Langue");
    connect(langue_, &QAction::triggered, this, &MainWindow::chooseLanguage);

    WindowManager::instance().adopt("Start", this);
    startUp();
}

QAction* MainWindow::addWindowItem(QMenu* menu, const char* objectName, const char* window)
{
    QAction* action = menu->addAction(QString());
    action->setObjectName(objectName);
    const std::string name = window;
    connect(action, &QAction::triggered, this, [name] { WindowManager::instance().show(name); });
    return action;
}

void MainWindow::startUp()
{
    setWindowTitle(text("Lbversion"));
    setFixedWidth(picture_->width());
    calcP_->setEnabled(false);
    acc_->setEnabled(false);

    const std::filesystem::path languageFile = usableActiveLanguageFile();
    const LanguageLoad load = loadLanguageFile(store(), languageFile);
    if (load.autreCaption)
        autreCaption_ = QString::fromStdString(*load.autreCaption);
    if (load.langueCaption)
        langueCaption_ = QString::fromStdString(*load.langueCaption);
    // The program's own texts follow the language file; every open window
    // re-reads its captions when the translation is installed.
    useProgramLanguage(programLanguageOfFile(languageFile));
    showCaptions();
    // Sized once the menu has its captions: an empty menu bar is lower.
    setFixedHeight(picture_->height() + menuBar()->sizeHint().height());
    if (const auto problem = languageFolderProblem(); problem && !toldLanguageProblem_) {
        toldLanguageProblem_ = true;
        platform().message(*problem, tr("Langue").toStdString(), MessageIcon::Warning);
    }
}

void MainWindow::showCaptions()
{
    // Lines 10 and 12 of the language file name "Autre" and "Langue"; until a
    // file has reached them, the program's own words do.
    autre_->setTitle(autreCaption_.isEmpty() ? tr("Autre") : autreCaption_);
    langue_->setText(langueCaption_.isEmpty() ? tr("Langue") : langueCaption_);
    // The language file has no line for the recorder's item.
    enregistreur_->setText(tr("Enregistrer un Wav"));
    // Nor for the speed log's.
    journal_->setText(tr("Journal de vitesse"));
    mini_->setText(text("LbMmini"));
    aquisition_->setTitle(text("LbMAquisition"));
    calcP_->setText(text("LbMcalcP"));
    chargerW_->setText(text("LbTraiterWav"));
    acc_->setText(text("LbAcc"));
    text_->setTitle(text("LbMComparaison"));
    compCP_->setText(text("LbCoubeCP"));
    aide_->setText(text("LbApropo"));
}

void MainWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        setWindowTitle(text("Lbversion"));
        picture_->setPixmap(titlePicture());
        showCaptions();
    }
    QMainWindow::changeEvent(event);
}

void MainWindow::chooseLanguage()
{
    FileDialogRequest request;
    request.title = langue_->text().toStdString();
    request.filter = "langfile|*.txt";  // the same word in every language
    request.initialFolder = defaultFolder("lang").string();
    request.initialName = " ";
    if (const auto chosen = platform().openFile(request)) {
        const Status copied = installLanguageFile(*chosen, activeLanguageFile());
        if (!copied)
            platform().message(
                tr("The language file could not be used: %1").arg(QString::fromStdString(copied.error())).toStdString(),
                langue_->text().toStdString(), MessageIcon::Warning);
    }
    startUp();
}

void MainWindow::vehicleCommitted()
{
    calcP_->setEnabled(true);
    acc_->setEnabled(true);
    // Windows opened before live on: those that show vehicle values take the
    // new ones.
    for (const std::string& name : windowsClosedWithMain())
        if (QWidget* window = WindowManager::instance().find(name))
            if (window->metaObject()->indexOfMethod("vehicleCommitted()") >= 0)
                QMetaObject::invokeMethod(window, "vehicleCommitted");
}

const std::vector<std::string>& MainWindow::windowsClosedWithMain()
{
    static const std::vector<std::string> names = {"CPuiss", "frmAbout", "GRph", "SimTD", "WavT", "MiniV1"};
    return names;
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Closing the main window ends the program. The recorder goes first: with
    // a recording under way it asks, and its "No" keeps every window open.
    if (QWidget* recorder = WindowManager::instance().find("Form1"); recorder && !recorder->close()) {
        event->ignore();
        return;
    }
    for (const std::string& name : windowsClosedWithMain())
        WindowManager::instance().close(name);
    // Any other window still open (one a window opened itself) goes too, so
    // that nothing keeps the program running unseen behind it.
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window != this && window->isWindow() && window->isVisible())
            window->close();
    event->accept();
}

}  // namespace vornax
