#include "gui/signal/WavSmoothingPanel.h"

#include "gui/common/Fields.h"
#include "gui/signal/WavPanelKit.h"
#include "signal/WavControls.h"
#include "signal/WavFields.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

namespace vornax {
namespace {

constexpr const char* kMethods[] = {txNoop("vornax::WavWindow", "Standard"), txNoop("vornax::WavWindow", "Précise")};

}  // namespace

WavSmoothingPanel::WavSmoothingPanel(QWidget* area, QObject* parent) : QObject(parent)
{
    QWidget* a = area;
    caption(a, txNoop("vornax::WavWindow", "Niveau du filtre"), 60, kRow2, 120);
    slider3_ = slider(a, "Slider3", 1, 4, 1);
    slider3_->setTracking(true);
    slider3_->setGeometry(60, kRow2 + 18, 110, 22);
    command3_ = named(ownCaption(new QPushButton(a), txNoop("vornax::WavWindow", "Filtrer")), "Command3");
    command3_->setGeometry(185, kRow2 + 12, 90, 28);
    methodChoice_ = named(new QComboBox(a), "cboMethode");
    for (const char* method : kMethods)
        methodChoice_->addItem(wavText(Text("vornax::WavWindow", method)));
    methodChoice_->setGeometry(280, kRow2 + 14, 95, 24);

    // Test mode, beyond the usual width.
    filterFrame_ = ownCaption(new QGroupBox(a), txNoop("vornax::WavWindow", "Filtrage"));
    filterFrame_->setGeometry(kTestModeX, 4, 250, 176);
    averageCheck_ = named(
        ownCaption(new QCheckBox(filterFrame_), txNoop("vornax::WavWindow", "Utilise le moyennage Oui-Non")), "Check2");
    averageCheck_->setGeometry(10, 22, 230, 22);
    averageCheck_->setChecked(true);
    bezierCheck_ =
        named(ownCaption(new QCheckBox(filterFrame_), txNoop("vornax::WavWindow", "Utilise Bezier")), "Check3");
    bezierCheck_->setGeometry(10, 48, 230, 22);
    bezierCheck_->setChecked(true);
    caption(filterFrame_, txNoop("vornax::WavWindow", "Nombre de point sauté par Bezier"), 10, 76, 180);
    text2_ = named(new QLineEdit("10", filterFrame_), "Text2");
    text2_->setGeometry(195, 74, 45, 22);
    filterLevelLabel_ =
        named(caption(filterFrame_, txNoop("vornax::WavWindow", "Niveau du filtre"), 10, 110, 120), "Label3");
    slider2_ = slider(filterFrame_, "Slider2", 1, 4, 1);
    slider2_->setGeometry(10, 132, 150, 22);

    connect(command3_, &QPushButton::clicked, this, &WavSmoothingPanel::filterAsked);
    connect(slider3_, &QSlider::valueChanged, slider2_, &QSlider::setValue);
    installKeyFilter(text2_, KeyFilter::Digits);
}

bool WavSmoothingPanel::preciseChosen() const { return methodChoice_->currentIndex() == 1; }

Result<SmoothingSettings> WavSmoothingPanel::smoothingSettings() const
{
    return smoothingFields(averageCheck_->isChecked(), bezierCheck_->isChecked(), slider2_->value(),
                           text2_->text().toStdString());
}

void WavSmoothingPanel::setTestMode(bool on) { filterFrame_->setVisible(on); }

std::vector<std::pair<QWidget*, bool>> WavSmoothingPanel::enabledStates(const WavEnabled& enabled) const
{
    return {{slider3_, enabled.others}, {methodChoice_, enabled.others}, {command3_, enabled.filter}};
}

void WavSmoothingPanel::showCaptions()
{
    filterLevelLabel_->setText(storeCaption("Lbniveaufiltrage"));
    command3_->setText(storeCaption("LbFiltrer"));
    for (int k = 0; k < methodChoice_->count(); ++k)
        methodChoice_->setItemText(k, wavText(Text("vornax::WavWindow", kMethods[k])));
}

}  // namespace vornax
