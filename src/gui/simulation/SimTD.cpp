#include "gui/simulation/SimTD.h"

#include "common/AppFolder.h"
#include "common/Twips.h"
#include "gui/common/Fields.h"
#include "common/PlatformServices.h"
#include "gui/common/PlotCanvas.h"
#include "gui/common/SpeedLogDialog.h"
#include "pictures/PlotPictures.h"
#include "store/StoreReadings.h"
#include "store/Varia.h"
#include "simulation/AccelerationFile.h"
#include "simulation/InputFields.h"
#include "common/NumberText.h"
#include "speedlog/MeasuredPlot.h"
#include "speedlog/SpeedLog.h"

#include <QEvent>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace vornax {
namespace {

int px(int twips) { return twipsToPixels(twips); }
QRect pixels(const SpeedTimeRect& r) { return QRect(px(r.left), px(r.top), px(r.width), px(r.height)); }

QString text(const char* entry) { return QString::fromStdString(store().get(entry)); }

// Design layout of the plot and its label columns, in twips.
constexpr SpeedTimeRect kPlot{600, 3150, 13800, 6500};
constexpr int kLabelWidth = 570;
constexpr int kLabelHeight = 255;
constexpr int kTimeLabelWidth = 600;

SpeedTimeLayout designLayout()
{
    SpeedTimeLayout design;
    design.plot = kPlot;
    for (auto& l : design.timeLabels)
        l = {0, 0, kTimeLabelWidth, kLabelHeight};
    for (auto& l : design.speedLabels)
        l = {0, 0, kLabelWidth - 30, kLabelHeight};
    for (auto& l : design.distanceLabels)
        l = {kPlot.left + kPlot.width + 15, 0, kLabelWidth, kLabelHeight};
    return layoutSpeedTimePlot(kPlot.left + kPlot.width + 600, kPlot.top + kPlot.height + 1000, design);
}

// The window's client area: controls at fixed places, the plot growing with
// it. Its size hint is the designed size, so the window opens at it.
class DesignedArea final : public QWidget {
public:
    DesignedArea(QWidget* parent, QSize designed) : QWidget(parent), designed_(designed) {}
    QSize sizeHint() const override { return designed_; }

private:
    QSize designed_;
};

}  // namespace

SimTD::SimTD(QWidget* parent)
    : QWidget(parent, Qt::Window), curve_(std::make_unique<TorqueCurve>()),
      model_(std::make_unique<AccelerationModel>())
{
    setObjectName("SimTD");
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    menuBar_ = new QMenuBar(this);
    menuBar_->setNativeMenuBar(false);
    outer->setMenuBar(menuBar_);
    files_ = menuBar_->addMenu(QString());
    files_->setObjectName("files");
    charPui_ = files_->addAction(QString());
    charPui_->setObjectName("CharPui");
    saveas_ = files_->addAction(QString());
    saveas_->setObjectName("saveas");
    connect(charPui_, &QAction::triggered, this, &SimTD::CharPui_Click);
    connect(saveas_, &QAction::triggered, this, &SimTD::saveas_Click);
    charJournal_ = files_->addAction(QString());
    charJournal_->setObjectName("CharJournal");
    connect(charJournal_, &QAction::triggered, this, &SimTD::CharJournal_Click);

    const QSize designed(px(kPlot.left + kPlot.width + 600), px(kPlot.top + kPlot.height + 1000));
    body_ = new DesignedArea(this, designed);
    // The frames of inputs and results stay whole.
    body_->setMinimumSize(1000, px(kPlot.top) + 160);
    body_->setObjectName("body");
    outer->addWidget(body_);

    buildEstimation();
    buildParameters();
    buildModifications();
    buildPlot();

    layout_ = designLayout();
    applyLayout();
    resize(designed.width(), designed.height() + menuBar_->sizeHint().height());
    body_->installEventFilter(this);
    Form_Load();
}

SimTD::~SimTD() = default;

QLabel* SimTD::label(QWidget* parent, const char* name, int x, int y, int w, const QString& caption)
{
    auto* l = new QLabel(caption, parent);
    l->setObjectName(name);
    l->setGeometry(x, y, w, 20);
    return l;
}

QLabel* SimTD::valueLabel(QWidget* parent, const char* name, int x, int y, int w)
{
    QLabel* value = label(parent, name, x, y, w);
    value->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return value;
}

