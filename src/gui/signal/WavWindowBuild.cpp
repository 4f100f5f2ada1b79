// The WAV window's controls, captions and layout. Positions are in twips
// (1/1440 inch) as the window was designed, 15 twips to a pixel.
#include "gui/signal/WavWindow.h"

#include "gui/common/PlotCanvas.h"
#include "common/Twips.h"
#include "store/Varia.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>
#include <QTimer>
#include <QVBoxLayout>

namespace vornax {
namespace {

int px(int twips) { return twipsToPixels(twips); }

// The plot's top and left: fixed, the layout on resize works from them.
constexpr int kPlotTop = 4800;
constexpr int kPlotLeft = 900;
constexpr int kAreaWidth = 14400;
constexpr int kAreaHeight = 10500;
constexpr int kTestModeExtra = 4000;

QString fromStore(const char* entry) { return QString::fromStdString(store().get(entry)); }

template <typename T>
T* named(T* widget, const char* name)
{
    widget->setObjectName(name);
    return widget;
}

// The property holding a control's own caption as written in the source.
constexpr const char* kSourceText = "vornaxSourceText";

// The program's own caption of a control (not the language file's): its
// source text is kept on the control, which shows it translated, and shows
// it again in a new language (WavWindow::retranslate).
template <typename T>
T* own(T* widget, const char* source)
{
    widget->setProperty(kSourceText, QString::fromUtf8(source));
    WavWindow::showOwnCaption(widget);
    return widget;
}

QLabel* caption(QWidget* parent, const char* source, int x, int y, int w, int h = 17)
{
    auto* label = own(new QLabel(parent), source);
    label->setGeometry(x, y, w, h);
    return label;
}

QSlider* slider(QWidget* parent, const char* name, int min, int max, int value)
{
    auto* s = named(new QSlider(Qt::Horizontal, parent), name);
    s->setRange(min, max);
    s->setValue(value);
    // A drag counts once, when the slider is let go, as a click does.
    s->setTracking(false);
    return s;
}

}  // namespace

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
    QWidget* a = area_;

    picture1_ = named(new PlotCanvas(a), "Picture1");
    picture1_->setGeometry(px(kPlotLeft), 8, px(12600), px(2100));
    waveScroll_ = named(new QScrollBar(Qt::Horizontal, a), "WaveScroll");
    waveScroll_->setGeometry(px(kPlotLeft), 8 + px(2100), px(12600), 12);
    waveScroll_->hide();
    picture2_ = named(new PlotCanvas(a), "Picture2");
    picture2_->setGeometry(px(kPlotLeft), px(kPlotTop), px(12600), px(4500));

    // First row of settings.
    const int row1 = 160;
    caption(a, QT_TR_NOOP("Zoom X"), 60, row1, 60);
    slider1_ = slider(a, "Slider1", 1, 100, 30);
    slider1_->setGeometry(60, row1 + 18, 150, 22);
    label4_ = named(caption(a, QT_TR_NOOP("Seuil de détection"), 225, row1, 200), "Label4");
    slider4_ = slider(a, "Slider4", 128, 255, 165);
    slider4_->setGeometry(225, row1 + 18, 150, 22);
    autoButton_ = named(new QPushButton("Auto", a), "CommandAuto");
    autoButton_->setGeometry(380, row1 + 16, 50, 26);
    autoLabel_ = named(caption(a, "", 380, row1, 50), "LabelAuto");
    autoLabel_->setAlignment(Qt::AlignCenter);
    check1_ = named(new QCheckBox("128 - 255", a), "Check1");
    check1_->setGeometry(440, row1 + 18, 100, 22);
    sparksFrame_ = own(new QGroupBox(a), QT_TR_NOOP("Nombre d'éteincelles par tours"));
    sparksFrame_->setGeometry(550, row1 - 6, 210, 50);
    option1_ = named(new QRadioButton("0,5", sparksFrame_), "Option1");
    option1_->setGeometry(12, 22, 60, 22);
    option1_->setChecked(true);
    option2_ = named(new QRadioButton("2", sparksFrame_), "Option2");
    option2_->setGeometry(100, 22, 60, 22);
    caption(a, QT_TR_NOOP("Début en sec"), 775, row1, 90);
    tdebut_ = named(new QLineEdit("0", a), "Tdebut");
    tdebut_->setGeometry(775, row1 + 18, 80, 22);
    caption(a, QT_TR_NOOP("Fin en sec"), 870, row1, 90);
    tfin_ = named(new QLineEdit("1000", a), "Tfin");
    tfin_->setGeometry(870, row1 + 18, 80, 22);

