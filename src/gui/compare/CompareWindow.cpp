#include "gui/compare/CompareWindow.h"

#include "common/AppFolder.h"
#include "common/NumberText.h"
#include "common/Twips.h"
#include "common/PlatformServices.h"
#include "gui/common/PlotCanvas.h"
#include "common/TextFile.h"
#include "compare/AverageCurve.h"
#include "pictures/PlotPictures.h"
#include "store/Varia.h"

#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>

#include <algorithm>
#include <cmath>

namespace vornax {

using namespace compare;

namespace {

constexpr const char* kCurveFilter = QT_TRANSLATE_NOOP("vornax::CompareWindow", "Fichier text *.txt|*.txt");

int px(double twips) { return twipsToPixels(twips); }

QRect pxRect(double left, double top, double width, double height)
{
    return QRect(px(left), px(top), px(width), px(height));
}

QString storeText(const char* entry) { return QString::fromStdString(store().get(entry)); }

// Names of each slot's swatches and their "C:" / "P:" labels, as the window
// was designed: slot 0 apart, then four labels per slot from Label36.
struct SwatchNames {
    int torqueSwatch, torqueName, powerSwatch, powerName;
};
SwatchNames swatchNames(int k)
{
    if (k == 0)
        return {33, 32, 35, 34};
    const int base = 36 + 4 * (k - 1);
    return {base + 2, base + 3, base, base + 1};
}

QString labelName(int n) { return QStringLiteral("Label%1").arg(n); }

void paintSwatch(QLabel* swatch, Rgb colour)
{
    QPalette palette = swatch->palette();
    palette.setColor(QPalette::Window, QColor(colour.r, colour.g, colour.b));
    swatch->setPalette(palette);
}

Rgb swatchColour(const QLabel* swatch)
{
    const QColor c = swatch->palette().color(QPalette::Window);
    return {static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
            static_cast<std::uint8_t>(c.blue())};
}

// A file name on a load button: shortened in its middle to the button's
// width, so that both the start and the end of a name (where runs usually
// differ) stay readable; the whole name is in the tooltip.
void showFileName(QPushButton* button, const QString& name, const QString& whole)
{
    const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
    const int room = std::max(1, button->width() - 2 * margin);
    QString shown = button->fontMetrics().elidedText(name, Qt::ElideMiddle, room);
    shown.replace('&', QStringLiteral("&&"));  // a file name holds no shortcut
    button->setText(shown);
    button->setToolTip(whole);
}

// A summary line that ends with " (file name)": when too long for its label,
// the name is shortened in its middle and the whole line is in the tooltip.
void showSummary(QLabel* label, const std::string& line, const std::string& curve)
{
    const QString whole = QString::fromStdString(line);
    const QFontMetrics metrics = label->fontMetrics();
    label->setToolTip(curve.empty() ? QString() : whole);
    if (curve.empty() || metrics.horizontalAdvance(whole) <= label->width()) {
        label->setText(whole);
        return;
    }
    const QString head = whole.left(whole.size() - QString::fromStdString(curve).size() - 1);  // up to " ("
    const int room = std::max(1, label->width() - metrics.horizontalAdvance(head + QStringLiteral(")")));
    // Short of room the name goes without its ".txt", as on the slot buttons.
    const QString name = QString::fromStdString(compare::slotCaption(curve));
    label->setText(head + metrics.elidedText(name, Qt::ElideMiddle, room) + QStringLiteral(")"));
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QRect& place)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(place);
    return label;
}

}  // namespace