QLineEdit* SimTD::field(QWidget* parent, const char* name, int x, int y, int w)
{
    auto* f = new QLineEdit(parent);
    f->setObjectName(name);
    f->setGeometry(x, y, w, 22);
    f->setAlignment(Qt::AlignRight);
    return f;
}

QGroupBox* SimTD::frame(QWidget* parent, const char* name, QRect geometry)
{
    auto* box = new QGroupBox(parent);
    box->setObjectName(name);
    box->setGeometry(geometry);
    return box;
}

void SimTD::buildEstimation()
{
    frameEsti_ = frame(body_, "FrameEsti", {8, 4, 330, 184});
    label0100_ = label(frameEsti_, "Label0100", 10, 24, 150);
    lbT0100_ = valueLabel(frameEsti_, "lbT0100", 165, 24, 70);
    label400DA_ = label(frameEsti_, "Label400DA", 10, 48, 150);
    lb400mDA_ = valueLabel(frameEsti_, "lb400mDA", 165, 48, 70);
    label1000DA_ = label(frameEsti_, "Label1000DA", 10, 72, 150);
    lb1000mDA_ = valueLabel(frameEsti_, "lb1000mDA", 165, 72, 70);
    labelVMAXI_ = label(frameEsti_, "LabelVMAXI", 10, 96, 150);
    lbVmaxi_ = valueLabel(frameEsti_, "lbVmaxi", 165, 96, 70);
    speedUnit_ = label(frameEsti_, "Label1", 240, 96, 80);
    lbvte_ = label(frameEsti_, "lbvte", 10, 122, 310);
    regimeP_ = new QPushButton(frameEsti_);
    regimeP_->setObjectName("regimeP");
    regimeP_->setGeometry(10, 148, 130, 28);
    connect(regimeP_, &QPushButton::clicked, this, &SimTD::regimeP_Click);
}

void SimTD::buildParameters()
{
    framePara_ = frame(body_, "FramePara", {346, 4, 250, 184});
    labelchRPM_ = label(framePara_, "LabelchRPM", 8, 28, 176);
    rpmCh_ = field(framePara_, "RPMCh", 184, 26, 58);
    lbTMPch_ = label(framePara_, "LbTMPch", 8, 60, 176);
    tmpCh_ = field(framePara_, "TMPch", 184, 58, 58);
    labelfin_ = label(framePara_, "Labelfin", 8, 92, 176);
    txtfin_ = field(framePara_, "txtfin", 184, 90, 58);
    lbMesure_ = label(framePara_, "lbMesure", 8, 118, 236);
    lbMesure_->setWordWrap(true);
    lbMesure_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lbMesure_->setFixedHeight(62);
    lbMesure_->setStyleSheet("color: rgb(128, 0, 128)");
}

void SimTD::buildModifications()
{
    frame1_ = frame(body_, "Frame1", {604, 4, 388, 184});
    const QPoint origins[] = {{8, 20}, {196, 20}, {8, 102}, {196, 102}};
    // Where each choice's fields go, in the order of its fields.
    const std::vector<QLineEdit**> targets[] = {
        {&textPoid_}, {&textRP_}, {&inertieVol_}, {&tyreWidth_, &tyreHeight_, &rimDiameter_}};
    const auto& pairs = vehicleChoices();
    for (std::size_t p = 0; p < pairs.size() && p < std::size(targets); ++p) {
        const VehicleChoice& pair = pairs[p];
        Choice choice;
        choice.frame = frame(frame1_, pair.frame, QRect(origins[p], QSize(184, 78)));
        choice.stored = new QRadioButton(choice.frame);
        choice.stored->setObjectName(pair.stored);
        choice.stored->setGeometry(8, 22, 84, 20);
        choice.other = new QRadioButton(choice.frame);
        choice.other->setObjectName(pair.other);
        choice.other->setGeometry(8, 48, 84, 20);
        const int count = static_cast<int>(pair.fields.size());
        const int width = count == 1 ? 80 : 28;
        for (int i = 0; i < count && i < static_cast<int>(targets[p].size()); ++i) {
            QLineEdit* edit = field(choice.frame, pair.fields[i].first, 94 + i * (width + 2), 34, width);
            *targets[p][i] = edit;
            choice.fields.push_back(edit);
        }
        connect(choice.stored, &QRadioButton::toggled, this, [this, p](bool on) {
            if (on)
                choose(p, true);
        });
        connect(choice.other, &QRadioButton::toggled, this, [this, p](bool on) {
            if (on)
                choose(p, false);
        });
        choices_.push_back(std::move(choice));
    }

    // Each field's key filter and decimal repair, found by its name.
    for (QLineEdit* edit :
         {textPoid_, textRP_, inertieVol_, tyreWidth_, tyreHeight_, rimDiameter_, rpmCh_, tmpCh_, txtfin_}) {
        const std::string name = edit->objectName().toStdString();
        for (const InputFieldRule& f : inputFieldRules()) {
            if (name != f.name)
                continue;
            if (f.keys != InputKeys::Any)
                installKeyFilter(edit, f.keys == InputKeys::Digits ? KeyFilter::Digits : KeyFilter::Decimal);
            if (f.commaRepair)
                commaOnFocusLost(edit);
        }
    }
}

