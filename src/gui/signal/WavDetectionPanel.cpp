#include "gui/signal/WavDetectionPanel.h"

#include "common/NumberText.h"
#include "gui/common/Fields.h"
#include "gui/signal/WavPanelKit.h"
#include "signal/AutoThreshold.h"
#include "signal/WavControls.h"
#include "signal/WavFields.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace vornax {

WavDetectionPanel::WavDetectionPanel(QWidget* area, QObject* parent) : QObject(parent)
{
    QWidget* a = area;
    label4_ = named(caption(a, txNoop("vornax::WavWindow", "Seuil de détection"), 225, kRow1, 200), "Label4");
    slider4_ = slider(a, "Slider4", 128, 255, 165);
    slider4_->setGeometry(225, kRow1 + 18, 150, 22);
    autoButton_ = named(new QPushButton("Auto", a), "CommandAuto");
    autoButton_->setGeometry(380, kRow1 + 16, 50, 26);
    autoLabel_ = named(caption(a, "", 380, kRow1, 50), "LabelAuto");
    autoLabel_->setAlignment(Qt::AlignCenter);
    check1_ = named(new QCheckBox("128 - 255", a), "Check1");
    check1_->setGeometry(440, kRow1 + 18, 100, 22);
    sparksFrame_ = ownCaption(new QGroupBox(a), txNoop("vornax::WavWindow", "Nombre d'éteincelles par tours"));
    sparksFrame_->setGeometry(550, kRow1 - 6, 210, 50);
    option1_ = named(new QRadioButton("0,5", sparksFrame_), "Option1");
    option1_->setGeometry(12, 22, 60, 22);
    option1_->setChecked(true);
    option2_ = named(new QRadioButton("2", sparksFrame_), "Option2");
    option2_->setGeometry(100, 22, 60, 22);
    caption(a, txNoop("vornax::WavWindow", "Début en sec"), 775, kRow1, 90);
    tdebut_ = named(new QLineEdit("0", a), "Tdebut");
    tdebut_->setGeometry(775, kRow1 + 18, 80, 22);
    caption(a, txNoop("vornax::WavWindow", "Fin en sec"), 870, kRow1, 90);
    tfin_ = named(new QLineEdit("1000", a), "Tfin");
    tfin_->setGeometry(870, kRow1 + 18, 80, 22);

    // Test mode, beyond the usual width, below the smoothing's frame.
    detectionFrame_ = ownCaption(new QGroupBox(a), txNoop("vornax::WavWindow", "Traitement"));
    detectionFrame_->setGeometry(kTestModeX, 186, 250, 108);
    caption(detectionFrame_, txNoop("vornax::WavWindow", "Bornage des variation entre 0 et 1"), 10, 22, 180, 30)
        ->setWordWrap(true);
    text1_ = named(new QLineEdit("0,05", detectionFrame_), "Text1");
    text1_->setGeometry(195, 26, 45, 22);
    caption(detectionFrame_, txNoop("vornax::WavWindow", "Anti rebond en ms"), 10, 66, 180);
    text3_ = named(new QLineEdit("0,3", detectionFrame_), "Text3");
    text3_->setGeometry(195, 62, 45, 22);

    // The source, on a line of its own above the plot.
    caption(a, txNoop("vornax::WavWindow", "Mesure par :"), 60, 300, 90, 19);
    optAllumage_ = named(ownCaption(new QRadioButton(a), txNoop("vornax::WavWindow", "Allumage")), "optSourceAllumage");
    optAllumage_->setGeometry(150, 300, 110, 19);
    optAllumage_->setChecked(true);
    optSon_ = named(ownCaption(new QRadioButton(a), txNoop("vornax::WavWindow", "Son du moteur")), "optSourceSon");
    optSon_->setGeometry(265, 300, 150, 19);
    auto* sources = new QButtonGroup(this);
    sources->addButton(optAllumage_);
    sources->addButton(optSon_);

    // The engine, where the ignition's threshold and sparks are.
    engineFrame_ = named(ownCaption(new QGroupBox(a), txNoop("vornax::WavWindow", "Moteur")), "fraMoteur");
    engineFrame_->setGeometry(225, 154, 540, 50);
    caption(engineFrame_, txNoop("vornax::WavWindow", "Cylindres"), 8, 22, 60, 22);
    cboCylindres_ = named(new QComboBox(engineFrame_), "cboCylindres");
    for (const int n : {1, 2, 3, 4, 5, 6, 8, 10, 12})
        cboCylindres_->addItem(QString::number(n), n);
    cboCylindres_->setCurrentIndex(3);
    cboCylindres_->setGeometry(70, 21, 46, 24);
    caption(engineFrame_, txNoop("vornax::WavWindow", "Temps"), 124, 22, 46, 22);
    cboTemps_ = named(new QComboBox(engineFrame_), "cboTemps");
    cboTemps_->addItem("4", 4);
    cboTemps_->addItem("2", 2);
    cboTemps_->setGeometry(170, 21, 40, 24);
    caption(engineFrame_, txNoop("vornax::WavWindow", "Régime"), 218, 22, 50, 22);
    txtRegimeMin_ = named(new QLineEdit("800", engineFrame_), "txtRegimeMin");
    txtRegimeMin_->setGeometry(268, 22, 44, 22);
    (new QLabel("-", engineFrame_))->setGeometry(315, 22, 8, 22);
    txtRegimeMax_ = named(new QLineEdit("8000", engineFrame_), "txtRegimeMax");
    txtRegimeMax_->setGeometry(325, 22, 44, 22);
    caption(engineFrame_, txNoop("vornax::WavWindow", "tr/min"), 373, 22, 40, 22);
    engineFrame_->hide();

    connect(slider4_, &QSlider::valueChanged, this, [this] {
        // Setting the range and value from here is no user's threshold change.
        if (!switchingPolarity_)
            emit thresholdChanged();
    });
    connect(autoButton_, &QPushButton::clicked, this, &WavDetectionPanel::autoAsked);
    connect(option1_, &QRadioButton::clicked, this, &WavDetectionPanel::sparksChosen);
    connect(option2_, &QRadioButton::clicked, this, &WavDetectionPanel::sparksChosen);
    connect(check1_, &QCheckBox::clicked, this, [this] {
        setPolarity(check1_->isChecked());
        emit polaritySwitched();
    });
    makeDecimalField(tdebut_, [this] { emit startTimeLeft(); });
    makeDecimalField(tfin_, [this] { emit endTimeLeft(); });
    for (QLineEdit* field : {text1_, text3_})
        makeDecimalField(field);
    // The two options are exclusive: one toggles at each change of source.
    connect(optSon_, &QRadioButton::toggled, this, &WavDetectionPanel::sourceChosen);
    connect(cboCylindres_, &QComboBox::activated, this, &WavDetectionPanel::engineChanged);
    connect(cboTemps_, &QComboBox::activated, this, &WavDetectionPanel::engineChanged);
    makeDecimalField(txtRegimeMin_, [this] { emit engineChanged(); });
    makeDecimalField(txtRegimeMax_, [this] { emit engineChanged(); });
}