CompareWindow::CompareWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName("GRph");
    setMouseTracking(true);

    for (int k = 0; k < kSlotCount; ++k) {
        const SlotColours colours = slotColours(k);
        slots_[static_cast<std::size_t>(k)].torqueColour = colours.torque;
        slots_[static_cast<std::size_t>(k)].powerColour = colours.power;
        buildSlotRow(k);
    }

    moyC_ = new QPushButton(this);
    moyC_->setObjectName("MoyC");
    moyC_->setGeometry(pxRect(120, 8160, 1215, 375));
    connect(moyC_, &QPushButton::clicked, this, &CompareWindow::MoyC_Click);

    command12_ = new QPushButton(this);
    command12_->setObjectName("Command12");
    command12_->setGeometry(pxRect(2640, kCommand12Top, 1215, kCommand12Height));
    connect(command12_, &QPushButton::clicked, this, &CompareWindow::Command12_Click);

    check13_ = new QCheckBox(this);
    check13_->setObjectName("Check13");
    check13_->setGeometry(pxRect(5400, 120, 1400, 300));
    check12_ = new QCheckBox(this);
    check12_->setObjectName("Check12");
    check12_->setGeometry(pxRect(5400, 480, 1400, 300));
    // Both quantities shown from the start: "Tracer" then draws curves at
    // once rather than an empty grid.
    check13_->setChecked(true);
    check12_->setChecked(true);

    label76_ = makeLabel(this, "Label76", pxRect(6840, 240, 4800, 255));
    label77_ = makeLabel(this, "Label77", pxRect(6840, 480, 4800, 255));
    lblX_ = makeLabel(this, "lblX", pxRect(11760, 240, 800, 255));
    lblY_ = makeLabel(this, "lblY", pxRect(12600, 240, 1500, 255));
    lblt_ = makeLabel(this, "lblt", pxRect(12600, 600, 1500, 255));

    picture1_ = new PlotCanvas(this);
    picture1_->setObjectName("Picture1");
    picture1_->setMinimumSize(1, 1);
    picture1_->installEventFilter(this);
    connect(picture1_, &PlotCanvas::pointerMoved, this,
            [this](double, double, QPoint pixel) { updateReadout(QPointF(picture1_->mapTo(this, pixel))); });
    // The designed plot area, until the first resize lays it out.
    plotArea_ = {kPlotLeft, kCommand12Top + kCommand12Height + 255, 12330, 6990};

    buildAxisLabels();
    setCaptions();
    resize(1056, 640);
}

void CompareWindow::buildSlotRow(int k)
{
    SlotRow& row = rows_[static_cast<std::size_t>(k)];
    const double top = 240 + 720.0 * k;
    const double below = 600 + 720.0 * k;

    row.show = new QCheckBox(this);
    row.show->setObjectName(QStringLiteral("Check%1").arg(k + 1));
    row.show->setGeometry(pxRect(120, top, 240, 300));
    row.load = new QPushButton(this);
    row.load->setObjectName(QStringLiteral("Command%1").arg(k + 1));
    // A little wider than designed, up to the power labels: more of a file
    // name shows.
    row.load->setGeometry(pxRect(360, top, 1320, 360));
    row.load->setEnabled(false);

    const SwatchNames names = swatchNames(k);
    row.torqueName = makeLabel(this, labelName(names.torqueName), pxRect(120, below, 240, 255));
    row.torqueSwatch = makeLabel(this, labelName(names.torqueSwatch), pxRect(360, below, 255, 255));
    row.powerName = makeLabel(this, labelName(names.powerName), pxRect(720, below, 240, 255));
    row.powerSwatch = makeLabel(this, labelName(names.powerSwatch), pxRect(960, below, 255, 255));
    const CurveSlot& slot = slots_[static_cast<std::size_t>(k)];
    for (QLabel* swatch : {row.torqueSwatch, row.powerSwatch}) {
        swatch->setAutoFillBackground(true);
        swatch->setFrameShape(QFrame::Box);
        swatch->setCursor(Qt::PointingHandCursor);
        swatch->installEventFilter(this);
    }
    paintSwatch(row.torqueSwatch, slot.torqueColour);
    paintSwatch(row.powerSwatch, slot.powerColour);

    connect(row.show, &QCheckBox::toggled, this, [this, k](bool ticked) { showBoxChanged(k, ticked); });
    connect(row.load, &QPushButton::clicked, this, [this, k] { chooseFile(k); });
}

void CompareWindow::buildAxisLabels()
{
    QFont small = font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    for (int n = 1; n <= 31; ++n) {
        QLabel* label = makeLabel(this, labelName(n), QRect(0, 0, px(615), px(255)));
        label->setFont(small);
        if (n >= 21 && n <= 29)
            label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        const bool power = n <= 10 || n == 30;
        const bool torque = (n >= 11 && n <= 20) || n == 31;
        if (power || torque) {
            QPalette palette = label->palette();
            palette.setColor(QPalette::WindowText, power ? QColor(255, 0, 0) : QColor(0, 0, 255));
            label->setPalette(palette);
        }
        axisLabels_[static_cast<std::size_t>(n)] = label;
    }
}

void CompareWindow::setCaptions()
{
    setWindowTitle(storeText("Lbversion") + " ***** " + storeText("LbCoubeCP") + " *****");
    command12_->setText(storeText("LbTracer"));
    moyC_->setText(tr("Moyenne"));
    for (int k = 0; k < kSlotCount; ++k) {
        SlotRow& row = rows_[static_cast<std::size_t>(k)];
        showSlotName(k);
        row.torqueName->setText(storeText("LbCoupleinitial"));
        row.powerName->setText(storeText("LbPuissanceinitial"));
    }
    check13_->setText(storeText("LbPuissance"));
    check12_->setText(storeText("LbCouple"));
}