void SimTD::buildPlot()
{
    picture_ = new PlotCanvas(body_);
    picture_->setObjectName("Picvitessetemps");
    picture_->setBackground({255, 255, 255});
    const char* distanceNames[] = {"LBD0", "LBD1", "LBD2", "LBD3", "LbD4", "LBD5"};
    for (int i = 0; i <= 9; ++i)
        timeLabels_[i] = label(body_, ("LBT" + std::to_string(i)).c_str(), 0, 0, 40);
    for (int i = 0; i <= 5; ++i) {
        speedLabels_[i] = label(body_, ("LBV" + std::to_string(i)).c_str(), 0, 0, 36);
        speedLabels_[i]->setAlignment(Qt::AlignRight | Qt::AlignTop);
        speedLabels_[i]->setStyleSheet("color: rgb(255, 0, 0)");
        distanceLabels_[i] = label(body_, distanceNames[i], 0, 0, 38);
        distanceLabels_[i]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        distanceLabels_[i]->setStyleSheet("color: rgb(0, 0, 255)");
    }
    distanceUnit_ = label(body_, "Label3", 0, 0, 38);
    distanceUnit_->setStyleSheet("color: rgb(0, 0, 255)");
    // The axis figures are small, as on the designed window, so that a
    // distance of four digits and a decimal fits its column.
    QFont small = font();
    small.setPointSizeF(small.pointSizeF() * 0.8);
    for (QLabel* axis : timeLabels_)
        axis->setFont(small);
    for (int i = 0; i <= 5; ++i) {
        speedLabels_[i]->setFont(small);
        distanceLabels_[i]->setFont(small);
    }
    distanceUnit_->setFont(small);
}

void SimTD::setCaptions()
{
    files_->setTitle(text("Lbfichier"));
    charPui_->setText(text("LbcharcourP"));
    frameEsti_->setTitle(text("LbEstimation"));
    label400DA_->setText(text("Lb400mDa"));
    label1000DA_->setText(text("Lb1000mDA"));
    const std::string unit = store().get("LbkmhMph");
    speedUnit_->setText(QString::fromStdString(unit + "/h"));
    distanceUnit_->setText(QString::fromStdString(distanceUnitFor(unit).name));
    label0100_->setText(text("Lb0100km"));
    labelVMAXI_->setText(text("LbVitessemaxi"));
    framePara_->setTitle(text("LbParaVitesse"));
    labelchRPM_->setText(text("LbRegmiepassage"));
    lbTMPch_->setText(text("LbTMPchange"));
    for (std::size_t p = 0; p < choices_.size(); ++p)
        choices_[p].frame->setTitle(text(vehicleChoices()[p].caption));
    frame1_->setTitle(text("LbModification"));
    for (const Choice& choice : choices_) {
        choice.stored->setText(text("LbOriginie"));
        choice.other->setText(text("LbAutre"));
    }
    setWindowTitle(tr("Comparaison d'acceleration"));
    saveas_->setText(tr("Enregistrer sous"));
    charJournal_->setText(tr("Charger un journal de vitesse (départ arrêté)"));
    regimeP_->setText(tr("Estimer"));
    labelfin_->setText(tr("Durée (s)"));
}

void SimTD::changeEvent(QEvent* event)
{
    // A new language file: new captions and units. The curve is taken again
    // into the new units and a run on show is run again.
    if (event->type() == QEvent::LanguageChange) {
        setCaptions();
        const auto units = displayUnits(store());
        if (!curveLines_.empty() && units && loadPowerCurveLines(curveLines_, *units, *curve_)) {
            if (model_->hasRun())
                regimeP_Click();
        } else if (model_->hasRun()) {
            showLabels();
            DrawSpeedTime();
        }
    }
    QWidget::changeEvent(event);
}

