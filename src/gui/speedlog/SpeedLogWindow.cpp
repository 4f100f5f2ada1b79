#include "gui/speedlog/SpeedLogWindow.h"

#include "common/AppFolder.h"
#include "common/NumberText.h"
#include "common/Physics.h"
#include "common/PlatformServices.h"
#include "gui/common/PlotCanvas.h"
#include "gui/common/SpeedLogDialog.h"
#include "gui/common/WindowManager.h"
#include "power/PowerInputs.h"
#include "gui/power/PowerWindow.h"
#include "store/Varia.h"
#include "signal/CurveFile.h"
#include "signal/CurveNotes.h"
#include "signal/PreciseCurve.h"
#include "gui/simulation/SimTD.h"
#include "speedlog/LogPower.h"
#include "speedlog/SpeedLogPlot.h"
#include "speedlog/StandingStart.h"
#include "vehicle/MeasuredRoadLoad.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <filesystem>

namespace vornax {
namespace {

QString number(double value, Pattern pattern) { return QString::fromStdString(formatPattern(value, pattern)); }

}  // namespace

SpeedLogWindow::SpeedLogWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName("JournalVitesse");
    auto* outer = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    ouvrir_ = new QPushButton(this);
    ouvrir_->setObjectName("cmdOuvrir");
    fichier_ = new QLabel(this);
    fichier_->setObjectName("lblFichier");
    top->addWidget(ouvrir_);
    top->addWidget(fichier_, 1);
    outer->addLayout(top);

    picture_ = new PlotCanvas(this);
    picture_->setObjectName("PicJournal");
    picture_->setBackground({255, 255, 255});
    picture_->setMinimumSize(700, 320);
    outer->addWidget(picture_, 1);

    auto* bottom = new QGridLayout;
    troncons_ = new QListWidget(this);
    troncons_->setObjectName("lstTroncons");
    troncons_->setMinimumHeight(110);
    bottom->addWidget(troncons_, 0, 0, 3, 1);
    rapportCaption_ = new QLabel(this);
    rapport_ = new QComboBox(this);
    rapport_->setObjectName("lstRapport");
    bottom->addWidget(rapportCaption_, 0, 1);
    bottom->addWidget(rapport_, 0, 2);
    envoyer_ = new QPushButton(this);
    envoyer_->setObjectName("cmdEnvoyer");
    envoyer_->setEnabled(false);
    bottom->addWidget(envoyer_, 1, 1, 1, 2);
    ecrire_ = new QPushButton(this);
    ecrire_->setObjectName("cmdEcrireVehicule");
    ecrire_->setEnabled(false);
    bottom->addWidget(ecrire_, 2, 1, 1, 2);
    resultat_ = new QLabel(this);
    resultat_->setObjectName("lblResultat");
    resultat_->setWordWrap(true);
    bottom->addWidget(resultat_, 3, 0, 1, 3);
    outer->addLayout(bottom);

    connect(ouvrir_, &QPushButton::clicked, this, &SpeedLogWindow::cmdOuvrir_Click);
    connect(envoyer_, &QPushButton::clicked, this, &SpeedLogWindow::cmdEnvoyer_Click);
    connect(ecrire_, &QPushButton::clicked, this, &SpeedLogWindow::cmdEcrireVehicule_Click);
    connect(troncons_, &QListWidget::currentRowChanged, this, [this](int row) { envoyer_->setEnabled(row >= 0); });
    setCaptions();
    fillGears();
    resize(900, 620);
}

void SpeedLogWindow::setCaptions()
{
    setWindowTitle(tr("Journal de vitesse"));
    ouvrir_->setText(tr("Ouvrir un journal..."));
    rapportCaption_->setText(tr("Rapport de la montée"));
    envoyer_->setText(tr("Envoyer à sa fenêtre"));
    ecrire_->setText(tr("Écrire dans un véhicule..."));
}

void SpeedLogWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        setCaptions();
    QWidget::changeEvent(event);
}

void SpeedLogWindow::fillGears()
{
    rapport_->clear();
    for (const std::string& gear : gearNames(store()))
        rapport_->addItem(QString::fromStdString(gear));
}

void SpeedLogWindow::cmdOuvrir_Click()
{
    auto chosen = askForSpeedLog(ouvrir_->text());
    if (!chosen)
        return;
    log_ = std::move(chosen->log);
    logName_ = chosen->name;
    stretches_ = findStretches(*log_);
    coast_.reset();
    ecrire_->setEnabled(false);
    resultat_->clear();
    picture_->setPlot(speedLogPlot(*log_, stretches_));
    QString line = tr("%1 : %2, %3 points, %4 par seconde")
                       .arg(QString::fromStdString(logName_))
                       .arg(speedLogFormatName(log_->format))
                       .arg(log_->fixes.size())
                       .arg(QString::fromStdString(fixesPerSecondText(speedLogRate(*log_))));
    if (log_->skippedLines > 0)
        line += tr(", %1 lignes illisibles sautées").arg(log_->skippedLines);
    fichier_->setText(line);
    troncons_->clear();
    for (std::size_t k = 0; k < stretches_.size(); ++k) {
        const LogStretch& s = stretches_[k];
        const QString kind = s.kind == StretchKind::Pull        ? tr("montée dans un rapport")
                             : s.kind == StretchKind::CoastDown ? tr("décélération au point mort")
                                                                : tr("départ arrêté");
        troncons_->addItem(tr("%1. %2 : %3 à %4 s, %5 à %6 km/h")
                               .arg(k + 1)
                               .arg(kind)
                               .arg(number(s.from, Pattern::OneDecimal))
                               .arg(number(s.to, Pattern::OneDecimal))
                               .arg(number(s.fromSpeed * physics::kKmhPerMps, Pattern::Whole))
                               .arg(number(s.toSpeed * physics::kKmhPerMps, Pattern::Whole)));
    }
    if (stretches_.empty())
        resultat_->setText(tr("Aucune montée, décélération ou départ arrêté trouvé dans ce journal."));
    else
        troncons_->setCurrentRow(0);
}