void CompareWindow::chooseFile(int k)
{
    SlotRow& row = rows_[static_cast<std::size_t>(k)];
    FileDialogRequest request;
    request.title = tr("Chargement des courbes").toStdString();
    request.filter = tr(kCurveFilter).toStdString();
    request.initialFolder = defaultFolder("Puissance").string();
    const std::string path = platform().openFile(request).value_or(std::string());
    slots_[static_cast<std::size_t>(k)].path = path;
    showSlotName(k);
    if (path.empty())
        row.show->setChecked(false);
}

void CompareWindow::showSlotName(int k)
{
    QPushButton* load = rows_[static_cast<std::size_t>(k)].load;
    const std::string& path = slots_[static_cast<std::size_t>(k)].path;
    if (path.empty()) {
        load->setText(storeText("LbCourbe") + QStringLiteral(" %1").arg(k));
        load->setToolTip(QString());
        return;
    }
    showFileName(load, QString::fromStdString(slotCaption(path)), QString::fromStdString(path));
}

void CompareWindow::showBoxChanged(int k, bool ticked)
{
    CurveSlot& slot = slots_[static_cast<std::size_t>(k)];
    slot.ticked = ticked;
    rows_[static_cast<std::size_t>(k)].load->setEnabled(ticked);
    if (ticked && slot.path.empty())
        chooseFile(k);
}

void CompareWindow::pickSwatchColour(QLabel* swatch)
{
    // A cancelled dialog keeps the colour the swatch had.
    const auto colour = platform().pickColour(swatchColour(swatch));
    if (!colour)
        return;
    paintSwatch(swatch, *colour);
    for (std::size_t k = 0; k < rows_.size(); ++k) {
        if (rows_[k].torqueSwatch == swatch)
            slots_[k].torqueColour = *colour;
        if (rows_[k].powerSwatch == swatch)
            slots_[k].powerColour = *colour;
    }
}

void CompareWindow::Command12_Click()
{
    plotRequested_ = true;
    std::optional<DisplayUnits> units;
    for (CurveSlot& slot : slots_) {
        if (!slot.ticked)
            continue;
        if (!units) {
            const auto current = displayUnits(store());
            if (!current) {
                platform().message(
                    tr("Fichier Incorrect: %1").arg(QString::fromStdString(current.error())).toStdString(),
                    tr("Erreur").toStdString(), MessageIcon::Warning);
                return;
            }
            units = *current;
        }
        const Status read = fichierPo(slot.path, slot, *units);
        if (!read) {
            platform().message(tr("Fichier Incorrect: %1").arg(QString::fromStdString(read.error())).toStdString(),
                               tr("Erreur").toStdString(), MessageIcon::Warning);
            return;
        }
    }
    plotCurves();
}

void CompareWindow::plotCurves()
{
    PlotOptions options;
    options.showPower = check13_->isChecked();
    options.showTorque = check12_->isChecked();
    const PlotDrawing drawing = compare::plotCurves(slots_, options, plotTextsFrom(store()), memory_);

    showSummary(label76_, drawing.label76, drawing.powerMaxCurve);
    showSummary(label77_, drawing.label77, drawing.torqueMaxCurve);
    for (int n = 1; n <= 31; ++n)
        if (const auto& text = drawing.labels[static_cast<std::size_t>(n)])
            axisLabels_[static_cast<std::size_t>(n)]->setText(QString::fromStdString(*text));
    if (drawing.cleared)
        picture1_->clear();
    if (drawing.scaleHeight) {
        picture1_->setScaleHeight(*drawing.scaleHeight);
        userScale_ = true;
    }
    if (std::none_of(slots_.begin(), slots_.end(), [](const CurveSlot& slot) { return slot.ticked; })) {
        // Nothing to draw: say how to get curves rather than leave the plot
        // blank or with a bare grid.
        picture1_->clear();
        picture1_->setBackground({255, 255, 255});
        PlotList hint;
        hint.scaleWidth = picture1_->scaleWidth();
        hint.scaleHeight = picture1_->scaleHeight();
        hint.text(
            hint.scaleWidth / 2, hint.scaleHeight / 2,
            tr("Tick the box of a curve and choose its file, then \"%1\"").arg(storeText("LbTracer")).toStdString(),
            TextAnchor::Centre, {0, 0, 0}, 14.0);
        picture1_->add(hint);
        return;
    }
    if (!drawing.scaleWidth) {
        picture1_->clearFrame();
        return;
    }
    picture1_->setScaleWidth(*drawing.scaleWidth);
    picture1_->setBackground({255, 255, 255});
    picture1_->add(drawing.plot);
    // The export draws around the plot the texts the labels show.
    if (drawing.stop == PlotStop::None)
        picture1_->setFrame(comparisonFrame(drawing, slots_, options, store()));
    else
        picture1_->clearFrame();
}

