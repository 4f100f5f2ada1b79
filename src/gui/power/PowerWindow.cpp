#include "gui/power/PowerWindow.h"

#include "common/AppFolder.h"
#include "common/Twips.h"
#include "common/AppSettings.h"
#include "gui/common/Fields.h"
#include "common/NumberText.h"
#include "common/PlatformServices.h"
#include "gui/common/PlotCanvas.h"
#include "power/AddedTexts.h"
#include "power/PowerChart.h"
#include "power/PowerCurveFile.h"
#include "power/PowerCurveInput.h"
#include "power/PowerLayout.h"
#include "power/PowerTexts.h"
#include "paint/ReportPdf.h"
#include "pictures/PlotPictures.h"
#include "report/RunReport.h"
#include "store/Varia.h"

#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

#include <cmath>

namespace vornax {

namespace {

// The picture's top-left corner, from the window's design: room for the
// buttons, the gear and conditions frames and the summary lines above it and
// the power values on its left.
constexpr double kPictureLeft = 960;
constexpr double kPictureTop = 1500;
// The row of the summary lines' second line and of the axis titles.
constexpr double kTitleTop = 1170;
constexpr int kLabelHeightTwips = 255;

int px(double twips) { return twipsToPixels(twips); }

QString text(const char* entry) { return QString::fromStdString(store().get(entry)); }

// The settings that keep the Conditions frame between runs.
constexpr const char* kCorrectionKey = "power.correction";
constexpr const char* kAirTempKey = "power.air_temp_c";
constexpr const char* kPressureKey = "power.pressure_hpa";
constexpr const char* kHumidityKey = "power.humidity_pct";
// The gear last picked, 1 for first gear.
constexpr const char* kGearKey = "power.gear";

// The list index of the gear last picked; -1 when none was kept.
int savedGearIndex()
{
    const Settings settings = readSettings();
    const auto found = settings.find(kGearKey);
    if (found == settings.end())
        return -1;
    const auto gear = parseInt16(found->second);
    return gear ? *gear - 1 : -1;
}

}  // namespace

PowerWindow::PowerWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), pictureWidthTwips_(10680), pictureHeightTwips_(6240)
{
    setObjectName("CPuiss");
    resize(px(13300), px(8400));

    command1_ = new QPushButton(this);
    command1_->setObjectName("Command1");
    command1_->setGeometry(px(120), px(120), px(3060), px(420));
    command3_ = new QPushButton(this);
    command3_->setObjectName("Command3");
    command3_->setGeometry(px(3300), px(120), px(1500), px(420));
    cmdRapport_ = new QPushButton(QString::fromUtf8(addedTexts().reportButton), this);
    cmdRapport_->setObjectName("cmdRapport");
    cmdRapport_->setGeometry(px(4920), px(120), px(1500), px(420));
    command2_ = new QPushButton(this);
    command2_->setObjectName("Command2");

    frame1_ = new QGroupBox(this);
    frame1_->setObjectName("frame1");
    frame1_->setGeometry(px(6540), px(0), px(1500), px(840));
    lstvitesse_ = new QComboBox(frame1_);
    lstvitesse_->setObjectName("lstvitesse");
    auto* frameLayout = new QVBoxLayout(frame1_);
    frameLayout->setContentsMargins(6, 2, 6, 4);
    frameLayout->addWidget(lstvitesse_);
    // Beside the gear list: the road speeds the chosen gear gives the curve,
    // so that a run computed in the wrong gear shows at a glance.
    lblVitesseRoute_ = makeLabel("lblVitesseRoute", Qt::AlignRight | Qt::AlignVCenter, 3120);
    placeTwips(lblVitesseRoute_, 3300, 600);

    frameConditions_ = makeConditionsFrame();
    frameConditions_->setGeometry(px(8160), px(0), px(5000), px(840));

    label22_ = makeLabel("Label22", Qt::AlignLeft | Qt::AlignVCenter, 7500);
    placeTwips(label22_, 3300, 900);
    label23_ = makeLabel("Label23", Qt::AlignLeft | Qt::AlignVCenter, 7500);
    placeTwips(label23_, 3300, kTitleTop);
    label20_ = makeLabel("Label20", Qt::AlignLeft | Qt::AlignVCenter, 2400);
    placeTwips(label20_, 120, kTitleTop);
    label21_ = makeLabel("Label21", Qt::AlignLeft | Qt::AlignVCenter, 2400);

    picture1_ = new PlotCanvas(this);
    picture1_->setObjectName("Picture1");
    picture1_->setGeometry(px(kPictureLeft), px(kPictureTop), px(pictureWidthTwips_), px(pictureHeightTwips_));

    for (int i = 0; i < 10; ++i) {
        powerLabels_[i] = makeLabel(QString("Label%1").arg(i + 1), Qt::AlignRight | Qt::AlignTop, 900);
        torqueLabels_[i] = makeLabel(QString("LabelC%1").arg(i + 1), Qt::AlignLeft | Qt::AlignTop, 900);
    }
    for (int i = 0; i < 9; ++i)
        rpmLabels_[i] = makeLabel(QString("Label%1").arg(i + 11), Qt::AlignHCenter | Qt::AlignTop, 624);

    // Start-up: the computation button stays hidden, the captions come from
    // the store, nothing can be saved before a computation has succeeded.
    command2_->hide();
    command2_->setEnabled(false);
    setCaptions();
    command3_->setEnabled(false);
    cmdRapport_->setEnabled(false);
    fillGears();
    loadConditions();

    connect(command1_, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(command2_, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(command3_, &QPushButton::clicked, this, [this] { Command3_Click(); });
    connect(cmdRapport_, &QPushButton::clicked, this, [this] { cmdRapport_Click(); });
    connect(lstvitesse_, &QComboBox::currentIndexChanged, this, [this](int index) {
        // A gear that cannot be kept only starts the next window on another
        // gear, which the road speeds beside the list then show.
        if (index >= 0)
            static_cast<void>(writeSettings({{kGearKey, std::to_string(index + 1)}}));
        lstvitesse_Click();
    });
    layOut();
}

QLabel* PowerWindow::makeLabel(const QString& name, Qt::Alignment alignment, int widthTwips)
{
    auto* label = new QLabel(this);
    label->setObjectName(name);
    label->setAlignment(alignment);
    label->resize(px(widthTwips), px(kLabelHeightTwips));
    return label;
}

void PowerWindow::placeTwips(QWidget* widget, double left, double top) { widget->move(px(left), px(top)); }

void PowerWindow::layOut()
{
    setWindowTitle(QString::fromStdString(powerWindowCaption(store())));
    PowerLayoutInput in;
    in.windowWidth = width() * kTwipsPerPixel;
    in.windowHeight = height() * kTwipsPerPixel;
    in.pictureLeft = kPictureLeft;
    in.pictureTop = kPictureTop;
    in.pictureWidth = pictureWidthTwips_;
    in.pictureHeight = pictureHeightTwips_;
    const PowerLayout out = layoutPowerWindow(in);
    pictureWidthTwips_ = out.pictureWidth;
    pictureHeightTwips_ = out.pictureHeight;
    picture1_->setGeometry(px(kPictureLeft), px(kPictureTop), px(out.pictureWidth), px(out.pictureHeight));

    // The power values sit left of the picture, ending at its edge.
    const double valueLeft = kPictureLeft - powerLabels_[0]->width() * kTwipsPerPixel - 60;
    for (int i = 0; i < 10; ++i) {
        placeTwips(powerLabels_[i], valueLeft, out.valueTops[i]);
        placeTwips(torqueLabels_[i], out.torqueLeft + 60, out.valueTops[i]);
    }
    for (int i = 0; i < 9; ++i)
        placeTwips(rpmLabels_[i], out.rpmLefts[i], out.rpmTop);
    placeTwips(label21_, out.torqueTitleLeft, kTitleTop);
}

void PowerWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layOut();
    if (!command3_->isEnabled() || resizeRecomputePending_)
        return;
    // The computation runs once the resizing events have been handled, so a
    // drag of the window's edge computes once per pause, never inside the
    // resize itself.
    resizeRecomputePending_ = true;
    QTimer::singleShot(0, this, [this] { recomputeAfterResize(); });
}

void PowerWindow::setCaptions()
{
    // The air correction's words come with the program's other added texts.
    const AddedTexts t = addedTexts();
    cmdRapport_->setText(QString::fromUtf8(t.reportButton));
    frameConditions_->setTitle(QString::fromUtf8(t.conditions));
    lstnorme_->setItemText(0, QString::fromUtf8(t.noCorrection));
    txtTempAir_->setToolTip(QString::fromUtf8(t.airTemp));
    txtPression_->setToolTip(QString::fromUtf8(t.pressure));
    txtHumidite_->setToolTip(QString::fromUtf8(t.humidity));
    command2_->setText(tr("Calcul"));
    frame1_->setTitle(text("LbVitesse"));
    command1_->setText(text("LbChargeCourbeDeRegime"));
    command3_->setText(text("LbEnregistrer"));
    label20_->setText(text("LbPuissanceEn") + " " + text("LbUnitePuissance"));
    label21_->setText(text("LbCoupleEn") + " " + text("LbUniteCouple"));
}

void PowerWindow::changeEvent(QEvent* event)
{
    // A new language file: new captions, gear names and units; a result on
    // show is computed again in the new units.
    if (event->type() == QEvent::LanguageChange) {
        setCaptions();
        if (!windowTitle().isEmpty())
            setWindowTitle(QString::fromStdString(powerWindowCaption(store())));
        fillGears();
        if (command3_->isEnabled())
            compute(false);
    }
    QWidget::changeEvent(event);
}

void PowerWindow::recomputeAfterResize()
{
    resizeRecomputePending_ = false;
    compute(true);
}

void PowerWindow::Command1_Click()
{
    FileDialogRequest request;
    request.title = store().get("LbChargeCourbeDeRegime");
    request.filter = tr("Fichier courbe *.ReT|*.ReT").toStdString();
    request.initialFolder = defaultFolder("RPM").string();
    const auto chosen = platform().openFile(request);
    if (!chosen)
        return;
    // The curve in use stays the one the shown result came from when the
    // chosen file cannot be computed.
    const std::filesystem::path file = *chosen;
    compute(false, &file);
}

bool PowerWindow::loadCurve(const std::filesystem::path& curve, int gearIndex)
{
    if (gearIndex >= 0 && gearIndex < lstvitesse_->count()) {
        const QSignalBlocker quiet(lstvitesse_);
        lstvitesse_->setCurrentIndex(gearIndex);
    }
    return compute(false, &curve);
}

bool PowerWindow::Command2_Click() { return compute(false); }

Result<PowerResult> PowerWindow::computeResult(float correctionFactor, const std::filesystem::path* newCurve,
                                               std::optional<LoadedCurve>& taken) const
{
    // The vehicle is read before the curve, so a bad gear is reported
    // whatever the curve.
    const auto inputs = readRunInputs(store(), lstvitesse_->currentIndex());
    if (!inputs)
        return Failure{inputs.error()};
    // A curve is read from its file once, when it is chosen; before any, the
    // path in use (none) is read and its failure said.
    if (newCurve || !curve_) {
        const std::filesystem::path file = newCurve ? *newCurve : curvePath_;
        auto points = readPowerCurveInput(file);
        if (!points)
            return Failure{points.error()};
        taken = LoadedCurve{file, std::move(*points), loadCurveNotes(file)};
    }
    const LoadedCurve& curve = taken ? *taken : *curve_;
    return computePower(*inputs, curve.points, table_, curve.file.string(), correctionFactor);
}

bool PowerWindow::compute(bool quietWhenRepeated, const std::filesystem::path* newCurve)
{
    // Air outside its ranges fails the computation as a bad curve does.
    const auto correction = chosenCorrection();
    std::optional<LoadedCurve> taken;
    auto result = correction ? computeResult(correction->factor, newCurve, taken)
                             : Result<PowerResult>(Failure{correction.error()});
    if (!result) {
        // A resize recomputes repeatedly: its failure is shown once, not at
        // every step of the drag.
        if (!quietWhenRepeated || result.error() != lastQuietFailure_)
            platform().message(result.error(), store().get("LbMcalcP"), MessageIcon::Warning);
        if (quietWhenRepeated)
            lastQuietFailure_ = result.error();
        // Air the computation refused does not stay on show as if in force.
        if (!correction)
            loadConditions();
        return false;
    }
    lastQuietFailure_.clear();
    if (taken) {
        curve_ = std::move(taken);
        curvePath_ = curve_->file;
    }
    showResult(*result, *correction);
    lastCorrection_ = *correction;
    lastGear_ = lstvitesse_->currentIndex();
    table_ = result->table;
    pointCount_ = result->pointCount;
    lastResult_ = std::move(*result);
    showGearSpeeds();
    command3_->setEnabled(true);
    cmdRapport_->setEnabled(true);
    return true;
}

void PowerWindow::showResult(const PowerResult& result, const PowerCorrection& correction)
{
    // The labels show the texts the canvas exports around the chart.
    PlotPicture picture = powerChartPicture(result, store(), correction);
    const PlotFrame& frame = picture.frame;
    label22_->setText(QString::fromStdString(frame.notes[0]));
    label23_->setText(QString::fromStdString(frame.notes[1]));
    for (std::size_t i = 0; i < powerLabels_.size(); ++i) {
        powerLabels_[i]->setText(QString::fromStdString(frame.left[i]));
        torqueLabels_[i]->setText(QString::fromStdString(frame.right[i]));
    }
    for (std::size_t i = 0; i < rpmLabels_.size(); ++i)
        rpmLabels_[i]->setText(QString::fromStdString(frame.bottom[i]));

    picture1_->setPlot(std::move(picture.plot));
    picture1_->setFrame(frame);
}

void PowerWindow::Command3_Click()
{
    FileDialogRequest request;
    request.title = store().get("LbEnregistrer");
    request.filter = tr("Fichier text *.txt|*.txt").toStdString();
    request.initialFolder = defaultFolder("Puissance").string();
    const auto chosen = platform().saveFile(request);
    if (!chosen)
        return;
    const Status saved = savePowerCurveFile(*chosen, table_, pointCount_, store());
    if (!saved)
        platform().message(saved.error(), store().get("LbEnregistrer"), MessageIcon::Warning);
}

// The gears of the committed gearbox, on the gear last picked when the box
// has it; when they change, a curve on screen in a gear that is gone is
// computed again in first gear.
void PowerWindow::fillGears()
{
    QStringList gears;
    for (const std::string& gear : gearNames(store()))
        gears << QString::fromStdString(gear);
    QStringList shown;
    for (int i = 0; i < lstvitesse_->count(); ++i)
        shown << lstvitesse_->itemText(i);
    if (gears == shown)
        return;
    const int chosen = lstvitesse_->currentIndex();
    const int saved = savedGearIndex();
    const int shownGear = saved >= 0 && saved < gears.size()     ? saved
                          : chosen >= 0 && chosen < gears.size() ? chosen
                                                                 : 0;
    {
        const QSignalBlocker quiet(lstvitesse_);
        lstvitesse_->clear();
        lstvitesse_->addItems(gears);
        lstvitesse_->setCurrentIndex(shownGear);
    }
    if (chosen >= 0 && shownGear != chosen)
        lstvitesse_Click();
    else
        showGearSpeeds();
}

// "3e: 40-140 km/h": the curve's lowest and highest engine speed through the
// gear's overall ratio and the wheel radius, in the speed unit on display.
void PowerWindow::showGearSpeeds()
{
    lblVitesseRoute_->clear();
    const int gear = lstvitesse_->currentIndex();
    if (!lastResult_ || gear < 0)
        return;
    const auto in = readVehicleInputs(store(), gear);
    const auto perKmh = speedFactor(store());
    if (!in || !perKmh)
        return;
    const RoadSpeedRange range = roadSpeedRange(*in, lastResult_->extremes.minRpm, lastResult_->extremes.maxRpm);
    const double factor = *perKmh;
    lblVitesseRoute_->setText(tr("%1: %2-%3 %4/h")
                                  .arg(lstvitesse_->currentText(),
                                       QString::fromStdString(wholeText(range.lowKmh * factor)),
                                       QString::fromStdString(wholeText(range.highKmh * factor)), text("LbkmhMph")));
}

void PowerWindow::vehicleCommitted()
{
    setWindowTitle(QString::fromStdString(powerWindowCaption(store())));  // the Mini's name
    fillGears();
}

void PowerWindow::lstvitesse_Click()
{
    if (!command3_->isEnabled() || !compute(false))
        showGearSpeeds();
}

QGroupBox* PowerWindow::makeConditionsFrame()
{
    const AddedTexts t = addedTexts();
    auto* frame = new QGroupBox(QString::fromUtf8(t.conditions), this);
    frame->setObjectName("frameConditions");
    lstnorme_ = new QComboBox(frame);
    lstnorme_->setObjectName("lstnorme");
    for (const StandardInfo& info : correctionStandards())
        lstnorme_->addItem(QString::fromUtf8(info.standard == CorrectionStandard::None ? t.noCorrection : info.name));
    auto* row = new QHBoxLayout(frame);
    row->setContentsMargins(6, 2, 6, 4);
    row->setSpacing(4);
    row->addWidget(lstnorme_);
    const auto field = [&](QLineEdit*& edit, const char* name, const std::string& caption, const char* unit) {
        edit = new QLineEdit(frame);
        edit->setObjectName(name);
        edit->setToolTip(QString::fromUtf8(caption));
        edit->setFixedWidth(px(700));
        row->addWidget(edit);
        auto* label = new QLabel(QString::fromUtf8(unit), frame);
        row->addWidget(label);
    };
    field(txtTempAir_, "txtTempAir", t.airTemp, "°C");
    field(txtPression_, "txtPression", t.pressure, "hPa");
    field(txtHumidite_, "txtHumidite", t.humidity, "%");
    // The temperature may be below zero: its field also takes the minus sign.
    txtTempAir_->setValidator(new QRegularExpressionValidator(QRegularExpression("-?[0-9]*[,.]?[0-9]*"), txtTempAir_));
    commaOnFocusLost(txtTempAir_, [this] { conditionsChanged(); });
    makeDecimalField(txtPression_, [this] { conditionsChanged(); });
    makeDecimalField(txtHumidite_, [this] { conditionsChanged(); });
    for (QLineEdit* edit : {txtTempAir_, txtPression_, txtHumidite_})
        connect(edit, &QLineEdit::returnPressed, this, [this] { conditionsChanged(); });
    connect(lstnorme_, &QComboBox::currentIndexChanged, this, [this](int) { conditionsChanged(); });
    return frame;
}

// The Conditions frame as the settings left it: no correction, 20 °C,
// 1013 hPa and 50 % the first time.
void PowerWindow::loadConditions()
{
    const Settings settings = readSettings();
    const auto get = [&settings](const char* key, const char* fallback) {
        const auto found = settings.find(key);
        return QString::fromStdString(found == settings.end() ? std::string(fallback) : found->second);
    };
    const QSignalBlocker quiet(lstnorme_);
    const auto chosen = standardFromKey(get(kCorrectionKey, "none").toStdString());
    lstnorme_->setCurrentIndex(static_cast<int>(chosen.value_or(CorrectionStandard::None)));
    txtTempAir_->setText(get(kAirTempKey, "20"));
    txtPression_->setText(get(kPressureKey, "1013"));
    txtHumidite_->setText(get(kHumidityKey, "50"));
    for (QLineEdit* edit : {txtTempAir_, txtPression_, txtHumidite_})
        edit->setEnabled(lstnorme_->currentIndex() != 0);
}

Result<PowerCorrection> PowerWindow::chosenCorrection() const
{
    const auto standard = static_cast<CorrectionStandard>(std::max(0, lstnorme_->currentIndex()));
    if (standard == CorrectionStandard::None)
        return PowerCorrection{};
    const AddedTexts t = addedTexts();
    AirConditions air;
    const std::pair<QLineEdit*, double*> fields[] = {
        {txtTempAir_, &air.airTempC}, {txtPression_, &air.pressureHpa}, {txtHumidite_, &air.humidityPct}};
    for (const auto& [edit, value] : fields) {
        const std::string typed = edit->text().toStdString();
        const auto number = parseDouble(typed);
        if (!number)
            return Failure{
                tr("%1: %2 %3 is not a number")
                    .arg(QString::fromUtf8(t.conditions), edit->toolTip(), QString::fromStdString(quotedValue(typed)))
                    .toStdString()};
        *value = *number;
    }
    if (const auto field = fieldOutOfRange(air))
        return Failure{t.conditions + std::string(": ") + outOfRangeMessage(*field, air)};
    return makeCorrection(standard, air);
}

void PowerWindow::conditionsChanged()
{
    if (const auto correction = chosenCorrection(); !correction) {
        platform().message(correction.error(), addedTexts().conditions, MessageIcon::Warning);
        loadConditions();
        return;
    }
    const int index = std::max(0, lstnorme_->currentIndex());
    for (QLineEdit* edit : {txtTempAir_, txtPression_, txtHumidite_})
        edit->setEnabled(index != 0);
    const Settings chosen{
        {kCorrectionKey, correctionStandards().at(static_cast<std::size_t>(index)).key},
        {kAirTempKey, txtTempAir_->text().toStdString()},
        {kPressureKey, txtPression_->text().toStdString()},
        {kHumidityKey, txtHumidite_->text().toStdString()},
    };
    // Leaving a field without changing it changes nothing.
    const Settings saved = readSettings();
    bool same = true;
    for (const auto& [key, value] : chosen) {
        const auto found = saved.find(key);
        same = same && found != saved.end() && found->second == value;
    }
    if (same)
        return;
    if (const Status written = writeSettings(chosen); !written)
        platform().message(written.error(), addedTexts().conditions, MessageIcon::Warning);
    if (command3_->isEnabled())
        compute(false);
}

void PowerWindow::cmdRapport_Click()
{
    if (!lastResult_)
        return;
    const AddedTexts t = addedTexts();
    FileDialogRequest request;
    request.title = t.reportButton;
    request.filter = "PDF *.pdf|*.pdf";
    request.initialFolder = defaultFolder("Puissance").string();
    request.initialName = curvePath_.stem().string() + ".pdf";
    const auto chosen = platform().saveFile(request);
    if (!chosen)
        return;
    ReportInputs in;
    in.date = reportDate();
    in.result = *lastResult_;
    in.gearIndex = lastGear_;
    in.correction = lastCorrection_;
    if (curve_) {
        in.curve = curveFacts(curve_->file, curve_->points);
        in.curveNotes = curve_->notes;
    }
    const Status saved = saveRunReport(*chosen, buildRunReport(in, store()));
    if (!saved)
        platform().message(saved.error(), t.reportButton, MessageIcon::Warning);
    else
        platform().message(tr("Report saved: %1").arg(QString::fromStdString(*chosen)).toStdString(), t.reportButton,
                           MessageIcon::Information);
}

}  // namespace vornax