void SpeedLogWindow::cmdEnvoyer_Click()
{
    const int row = troncons_->currentRow();
    if (!log_ || row < 0 || row >= int(stretches_.size()))
        return;
    const LogStretch& s = stretches_[std::size_t(row)];
    switch (s.kind) {
    case StretchKind::Pull: sendPull(s); break;
    case StretchKind::CoastDown: sendCoastDown(s); break;
    case StretchKind::StandingStart: sendStart(s); break;
    }
}

void SpeedLogWindow::sendPull(const LogStretch& pull)
{
    fillGears();
    const int gear = std::max(0, rapport_->currentIndex());
    const auto inputs = readVehicleInputs(store(), gear);
    if (!inputs) {
        platform().message(inputs.error(), tr("Erreur").toStdString(), MessageIcon::Warning);
        return;
    }
    const auto curve = engineCurveFromLog(*log_, *inputs, pull.from, pull.to);
    if (!curve) {
        platform().message(curve.error(), tr("Erreur").toStdString(), MessageIcon::Warning);
        return;
    }
    FileDialogRequest request;
    request.title = tr("Enregistrer la courbe de régime").toStdString();
    request.filter = tr("Fichier courbe *.ReT|*.ReT").toStdString();
    request.initialFolder = defaultFolder("RPM").string();
    request.initialName = std::filesystem::path(logName_).stem().string() + ".ReT";
    const auto chosen = platform().saveFile(request);
    if (!chosen || chosen->empty())
        return;
    if (const Status saved = SaveCurve(*chosen, curve->curve); !saved) {
        platform().message(saved.error(), tr("Erreur").toStdString(), MessageIcon::Warning);
        return;
    }
    CurveNotes notes;
    notes.recording = logName_;
    notes.method = CurveMethod::Precise;
    notes.rpmUncertaintyPct = curve->rpmUncertaintyPct;
    notes.powerUncertaintyPct = curve->powerUncertaintyPct;
    saveCurveNotes(*chosen, notes);
    QString said = tr("Courbe de régime enregistrée : régime ± %1 %, puissance ± %2 % (1 écart-type).")
                       .arg(QString::fromStdString(uncertaintyText(curve->rpmUncertaintyPct, false)))
                       .arg(QString::fromStdString(uncertaintyText(curve->powerUncertaintyPct, false)));
    for (const std::string& note : curve->notes)
        said += "\n" + QString::fromStdString(note);
    resultat_->setText(said);
    if (auto* power = qobject_cast<PowerWindow*>(WindowManager::instance().show("CPuiss")))
        power->loadCurve(*chosen, gear);
}

void SpeedLogWindow::sendCoastDown(const LogStretch& coast)
{
    const auto car = coastDownCar(store());
    if (!car) {
        platform().message(car.error(), tr("Erreur").toStdString(), MessageIcon::Warning);
        return;
    }
    const auto fit = fitCoastDown({CoastRun{validFixes(*log_, coast.from, coast.to)}}, *car, airDensity({}));
    if (!fit) {
        platform().message(fit.error(), tr("Erreur").toStdString(), MessageIcon::Warning);
        return;
    }
    coast_ = *fit;
    resultat_->setText(tr("S·Cx %1 ± %2 m², coefficient de roulement %3 ± %4 (air à 20 °C, 1013 hPa). Un seul "
                          "sens : un vent ou une pente n'est pas compensé (vornax coastdown prend les deux sens).")
                           .arg(QString::fromStdString(decimalsText(fit->scx, 3)))
                           .arg(QString::fromStdString(decimalsText(fit->scxSd, 3)))
                           .arg(QString::fromStdString(decimalsText(fit->rolling, 4)))
                           .arg(QString::fromStdString(decimalsText(fit->rollingSd, 4))));
    ecrire_->setEnabled(true);
}

void SpeedLogWindow::cmdEcrireVehicule_Click()
{
    if (!coast_)
        return;
    FileDialogRequest request;
    request.title = ecrire_->text().toStdString();
    request.filter = tr("Fichiers Mini *.Dat|*.dat").toStdString();
    request.initialFolder = defaultFolder("Mini").string();
    const auto chosen = platform().openFile(request);
    if (!chosen)
        return;
    const Status written = writeRoadLoadToMiniFile(store(), *chosen, coast_->scx, coast_->rolling);
    if (!written) {
        platform().message(written.error(), tr("Erreur").toStdString(), MessageIcon::Warning);
        return;
    }
    platform().message(tr("S·Cx et coefficient de roulement écrits dans %1 ; ouvrez ce véhicule et validez-le pour "
                          "que le calcul de puissance les prenne.")
                           .arg(QString::fromStdString(std::filesystem::path(*chosen).filename().string()))
                           .toStdString(),
                       tr("Journal de vitesse").toStdString(), MessageIcon::Information);
}

void SpeedLogWindow::sendStart(const LogStretch& start)
{
    auto measured = measureStart(validFixes(*log_, start.from, start.to));
    if (!measured) {
        platform().message(measured.error(), tr("Erreur").toStdString(), MessageIcon::Warning);
        return;
    }
    if (auto* sim = qobject_cast<SimTD*>(WindowManager::instance().show("SimTD")))
        sim->showMeasured(std::move(*measured), logName_);
}

}  // namespace vornax