    // Second row: smoothing, recorder, WAV conditioning.
    const int row2 = 218;
    caption(a, QT_TR_NOOP("Niveau du filtre"), 60, row2, 120);
    slider3_ = slider(a, "Slider3", 1, 4, 1);
    slider3_->setTracking(true);
    slider3_->setGeometry(60, row2 + 18, 110, 22);
    command3_ = named(own(new QPushButton(a), QT_TR_NOOP("Filtrer")), "Command3");
    command3_->setGeometry(185, row2 + 12, 90, 28);
    methodChoice_ = named(new QComboBox(a), "cboMethode");
    methodChoice_->addItems({tr("Standard"), tr("Précise")});
    methodChoice_->setGeometry(280, row2 + 14, 95, 24);
    record_ = named(own(new QPushButton(a), QT_TR_NOOP("Enregistreur")), "Record");
    record_->setGeometry(385, row2 + 12, 110, 28);
    auto* wavFilter = own(new QGroupBox(a), QT_TR_NOOP("filtre Wav"));
    wavFilter->setGeometry(510, row2 - 6, 360, 52);
    command156_ = named(own(new QPushButton(wavFilter), QT_TR_NOOP("Filtre Wav")), "Command156");
    command156_->setGeometry(10, 20, 90, 26);
    caption(wavFilter, QT_TR_NOOP("largeur de la séquence"), 110, 24, 150);
    text5_ = named(new QLineEdit("500", wavFilter), "Text5");
    text5_->setGeometry(262, 22, 42, 22);
    text4_ = named(new QLineEdit("0,1", wavFilter), "Text4");
    text4_->setGeometry(310, 22, 42, 22);

    prowav_ = named(new QProgressBar(a), "Prowav");
    prowav_->setRange(0, 10000);
    prowav_->setTextVisible(false);
    prowav_->setGeometry(60, 282, 440, 14);
    cancelButton_ = named(own(new QPushButton(a), QT_TR_NOOP("Annuler")), "CommandAnnuler");
    cancelButton_->setGeometry(508, 276, 90, 26);
    cancelButton_->setEnabled(false);
    connect(cancelButton_, &QPushButton::clicked, this, [this] { cancelWork(); });
    workTimer_ = new QTimer(this);
    workTimer_->setInterval(40);
    connect(workTimer_, &QTimer::timeout, this, [this] { pollWork(); });
    // The channel of a converted recording: the choice, and the one used.
    channelLine_ = named(new QLabel(a), "lblCanal");
    channelLine_->setGeometry(606, 278, 168, 22);
    channelLine_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    channelChoice_ = named(new QComboBox(a), "cboCanal");
    channelChoice_->setGeometry(780, 277, 120, 24);
    channelLine_->hide();
    channelChoice_->hide();

    // Test-mode frames, beyond the usual width.
    const int testX = px(kAreaWidth) + 8;
    filterFrame_ = own(new QGroupBox(a), QT_TR_NOOP("Filtrage"));
    filterFrame_->setGeometry(testX, 4, 250, 176);
    averageCheck_ = named(own(new QCheckBox(filterFrame_), QT_TR_NOOP("Utilise le moyennage Oui-Non")), "Check2");
    averageCheck_->setGeometry(10, 22, 230, 22);
    averageCheck_->setChecked(true);
    bezierCheck_ = named(own(new QCheckBox(filterFrame_), QT_TR_NOOP("Utilise Bezier")), "Check3");
    bezierCheck_->setGeometry(10, 48, 230, 22);
    bezierCheck_->setChecked(true);
    caption(filterFrame_, QT_TR_NOOP("Nombre de point sauté par Bezier"), 10, 76, 180);
    text2_ = named(new QLineEdit("10", filterFrame_), "Text2");
    text2_->setGeometry(195, 74, 45, 22);
    filterLevelLabel_ = named(caption(filterFrame_, QT_TR_NOOP("Niveau du filtre"), 10, 110, 120), "Label3");
    slider2_ = slider(filterFrame_, "Slider2", 1, 4, 1);
    slider2_->setGeometry(10, 132, 150, 22);
    detectionFrame_ = own(new QGroupBox(a), QT_TR_NOOP("Traitement"));
    detectionFrame_->setGeometry(testX, 186, 250, 108);
    caption(detectionFrame_, QT_TR_NOOP("Bornage des variation entre 0 et 1"), 10, 22, 180, 30)->setWordWrap(true);
    text1_ = named(new QLineEdit("0,05", detectionFrame_), "Text1");
    text1_->setGeometry(195, 26, 45, 22);
    caption(detectionFrame_, QT_TR_NOOP("Anti rebond en ms"), 10, 66, 180);
    text3_ = named(new QLineEdit("0,3", detectionFrame_), "Text3");
    text3_->setGeometry(195, 62, 45, 22);