void SimTD::Form_Load()
{
    setCaptions();
    rpmCh_->setText("4500");
    tmpCh_->setText("0,5");
    txtfin_->setText("60");
    for (std::size_t p = 0; p < choices_.size(); ++p) {
        const QSignalBlocker blockStored(choices_[p].stored);
        const QSignalBlocker blockOther(choices_[p].other);
        choices_[p].stored->setChecked(true);
        choose(p, true);
    }
    curve_->rpm[0] = curve_->rpm[1] = 0.0f;
    curve_->torque[0] = curve_->torque[1] = 0.0f;
    curve_->power[0] = curve_->power[1] = 0.0f;
    regimeP_->setEnabled(curve_->lastRow >= 0);
    showLabels();
}

void SimTD::choose(std::size_t pair, bool stored)
{
    const Choice& choice = choices_[pair];
    if (stored) {
        const auto values = storedValues(vehicleChoices()[pair], store());
        for (std::size_t i = 0; i < values.size() && i < choice.fields.size(); ++i)
            choice.fields[i]->setText(QString::fromStdString(values[i].second));
    }
    for (QLineEdit* governed : choice.fields)
        governed->setEnabled(!stored);
}

void SimTD::vehicleCommitted()
{
    for (std::size_t p = 0; p < choices_.size(); ++p)
        if (choices_[p].stored->isChecked())
            choose(p, true);
}

SimulationFields SimTD::fields() const
{
    const auto get = [](const QLineEdit* edit) { return edit->text().toStdString(); };
    SimulationFields f;
    f.textPoid = get(textPoid_);
    f.TextRP = get(textRP_);
    f.InertieVol = get(inertieVol_);
    f.TextPneuL = get(tyreWidth_);
    f.TextPneuH = get(tyreHeight_);
    f.TextPneuD = get(rimDiameter_);
    f.RPMCh = get(rpmCh_);
    f.TMPch = get(tmpCh_);
    f.txtfin = get(txtfin_);
    return f;
}

void SimTD::CharPui_Click()
{
    FileDialogRequest request;
    request.title = charPui_->text().toStdString();
    request.filter = tr("Courbe de puissance (*.txt)|*.txt").toStdString();
    request.initialFolder = defaultFolder("Puissance").string();
    const auto chosen = platform().openFile(request);
    if (!chosen)
        return;
    std::vector<std::string> lines;
    const Status loaded = loadPowerCurve(*chosen, store(), *curve_, &lines);
    if (!loaded) {
        platform().message(loaded.error(), tr("Erreur").toStdString(), MessageIcon::Warning);
        return;
    }
    curveLines_ = std::move(lines);
    regimeP_->setEnabled(true);
}

void SimTD::CharJournal_Click()
{
    const auto chosen = askForSpeedLog(charJournal_->text());
    if (!chosen)
        return;
    const std::string& name = chosen->name;
    auto start = measureStandingStart(chosen->log, name);
    if (!start) {
        platform().message(start.error(), tr("Erreur").toStdString(), MessageIcon::Warning);
        return;
    }
    showMeasured(std::move(*start), name);
}

void SimTD::showMeasured(MeasuredStart measured, const std::string& name)
{
    measured_ = std::move(measured);
    measuredName_ = name;
    const auto seconds = [](const std::optional<double>& s) {
        return s ? QString::fromStdString(formatPattern(*s, Pattern::OneDecimal)) : QStringLiteral("–");
    };
    const auto coef = speedFactor(store());
    if (!coef) {
        lbMesure_->setText(QString::fromStdString(coef.error()));
        DrawSpeedTime();
        return;
    }
    lbMesure_->setText(
        tr("Mesuré (%1) : %2 %3 s, %4 %5 s, %6 %7 s, %8 %9 %10/h")
            .arg(QString::fromStdString(name))
            .arg(text("Lb0100km"))
            .arg(seconds(measured_->time0To100))
            .arg(text("Lb400mDa"))
            .arg(seconds(measured_->time400m))
            .arg(text("Lb1000mDA"))
            .arg(seconds(measured_->time1000m))
            .arg(text("LbVitessemaxi"))
            .arg(QString::fromStdString(formatPattern(*coef * measured_->topSpeedKmh, Pattern::OneDecimal)))
            .arg(QString::fromStdString(store().get("LbkmhMph"))));
    DrawSpeedTime();
}

