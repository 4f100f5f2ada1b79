#include "simulation/SimTD.h"

#include "common/AppFolder.h"
#include "common/Twips.h"
#include "common/Fields.h"
#include "common/PlatformServices.h"
#include "common/PlotCanvas.h"
#include "shell/Varia.h"
#include "simulation/AccelerationFile.h"
#include "simulation/InputFields.h"

#include <QEvent>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

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
    labels_[name] = l;
    return l;
}

QLineEdit* SimTD::field(QWidget* parent, const char* name, int x, int y, int w)
{
    auto* f = new QLineEdit(parent);
    f->setObjectName(name);
    f->setGeometry(x, y, w, 22);
    f->setAlignment(Qt::AlignRight);
    fields_[name] = f;
    return f;
}

void SimTD::buildEstimation()
{
    auto* frame = new QGroupBox(body_);
    frame->setObjectName("FrameEsti");
    frame->setGeometry(8, 4, 330, 184);
    frames_["FrameEsti"] = frame;
    struct Row {
        const char* caption;
        const char* value;
        int y;
    } rows[] = {{"Label0100", "lbT0100", 24},
                {"Label400DA", "lb400mDA", 48},
                {"Label1000DA", "lb1000mDA", 72},
                {"LabelVMAXI", "lbVmaxi", 96}};
    for (const Row& row : rows) {
        label(frame, row.caption, 10, row.y, 150);
        QLabel* value = label(frame, row.value, 165, row.y, 70);
        value->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    label(frame, "Label1", 240, 96, 80);
    label(frame, "lbvte", 10, 122, 310);
    regimeP_ = new QPushButton(frame);
    regimeP_->setObjectName("regimeP");
    regimeP_->setGeometry(10, 148, 130, 28);
    connect(regimeP_, &QPushButton::clicked, this, &SimTD::regimeP_Click);
}

void SimTD::buildParameters()
{
    auto* frame = new QGroupBox(body_);
    frame->setObjectName("FramePara");
    frame->setGeometry(346, 4, 250, 184);
    frames_["FramePara"] = frame;
    label(frame, "LabelchRPM", 8, 28, 176);
    field(frame, "RPMCh", 184, 26, 58);
    label(frame, "LbTMPch", 8, 60, 176);
    field(frame, "TMPch", 184, 58, 58);
    label(frame, "Labelfin", 8, 92, 176);
    field(frame, "txtfin", 184, 90, 58);
}

void SimTD::buildModifications()
{
    auto* frame = new QGroupBox(body_);
    frame->setObjectName("Frame1");
    frame->setGeometry(604, 4, 388, 184);
    frames_["Frame1"] = frame;
    const QPoint origins[] = {{8, 20}, {196, 20}, {8, 102}, {196, 102}};
    const auto& pairs = vehicleChoices();
    for (std::size_t p = 0; p < pairs.size(); ++p) {
        const VehicleChoice& pair = pairs[p];
        auto* box = new QGroupBox(frame);
        box->setObjectName(pair.frame);
        box->setGeometry(QRect(origins[p], QSize(184, 78)));
        frames_[pair.frame] = box;
        auto* stored = new QRadioButton(box);
        stored->setObjectName(pair.stored);
        stored->setGeometry(8, 22, 84, 20);
        auto* other = new QRadioButton(box);
        other->setObjectName(pair.other);
        other->setGeometry(8, 48, 84, 20);
        const int count = static_cast<int>(pair.fields.size());
        const int width = count == 1 ? 80 : 28;
        for (int i = 0; i < count; ++i)
            field(box, pair.fields[i].first, 94 + i * (width + 2), 34, width);
        connect(stored, &QRadioButton::toggled, this, [this, p](bool on) {
            if (on)
                choose(p, true);
        });
        connect(other, &QRadioButton::toggled, this, [this, p](bool on) {
            if (on)
                choose(p, false);
        });
        options_.emplace_back(stored, other);
    }

    for (const InputFieldRule& f : inputFieldRules()) {
        QLineEdit* edit = fields_.at(f.name);
        if (f.keys != InputKeys::Any)
            installKeyFilter(edit, f.keys == InputKeys::Digits ? KeyFilter::Digits : KeyFilter::Decimal);
        if (f.commaRepair)
            commaOnFocusLost(edit);
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
    frames_.at("FrameEsti")->setTitle(text("LbEstimation"));
    labels_.at("Label400DA")->setText(text("Lb400mDa"));
    labels_.at("Label1000DA")->setText(text("Lb1000mDA"));
    const std::string unit = store().get("LbkmhMph");
    labels_.at("Label1")->setText(QString::fromStdString(unit + "/h"));
    // The second character of the unit's name: "m" of "km".
    labels_.at("Label3")->setText(QString::fromStdString(unit).mid(1, 1));
    labels_.at("Label0100")->setText(text("Lb0100km"));
    labels_.at("LabelVMAXI")->setText(text("LbVitessemaxi"));
    frames_.at("FramePara")->setTitle(text("LbParaVitesse"));
    labels_.at("LabelchRPM")->setText(text("LbRegmiepassage"));
    labels_.at("LbTMPch")->setText(text("LbTMPchange"));
    frames_.at("Frame2")->setTitle(text("LbPoids"));
    frames_.at("FramePneu")->setTitle(text("LbPneumatique"));
    frames_.at("FrameVol")->setTitle(text("LbInertieMot"));
    frames_.at("frameRP")->setTitle(text("LbRapportdePont"));
    frames_.at("Frame1")->setTitle(text("LbModification"));
    for (auto& [stored, other] : options_) {
        stored->setText(text("LbOriginie"));
        other->setText(text("LbAutre"));
    }
    setWindowTitle(tr("Comparaison d'acceleration"));
    saveas_->setText(tr("Enregistrer sous"));
    regimeP_->setText(tr("Estimer"));
    labels_.at("Labelfin")->setText(tr("Durée (s)"));
}

void SimTD::changeEvent(QEvent* event)
{
    // A new language file: new captions and units. The curve is read again
    // into the new units and a run on show is run again.
    if (event->type() == QEvent::LanguageChange) {
        setCaptions();
        if (!curvePath_.empty() && loadPowerCurve(curvePath_, store(), *curve_)) {
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
    fields_.at("RPMCh")->setText("4500");
    fields_.at("TMPch")->setText("0,5");
    fields_.at("txtfin")->setText("60");
    for (std::size_t p = 0; p < options_.size(); ++p) {
        const QSignalBlocker blockStored(options_[p].first);
        const QSignalBlocker blockOther(options_[p].second);
        options_[p].first->setChecked(true);
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
    const VehicleChoice& choice = vehicleChoices()[pair];
    if (stored)
        for (const auto& [name, value] : storedValues(choice, store()))
            fields_.at(name)->setText(QString::fromStdString(value));
    for (const auto& governed : choice.fields)
        fields_.at(governed.first)->setEnabled(!stored);
}

void SimTD::vehicleCommitted()
{
    for (std::size_t p = 0; p < options_.size(); ++p)
        if (options_[p].first->isChecked())
            choose(p, true);
}

SimulationFields SimTD::fields() const
{
    const auto get = [this](const char* name) { return fields_.at(name)->text().toStdString(); };
    SimulationFields f;
    f.textPoid = get("textPoid");
    f.TextRP = get("TextRP");
    f.InertieVol = get("InertieVol");
    f.TextPneuL = get("TextPneuL");
    f.TextPneuH = get("TextPneuH");
    f.TextPneuD = get("TextPneuD");
    f.RPMCh = get("RPMCh");
    f.TMPch = get("TMPch");
    f.txtfin = get("txtfin");
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
    const Status loaded = loadPowerCurve(*chosen, store(), *curve_);
    if (!loaded) {
        platform().message(loaded.error(), tr("Erreur").toStdString(), MessageIcon::Warning);
        return;
    }
    curvePath_ = *chosen;
    regimeP_->setEnabled(true);
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
    labels_.at("lbVmaxi")->setText(QString::fromStdString(l.lbVmaxi));
    labels_.at("lbvte")->setText(QString::fromStdString(l.lbvte));
    labels_.at("lbT0100")->setText(QString::fromStdString(l.lbT0100));
    labels_.at("lb400mDA")->setText(QString::fromStdString(l.lb400mDA));
    labels_.at("lb1000mDA")->setText(QString::fromStdString(l.lb1000mDA));
}

void SimTD::DrawSpeedTime()
{
    picture_->clear();
    // Before the first run the plot stays empty.
    if (!model_->hasRun())
        return;
    const auto factor = store().single("Lbcoefkm");
    if (!factor)
        return;
    const SpeedTimePicture picture = vornax::DrawSpeedTime(model_->series(), model_->shownLength(), model_->maxSpeed(),
                                                           *factor, picture_->scaleWidth(), picture_->scaleHeight());
    if (picture.scale)
        picture_->setScale(picture.scale->first, picture.scale->second);
    picture_->add(picture.plot);
    for (int i = 0; i <= 9; ++i)
        timeLabels_[i]->setText(QString::fromStdString(picture.timeLabels[i]));
    for (int i = 0; i <= 5; ++i) {
        if (picture.speedLabels[i])
            speedLabels_[i]->setText(QString::fromStdString(*picture.speedLabels[i]));
        distanceLabels_[i]->setText(QString::fromStdString(picture.distanceLabels[i]));
    }
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
    request.filter = "Courbe d'accélération (*.txt)|*.txt";
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