bool WavDetectionPanel::soundChosen() const { return optSon_->isChecked(); }

int WavDetectionPanel::threshold() const { return slider4_->value(); }

bool WavDetectionPanel::lowPolarity() const { return check1_->isChecked(); }

float WavDetectionPanel::sparksPerRev() const { return sparksPerRevChoice(option1_->isChecked()); }

void WavDetectionPanel::setPolarity(bool low)
{
    switchingPolarity_ = true;
    check1_->setChecked(low);
    if (low) {
        slider4_->setValue(128);
        slider4_->setMinimum(1);
        slider4_->setMaximum(128);
        slider4_->setValue(50);
        check1_->setText("1 - 128");
    } else {
        slider4_->setValue(128);
        slider4_->setMaximum(255);
        slider4_->setMinimum(128);
        slider4_->setValue(165);
        check1_->setText("128 - 255");
    }
    switchingPolarity_ = false;
}

void WavDetectionPanel::showAutoThreshold(const AutoSettings& found)
{
    if (found.lowPolarity != check1_->isChecked())
        setPolarity(found.lowPolarity);
    switchingPolarity_ = true;
    slider4_->setValue(found.threshold);
    switchingPolarity_ = false;
    autoLabel_->setText(QString::number(found.threshold));
}

void WavDetectionPanel::resetThreshold()
{
    setPolarity(false);
    autoLabel_->clear();
}