void SimTD::regimeP_Click()
{
    const SimulationFields f = fields();
    const Status run = model_->simulate({f, store(), *curve_});
    showLabels();
    DrawSpeedTime();
    if (!run)
        platform().message(run.error(), tr("Erreur").toStdString(), MessageIcon::Warning);
}

void SimTD::showLabels()
{
    const ResultLabels& l = model_->labels();
    lbVmaxi_->setText(QString::fromStdString(l.lbVmaxi));
    lbvte_->setText(QString::fromStdString(l.lbvte));
    lbT0100_->setText(QString::fromStdString(l.lbT0100));
    lb400mDA_->setText(QString::fromStdString(l.lb400mDA));
    lb1000mDA_->setText(QString::fromStdString(l.lb1000mDA));
}

void SimTD::DrawSpeedTime()
{
    picture_->clear();
    // Before the first run the plot stays empty.
    if (!model_->hasRun())
        return;
    const auto factor = speedFactor(store());
    if (!factor)
        return;
    // A measured run faster than the simulated one sets the speed axis, so
    // that both curves stay inside the picture.
    const float topSpeed = std::max(model_->maxSpeed(), measured_ ? float(measured_->topSpeedKmh) : 0.0f);
    const SpeedTimePicture picture =
        vornax::DrawSpeedTime(model_->series(), model_->shownLength(), topSpeed, *factor, picture_->scaleWidth(),
                              picture_->scaleHeight(), distanceUnitFor(store().get("LbkmhMph")).perMetre);
    if (picture.scale)
        picture_->setScale(picture.scale->first, picture.scale->second);
    picture_->add(picture.plot);
    // The measured run over the simulated one, on the same scale.
    if (measured_ && picture.scale)
        picture_->add(measuredStartPlot(*measured_, picture.scale->first, picture.scale->second, picture.maxSpeed,
                                        distanceUnitFor(store().get("LbkmhMph")).perMetre));
    // The labels show the texts the canvas exports around the plot; the
    // frame's columns run from the top edge down, the labels from the bottom
    // up. A speed label without a new text keeps its own, and the frame then
    // takes that.
    PlotFrame frame = accelerationPicture(picture, store(), distanceUnitFor(store().get("LbkmhMph")).name).frame;
    for (std::size_t i = 0; i < timeLabels_.size(); ++i)
        timeLabels_[i]->setText(QString::fromStdString(frame.bottom[i]));
    const std::size_t rows = speedLabels_.size();
    for (std::size_t i = 0; i < rows; ++i) {
        if (picture.speedLabels[i])
            speedLabels_[i]->setText(QString::fromStdString(frame.left[rows - 1 - i]));
        else
            frame.left[rows - 1 - i] = speedLabels_[i]->text().toStdString();
        distanceLabels_[i]->setText(QString::fromStdString(frame.right[rows - 1 - i]));
    }
    picture_->setFrame(std::move(frame));
}

void SimTD::Form_Resize()
{
    layout_ = layoutSpeedTimePlot(body_->width() * kTwipsPerPixel, body_->height() * kTwipsPerPixel, layout_);
    applyLayout();
    DrawSpeedTime();
}

void SimTD::applyLayout()
{
    picture_->setGeometry(pixels(layout_.plot));
    for (int i = 0; i <= 9; ++i)
        timeLabels_[i]->setGeometry(pixels(layout_.timeLabels[i]));
    for (int i = 0; i <= 5; ++i) {
        speedLabels_[i]->setGeometry(pixels(layout_.speedLabels[i]));
        distanceLabels_[i]->setGeometry(pixels(layout_.distanceLabels[i]));
    }
    // The distance unit heads its column.
    const QRect top = pixels(layout_.distanceLabels[5]);
    distanceUnit_->setGeometry(top.translated(0, -top.height() - 2));
}

void SimTD::saveas_Click()
{
    FileDialogRequest request;
    request.title = saveas_->text().toStdString();
    request.filter = tr("Courbe d'accélération (*.txt)|*.txt").toStdString();
    request.initialFolder = defaultFolder("Acc").string();
    const auto chosen = platform().saveFile(request);
    if (!chosen || chosen->empty())
        return;
    const Status saved = saveAccelerationFile(*chosen, *model_, store());
    if (!saved)
        platform().message(saved.error(), tr("Erreur").toStdString(), MessageIcon::Warning);
}

bool SimTD::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == body_ && event->type() == QEvent::Resize)
        Form_Resize();
    return QWidget::eventFilter(watched, event);
}

}  // namespace vornax
