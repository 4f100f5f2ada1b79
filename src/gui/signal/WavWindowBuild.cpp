// The WAV window's frame: the menu, the four panels on the area below it,
// the long work's progress bar and "Annuler", the tab order, the captions
// and the layout on resize.
#include "gui/signal/WavWindow.h"

#include "gui/signal/WavDetectionPanel.h"
#include "gui/signal/WavPanelKit.h"
#include "gui/signal/WavPlotsPanel.h"
#include "gui/signal/WavRecordingPanel.h"
#include "gui/signal/WavSmoothingPanel.h"
#include "store/Varia.h"

#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>
#include <utility>
#include <vector>

namespace vornax {

void WavWindow::buildControls()
{
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    menuBar_ = new QMenuBar(this);
    outer->addWidget(menuBar_);
    fileMenu_ = named(menuBar_->addMenu(QString()), "file");
    openWavAction_ = named(fileMenu_->addAction(QString()), "cHaWav");
    loadCurveAction_ = named(fileMenu_->addAction(QString()), "CharRET");
    named(fileMenu_->addSeparator(), "none");
    saveCurveAction_ = named(fileMenu_->addAction(QString()), "SaveRET");

    area_ = new QWidget(this);
    area_->setMinimumSize(px(6000), px(kPlotTop + 2400));
    outer->addWidget(area_, 1);

    detection_ = new WavDetectionPanel(area_, this);
    recording_ = new WavRecordingPanel(area_, detection_->engineFrame(), this);
    smoothing_ = new WavSmoothingPanel(area_, this);
    plots_ = new WavPlotsPanel(area_, this);

    prowav_ = named(new QProgressBar(area_), "Prowav");
    prowav_->setRange(0, 10000);
    prowav_->setTextVisible(false);
    prowav_->setGeometry(60, 282, 440, 14);
    cancelButton_ = named(ownCaption(new QPushButton(area_), txNoop("vornax::WavWindow", "Annuler")), "CommandAnnuler");
    cancelButton_->setGeometry(508, 276, 90, 26);
    workTimer_ = new QTimer(this);
    workTimer_->setInterval(40);

    setTabOrder();
    // Nothing to act on until a recording is open.
    applyEnabled();

    // Test mode: the language file's first line is the test word.
    const bool testMode = store().get("lblVersion") == "Qavo";
    smoothing_->setTestMode(testMode);
    detection_->setTestMode(testMode);
    designSize_ =
        QSize(px(kAreaWidth + (testMode ? kTestModeExtra : 0)), px(kAreaHeight) + menuBar_->sizeHint().height());
    resize(designSize_);
}

namespace {

// The panels' controls row by row as the window was designed: the order of
// the Tab key, and the order they are turned off in when work starts, so that
// the focus leaving a control turned off moves on to the same next one.
constexpr const char* kDesignedOrder[] = {
    "Slider1",      "Slider4",        "CommandAuto",       "Check1",         "Option1",   "Option2",      "Tdebut",
    "Tfin",         "Slider3",        "Command3",          "cboMethode",     "Record",    "Command156",   "Text5",
    "Text4",        "CommandAnnuler", "cboCanal",          "Check2",         "Check3",    "Text2",        "Slider2",
    "Text1",        "Text3",          "optSourceAllumage", "optSourceSon",   "fraMoteur", "cboCylindres", "cboTemps",
    "txtRegimeMin", "txtRegimeMax",   "chkFrequenceLog",   "sldZoomSpectre", "scrSpectre"};

int designedPlace(const QWidget* control)
{
    const auto* at = std::find(std::begin(kDesignedOrder), std::end(kDesignedOrder), control->objectName());
    return static_cast<int>(at - std::begin(kDesignedOrder));
}

}  // namespace

void WavWindow::setTabOrder()
{
    QWidget* before = nullptr;
    for (const char* name : kDesignedOrder) {
        auto* control = area_->findChild<QWidget*>(name);
        if (!control || control->focusPolicy() == Qt::NoFocus)
            continue;
        if (before)
            QWidget::setTabOrder(before, control);
        before = control;
    }
}

void WavWindow::applyEnabled()
{
    controls_.working = working();
    const WavEnabled enabled = enabledControls(controls_);
    std::vector<std::pair<QWidget*, bool>> states;
    for (auto&& part :
         {recording_->enabledStates(enabled), detection_->enabledStates(enabled), smoothing_->enabledStates(enabled)})
        states.insert(states.end(), part.begin(), part.end());
    std::stable_sort(states.begin(), states.end(),
                     [](const auto& a, const auto& b) { return designedPlace(a.first) < designedPlace(b.first); });
    for (const auto& [control, on] : states)
        control->setEnabled(on);
    for (QAction* a : {openWavAction_, loadCurveAction_, saveCurveAction_})
        a->setEnabled(enabled.others);
    cancelButton_->setEnabled(enabled.cancel);
}

void WavWindow::applyCaptions()
{
    showOwnCaptions(this);
    fileMenu_->setTitle(storeCaption("Lbfichier"));
    saveCurveAction_->setText(storeCaption("LbEnregistrerSous"));
    loadCurveAction_->setText(storeCaption("LbOuvrirREt"));
    openWavAction_->setText(storeCaption("LbouvrirWav"));
    detection_->showStoreCaptions();
    smoothing_->showCaptions();
    setWindowTitle(storeCaption("Lbversion") + " ***** " + storeCaption("LbTraiterWav") + " *****");
}

void WavWindow::layoutOnResize()
{
    if (!plots_->place(area_->size()))
        return;
    recording_->setSignalBackground();
    if (plots_->curveShown())
        graphtemp();
}

}  // namespace vornax