std::optional<float> WavDetectionPanel::timeField(QLineEdit* field, std::string& lastGood)
{
    const auto value = secondsField(field->text().toStdString());
    if (value) {
        lastGood = field->text().toStdString();
        return *value;
    }
    showMessage(value.error());
    field->setText(QString::fromStdString(lastGood));
    return std::nullopt;
}

std::optional<float> WavDetectionPanel::startTime() { return timeField(tdebut_, lastStart_); }

std::optional<float> WavDetectionPanel::endTime() { return timeField(tfin_, lastEnd_); }

void WavDetectionPanel::resetStart()
{
    tdebut_->setText("0");
    lastStart_ = tdebut_->text().toStdString();
}

void WavDetectionPanel::showEnd(float seconds)
{
    tfin_->setText(QString::fromStdString(formatPattern(seconds, Pattern::OneDecimal)));
    lastEnd_ = tfin_->text().toStdString();
}

void WavDetectionPanel::fitTimesTo(float duration)
{
    const auto start = parseSingle(tdebut_->text().toStdString());
    if (!start || !startsWithin(*start, duration))
        resetStart();
    tfin_->setText(QString::fromStdString(singleText(duration)));
}

std::optional<DetectionSettings> WavDetectionPanel::detectionSettings(int threshold)
{
    DetectionSettings s;
    s.sparksPerRev = sparksPerRev();
    s.threshold = threshold;
    s.lowPolarity = lowPolarity();
    auto start = startTime();
    if (!start)
        start = parseSingle(lastStart_);
    auto end = endTime();
    if (!end)
        end = parseSingle(lastEnd_);
    if (!start || !end)
        return std::nullopt;
    const auto tuning = detectionTuning(text1_->text().toStdString(), text3_->text().toStdString());
    if (!tuning) {
        showMessage(tuning.error());
        return std::nullopt;
    }
    s.startSeconds = *start;
    s.endSeconds = *end;
    s.bounding = tuning->bounding;
    s.antiBounce = tuning->antiBounce;
    return s;
}

std::optional<SoundSettings> WavDetectionPanel::engineSettings()
{
    const auto range = engineRange(txtRegimeMin_->text().toStdString(), txtRegimeMax_->text().toStdString());
    if (!range) {
        showMessage(range.error());
        txtRegimeMin_->setText(QString::fromStdString(lastRpmMin_));
        txtRegimeMax_->setText(QString::fromStdString(lastRpmMax_));
        return std::nullopt;
    }
    lastRpmMin_ = txtRegimeMin_->text().toStdString();
    lastRpmMax_ = txtRegimeMax_->text().toStdString();
    SoundSettings s;
    s.cylinders = cboCylindres_->currentData().toInt();
    s.strokes = cboTemps_->currentData().toInt();
    s.minRpm = range->low;
    s.maxRpm = range->high;
    return s;
}

void WavDetectionPanel::showSource(bool sound)
{
    for (QWidget* w :
         {static_cast<QWidget*>(label4_), static_cast<QWidget*>(slider4_), static_cast<QWidget*>(autoButton_),
          static_cast<QWidget*>(autoLabel_), static_cast<QWidget*>(check1_), static_cast<QWidget*>(sparksFrame_)})
        w->setVisible(!sound);
    engineFrame_->setVisible(sound);
}

void WavDetectionPanel::setTestMode(bool on) { detectionFrame_->setVisible(on); }

std::vector<std::pair<QWidget*, bool>> WavDetectionPanel::enabledStates(const WavEnabled& enabled) const
{
    return {{slider4_, enabled.signalSettings}, {autoButton_, enabled.signalSettings},
            {option1_, enabled.signalSettings}, {option2_, enabled.signalSettings},
            {tdebut_, enabled.times},           {tfin_, enabled.times},
            {check1_, enabled.others},          {optAllumage_, enabled.others},
            {optSon_, enabled.others},          {engineFrame_, enabled.others}};
}

void WavDetectionPanel::showStoreCaptions()
{
    label4_->setText(storeCaption("Lbseuildetection"));
    sparksFrame_->setTitle(storeCaption("Lbnombredeteincel"));
}

}  // namespace vornax
