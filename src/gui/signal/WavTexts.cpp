#include "gui/signal/WavTexts.h"

#include "common/PlatformServices.h"
#include "store/Varia.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QVariant>
#include <QWidget>

namespace vornax {
namespace {

// The property holding a control's own caption as written in the source.
constexpr const char* kSourceText = "vornaxSourceText";

void showOwnCaption(QObject* control)
{
    const QString source = control->property(kSourceText).toString();
    if (source.isEmpty())
        return;
    const QByteArray bytes = source.toUtf8();
    const QString text = wavText(Text("vornax::WavWindow", bytes.constData()));
    if (auto* box = qobject_cast<QGroupBox*>(control))
        box->setTitle(text);
    else if (auto* label = qobject_cast<QLabel*>(control))
        label->setText(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(control))
        button->setText(text);
}

}  // namespace

QString storeCaption(const char* entry) { return QString::fromStdString(store().get(entry)); }

QString wavText(const Text& text) { return QString::fromStdString(text.str()); }

QObject* keepOwnCaption(QObject* control, const char* source)
{
    control->setProperty(kSourceText, QString::fromUtf8(source));
    showOwnCaption(control);
    return control;
}

void showOwnCaptions(QWidget* root)
{
    showOwnCaption(root);
    for (QWidget* control : root->findChildren<QWidget*>())
        showOwnCaption(control);
}

void showMessage(const std::string& text) { platform().message(text, "", MessageIcon::None); }

}  // namespace vornax
