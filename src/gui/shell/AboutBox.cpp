#include "gui/shell/AboutBox.h"

#include "gui/shell/TitlePicture.h"
#include "store/Varia.h"

#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vornax {
namespace {

QFrame* horizontalLine(QWidget* parent)
{
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

}  // namespace

AboutBox::AboutBox(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName("frmAbout");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 14);

    auto* top = new QHBoxLayout;
    auto* icon = new QLabel(this);
    icon->setPixmap(titlePicture().copy(30, 198, 300, 112).scaledToWidth(150, Qt::SmoothTransformation));
    top->addWidget(icon, 0, Qt::AlignTop);
    auto* texts = new QVBoxLayout;
    title_ = new QLabel(tr("Titre de l'application"), this);
    title_->setObjectName("lblTitle");
    QFont big = title_->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    title_->setFont(big);
    version_ = new QLabel("Version", this);
    version_->setObjectName("lblVersion");
    description_ = new QLabel(this);
    description_->setObjectName("lblDescription");
    description_->setWordWrap(true);
    description_->setMinimumWidth(300);
    texts->addWidget(title_);
    texts->addWidget(version_);
    texts->addSpacing(8);
    texts->addWidget(description_);
    texts->addStretch();
    top->addLayout(texts, 1);
    layout->addLayout(top);

    layout->addWidget(horizontalLine(this));
    auto* contact = new QHBoxLayout;
    contact_ = new QLabel(this);
    contact_->setObjectName("lblContactCaption");
    contact->addWidget(contact_);
    auto* address = new QLabel("support@vornax-meter.org", this);
    address->setObjectName("lblContact");
    address->setTextInteractionFlags(Qt::TextSelectableByMouse);
    contact->addWidget(address);
    contact->addStretch();
    layout->addLayout(contact);
    layout->addWidget(horizontalLine(this));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("cmdOK");
    ok->setDefault(true);
    ok->setMinimumWidth(90);
    connect(ok, &QPushButton::clicked, this, &QWidget::close);
    buttons->addWidget(ok);
    layout->addLayout(buttons);
    refresh();
}

void AboutBox::refresh()
{
    const QString product = QString::fromStdString(store().get("Lbversion"));
    setWindowTitle(tr("À propos de %1").arg(product));
    version_->setText(tr("Version %1").arg(kVersion));
    contact_->setText(tr("En cas de bug ou Question:"));
    title_->setText(product);
    description_->setText(QString::fromStdString(store().get("Lbpropos")));
}

void AboutBox::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        refresh();
    QWidget::changeEvent(event);
}

void AboutBox::showEvent(QShowEvent* event)
{
    refresh();
    QWidget::showEvent(event);
}

}  // namespace vornax