void CompareWindow::MoyC_Click()
{
    // The slots hold the units in force at the last plot command.
    const auto units = displayUnits(store());
    if (!units) {
        platform().message(units.error(), moyC_->text().toStdString(), MessageIcon::Warning);
        return;
    }
    const auto average = averageCurve(slots_, *units);
    if (!average) {
        platform().message(average.error(), moyC_->text().toStdString(), MessageIcon::Warning);
        return;
    }
    FileDialogRequest request;
    // The filter the slots open with, so that the average is listed there.
    request.filter = tr(kCurveFilter).toStdString();
    request.initialFolder = defaultFolder("Puissance").string();
    const auto path = platform().saveFile(request);
    if (!path || path->empty())
        return;
    const Status written = writeFileAtomically(*path, average->fileBytes());
    if (!written)
        platform().message(
            tr("The average could not be saved: %1").arg(QString::fromStdString(written.error())).toStdString(),
            moyC_->text().toStdString(), MessageIcon::Warning);
    else if (average->commonGrid)
        platform().message(tr("The curves do not share their engine speeds: they were averaged on a common grid of "
                              "%1 engine speeds from %2 to %3 rpm, the range all of them cover.")
                               .arg(static_cast<qulonglong>(average->points.size()))
                               .arg(QString::fromStdString(wholeText(average->gridFrom)))
                               .arg(QString::fromStdString(wholeText(average->gridTo)))
                               .toStdString(),
                           moyC_->text().toStdString(), MessageIcon::Information);
}

void CompareWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layOut();
    if (plotRequested_)
        plotCurves();
}

void CompareWindow::layOut()
{
    // The layout counts the window's outer size, frame included.
    const QSize frame = frameGeometry().size() - geometry().size();
    const QSize outer = size() + (frame.isValid() ? frame : QSize(0, 0));
    const FrameLayout layout = layoutFrame(outer.width() * kTwipsPerPixel, outer.height() * kTwipsPerPixel, plotArea_);
    plotArea_ = layout.plot;
    picture1_->setGeometry(pxRect(plotArea_.left, plotArea_.top, plotArea_.width, plotArea_.height));
    if (!userScale_)
        picture1_->setScale(plotArea_.width, plotArea_.height);
    for (int n = 1; n <= 31; ++n) {
        const TwipPoint& at = layout.labels[static_cast<std::size_t>(n)];
        axisLabels_[static_cast<std::size_t>(n)]->move(px(at.left), px(at.top));
    }
}

void CompareWindow::mouseMoveEvent(QMouseEvent* event)
{
    updateReadout(event->position());
    QWidget::mouseMoveEvent(event);
}

void CompareWindow::changeEvent(QEvent* event)
{
    // A new language file brings new captions and units: the curves on show
    // are read again into them.
    if (event->type() == QEvent::LanguageChange) {
        setCaptions();
        if (plotRequested_)
            Command12_Click();
    }
    QWidget::changeEvent(event);
}

bool CompareWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == picture1_ && event->type() == QEvent::Leave)
        updateReadout(std::nullopt);
    if (event->type() == QEvent::MouseButtonPress)
        if (auto* swatch = qobject_cast<QLabel*>(watched)) {
            pickSwatchColour(swatch);
            return true;
        }
    return QWidget::eventFilter(watched, event);
}

void CompareWindow::updateReadout(std::optional<QPointF> windowPixel)
{
    std::optional<Readout> readout;
    if (windowPixel)
        readout = readoutAt(windowPixel->x() * kTwipsPerPixel, windowPixel->y() * kTwipsPerPixel, plotArea_,
                            picture1_->scaleWidth(), picture1_->scaleHeight(), memory_.readout, plotTextsFrom(store()));
    if (!readout) {
        lblX_->clear();
        lblY_->clear();
        lblt_->clear();
        unsetCursor();
        return;
    }
    lblX_->setText(QString::fromStdString(readout->lblX));
    lblY_->setText(QString::fromStdString(readout->lblY));
    lblt_->setText(QString::fromStdString(readout->lblt));
    setCursor(Qt::CrossCursor);
}

}  // namespace vornax