    static constexpr const char* speedNames[10] = {"Label5",  "Label6",  "Label7",  "Label8", "Label9",
                                                   "Label10", "Label11", "Label12", "Label1", "Label13"};
    for (std::size_t k = 0; k < speedLabels_.size(); ++k) {
        speedLabels_[k] = named(new QLabel(a), speedNames[k]);
        speedLabels_[k]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    for (std::size_t k = 0; k < timeLabels_.size(); ++k) {
        const std::string name = "Label" + std::to_string(14 + k);
        timeLabels_[k] = named(new QLabel(a), name.c_str());
        timeLabels_[k]->setAlignment(Qt::AlignCenter);
    }
    checkLine_ = named(new QLabel(a), "lblControle");
    checkLine_->setWordWrap(true);
    checkLine_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    buildSoundControls();

    // Nothing to act on until a recording is open.
    slider1_->setEnabled(false);
    slider4_->setEnabled(false);
    autoButton_->setEnabled(false);
    command3_->setEnabled(false);
    option1_->setEnabled(false);
    option2_->setEnabled(false);

    // Test mode: the language file's first line is the test word.
    const bool testMode = store().get("lblVersion") == "Qavo";
    filterFrame_->setVisible(testMode);
    detectionFrame_->setVisible(testMode);
    designSize_ =
        QSize(px(kAreaWidth + (testMode ? kTestModeExtra : 0)), px(kAreaHeight) + menuBar_->sizeHint().height());
    resize(designSize_);
}

void WavWindow::showOwnCaption(QObject* control)
{
    const QString source = control->property(kSourceText).toString();
    if (source.isEmpty())
        return;
    const QString text = tr(source.toUtf8().constData());
    if (auto* box = qobject_cast<QGroupBox*>(control))
        box->setTitle(text);
    else if (auto* label = qobject_cast<QLabel*>(control))
        label->setText(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(control))
        button->setText(text);
}

void WavWindow::applyCaptions()
{
    for (QWidget* control : findChildren<QWidget*>())
        showOwnCaption(control);
    fileMenu_->setTitle(fromStore("Lbfichier"));
    saveCurveAction_->setText(fromStore("LbEnregistrerSous"));
    loadCurveAction_->setText(fromStore("LbOuvrirREt"));
    openWavAction_->setText(fromStore("LbouvrirWav"));
    filterLevelLabel_->setText(fromStore("Lbniveaufiltrage"));
    label4_->setText(fromStore("Lbseuildetection"));
    sparksFrame_->setTitle(fromStore("Lbnombredeteincel"));
    command3_->setText(fromStore("LbFiltrer"));
    setWindowTitle(fromStore("Lbversion") + " ***** " + fromStore("LbTraiterWav") + " *****");
}

void WavWindow::layoutOnResize()
{
    // In twips, from the area below the menu: H and W its size, T and L the
    // plot's fixed top and left.
    const int h = area_->height() * kTwipsPerPixel;
    const int w = area_->width() * kTwipsPerPixel;
    int plotHeight = picture2_->height() * kTwipsPerPixel;
    int plotWidth = picture2_->width() * kTwipsPerPixel;
    if (h - kPlotTop - 1200 > 0)
        plotHeight = h - kPlotTop - 1200;
    if (w - 2 * kPlotLeft >= 1) {
        plotWidth = w - 2 * kPlotLeft;
        picture2_->setGeometry(px(kPlotLeft), px(kPlotTop), px(plotWidth), px(plotHeight));
        picture1_->setBackground({255, 255, 255});
        picture2_->setBackground({255, 255, 255});
        for (std::size_t k = 0; k < speedLabels_.size(); ++k)
            speedLabels_[k]->setGeometry(0, px(kPlotTop + plotHeight * int(k) / 9 - 125), px(kPlotLeft) - 6, px(250));
        for (std::size_t k = 0; k < timeLabels_.size(); ++k)
            timeLabels_[k]->setGeometry(px(kPlotLeft + plotWidth * int(k) / 8 - 307), px(kPlotTop + plotHeight + 100),
                                        px(614), px(250));
        // Two lines, for the check's findings and the precise curve's figures.
        checkLine_->setGeometry(px(kPlotLeft), px(kPlotTop + plotHeight + 400), px(plotWidth), px(600));
        if (curveShown_)
            graphtemp();
    } else {
        picture2_->resize(picture2_->width(), px(plotHeight));
    }
}

}  // namespace vornax
