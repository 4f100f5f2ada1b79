#include "gui/vehicle/VehicleEditorWindow.h"
#include <QWindow>

#include "gui/common/Fields.h"
#include "common/PlatformServices.h"
#include "gui/common/WindowManager.h"
#include "store/Varia.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace vornax {
namespace {

QString caption(const char* entry) { return QString::fromStdString(store().get(entry)); }

QLabel* namedLabel(const char* name, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

QGroupBox* namedFrame(const char* name, QWidget* parent)
{
    auto* frame = new QGroupBox(parent);
    frame->setObjectName(name);
    return frame;
}

QWidget* mainWindow() { return WindowManager::instance().find("Start"); }

// The engine and rim choices at the last OK. The store keeps their inertias
// but not which entry gave them, so the next opening shows them again only
// while the store still holds exactly the vehicle that OK wrote.
struct InertiaChoices {
    std::vector<std::pair<std::string, std::string>> committed;  // the store's vehicle entries after OK
    int engine = -1, rim = -1;
    std::string engineText, rimText;
};
std::optional<InertiaChoices>& lastChoices()
{
    static std::optional<InertiaChoices> choices;
    return choices;
}

}  // namespace

VehicleEditorWindow::VehicleEditorWindow(QWidget* parent) : QWidget(parent, Qt::Window), editor_(store())
{
    setObjectName("MiniV1");
    // Closing ends this opening: the next one rebuilds the editor from the store.
    setAttribute(Qt::WA_DeleteOnClose);
    if (QWidget* start = mainWindow()) {
        startAt_ = start->geometry().topLeft();
        start->hide();
    }
    buildControls();
    setCaptions();
    restoreInertiaChoices();
    refresh();
}

void VehicleEditorWindow::restoreInertiaChoices()
{
    const auto& last = lastChoices();
    if (!last || last->committed != store().vehicleEntries())
        return;
    // Each list's handler writes its entry's inertia; a typed one ("Autre",
    // or the engine's field without a choice) comes back as it was.
    if (last->engine >= 0)
        editor_.select(ListId::Imot, last->engine);
    if (!engineInertia(last->engine))
        editor_.type(Field::Imot, last->engineText);
    if (last->rim >= 0)
        editor_.select(ListId::Iroue, last->rim);
    if (last->rim == kRimAutre)
        editor_.type(Field::Iroue, last->rimText);
}

VehicleEditorWindow::~VehicleEditorWindow()
{
    // A field that still has the focus would run its exit handler while the
    // controls are being destroyed; let it run now, while everything exists.
    if (QWidget* focused = QApplication::focusWidget(); focused && isAncestorOf(focused))
        focused->clearFocus();
}

QLineEdit* VehicleEditorWindow::makeField(Field f)
{
    auto* field = new QLineEdit(this);
    field->setObjectName(fieldName(f));
    fields_[static_cast<std::size_t>(f)] = field;
    if (f != Field::Nom) {
        installKeyFilter(field, KeyFilter::Decimal);
        field->setMaximumWidth(f == Field::Pboite ? 90 : 110);
    }
    connect(field, &QLineEdit::textEdited, this,
            [this, f](const QString& text) { editor_.type(f, text.toStdString()); });
    onFocusLost(field, [this, f] {
        editor_.leave(f);
        refresh();
    });
    return field;
}

QComboBox* VehicleEditorWindow::makeList(ListId l)
{
    auto* list = new QComboBox(this);
    list->setObjectName(listName(l));
    for (const std::string& entry : listEntries(l))
        list->addItem(QCoreApplication::translate("Catalogue", entry.c_str()));
    list->setCurrentIndex(-1);
    lists_[static_cast<std::size_t>(l)] = list;
    connect(list, &QComboBox::activated, this, [this, l](int index) {
        editor_.select(l, index);
        refresh();
    });
    return list;
}

void VehicleEditorWindow::buildControls()
{
    auto* bar = new QMenuBar(this);
    bar->setNativeMenuBar(false);
    fichier_ = bar->addMenu(QString());
    fichier_->setObjectName("Fichier");
    ouvrir_ = fichier_->addAction(QString());
    ouvrir_->setObjectName("Ouvrir");
    enregistrer_ = fichier_->addAction(QString());
    enregistrer_->setObjectName("Enregistrer");
    enregistrerS_ = fichier_->addAction(QString());
    enregistrerS_->setObjectName("EnregistrerS");
    connect(ouvrir_, &QAction::triggered, this, [this] {
        files_.open(editor_);
        refresh();
    });
    connect(enregistrer_, &QAction::triggered, this, [this] { files_.save(editor_); });
    connect(enregistrerS_, &QAction::triggered, this, [this] { files_.saveAs(editor_); });

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(bar);
    layout->setContentsMargins(12, 8, 12, 12);

    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(namedLabel("lblnom", {}, this));
    nameRow->addWidget(makeField(Field::Nom), 1);
    layout->addLayout(nameRow);

    auto* columns = new QHBoxLayout;
    layout->addLayout(columns);

    // Left: final drive, gearbox and its ratios, weight.
    auto* drivetrain = new QGridLayout;
    int row = 0;
    drivetrain->addWidget(namedLabel("Label11", {}, this), row, 0);
    drivetrain->addWidget(makeList(ListId::TypeDiff), row, 1);
    drivetrain->addWidget(makeField(Field::Rp), row++, 2);
    drivetrain->addWidget(namedLabel("lbltypeboite", {}, this), row, 0);
    drivetrain->addWidget(makeList(ListId::TypeBoite), row++, 1, 1, 2);
    const char* gearLabels[] = {"lbl1e", "lbl2e", "lbl3e", "lbl4e", "lbl5e", "lbl6e"};
    for (int gear = 1; gear <= 6; ++gear) {
        QLabel* label = namedLabel(gearLabels[gear - 1], {}, this);
        if (gear == 5)
            lbl5e_ = ownCaption(label, QT_TR_NOOP("5eme"));
        if (gear == 6)
            lbl6e_ = ownCaption(label, QT_TR_NOOP("6eme"));
        drivetrain->addWidget(label, row, 0);
        drivetrain->addWidget(makeField(gearField(gear)), row++, 1);
    }
    drivetrain->addWidget(namedLabel("lblpoids", {}, this), row, 0);
    drivetrain->addWidget(makeField(Field::PV), row++, 1);
    drivetrain->setRowStretch(row, 1);
    columns->addLayout(drivetrain);
    columns->addSpacing(16);

    // Right: tyres, transmission loss, inertias, body.
    auto* right = new QVBoxLayout;
    columns->addLayout(right);

    auto* tyres = namedFrame("frpneu", this);
    auto* tyreGrid = new QGridLayout(tyres);
    tyreGrid->addWidget(makeList(ListId::TypePneu), 0, 0, 1, 3);
    tyreGrid->addWidget(ownCaption(new QLabel(tyres), QT_TR_NOOP("Largeur (mm)")), 1, 0);
    tyreGrid->addWidget(ownCaption(new QLabel(tyres), QT_TR_NOOP("Hauteur (%)")), 1, 1);
    tyreGrid->addWidget(ownCaption(new QLabel(tyres), QT_TR_NOOP("Jante (pouces)")), 1, 2);
    tyreGrid->addWidget(makeField(Field::LrgP), 2, 0);
    tyreGrid->addWidget(makeField(Field::HtP), 2, 1);
    tyreGrid->addWidget(makeField(Field::Dp), 2, 2);
    right->addWidget(tyres);

    auto* loss = namedFrame("frboite", this);
    auto* lossGrid = new QGridLayout(loss);
    lossGrid->addWidget(ownCaption(new QLabel(loss), QT_TR_NOOP("Cascade")), 0, 0);
    lossGrid->addWidget(makeList(ListId::EngCascade), 0, 1);
    lossGrid->addWidget(ownCaption(new QLabel(loss), QT_TR_NOOP("Boite")), 1, 0);
    lossGrid->addWidget(makeList(ListId::EngBoite), 1, 1);
    lossGrid->addWidget(ownCaption(new QLabel(loss), QT_TR_NOOP("Pont")), 2, 0);
    lossGrid->addWidget(makeList(ListId::EngDiff), 2, 1);
    auto* lossRow = new QHBoxLayout;
    lossRow->addWidget(makeField(Field::Pboite));
    lossRow->addWidget(new QLabel("%", loss));
    lossRow->addStretch();
    lossGrid->addLayout(lossRow, 3, 1);
    right->addWidget(loss);

    auto* inertia = namedFrame("frImot", this);
    auto* inertiaGrid = new QGridLayout(inertia);
    inertiaGrid->addWidget(ownCaption(new QLabel(inertia), QT_TR_NOOP("Moteur")), 0, 0);
    inertiaGrid->addWidget(makeList(ListId::Imot), 0, 1);
    inertiaGrid->addWidget(makeField(Field::Imot), 0, 2);
    inertiaGrid->addWidget(ownCaption(new QLabel(inertia), QT_TR_NOOP("Roue")), 1, 0);
    inertiaGrid->addWidget(makeList(ListId::Iroue), 1, 1);
    inertiaGrid->addWidget(makeField(Field::Iroue), 1, 2);
    right->addWidget(inertia);

    auto* bodyRow = new QHBoxLayout;
    bodyRow->addWidget(new QLabel("SCx", this));
    bodyRow->addWidget(makeList(ListId::SCx), 1);
    bodyRow->addWidget(makeField(Field::SCx));
    right->addLayout(bodyRow);
    right->addStretch();

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("OK");
    ok->setMinimumWidth(90);
    auto* stop = new QPushButton(this);
    stop->setObjectName("BPStop");
    stop->setMinimumWidth(90);
    connect(ok, &QPushButton::clicked, this, &VehicleEditorWindow::confirm);
    connect(stop, &QPushButton::clicked, this, &VehicleEditorWindow::cancel);
    buttons->addWidget(ok);
    buttons->addWidget(stop);
    layout->addLayout(buttons);
}

QLabel* VehicleEditorWindow::ownCaption(QLabel* label, const char* source)
{
    ownCaptions_.emplace_back(label, source);
    return label;
}

void VehicleEditorWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        setCaptions();
        // The lists' words, each list keeping its choice.
        for (ListId l : kAllLists) {
            QComboBox* list = lists_[static_cast<std::size_t>(l)];
            const std::vector<std::string>& entries = listEntries(l);
            for (int i = 0; i < list->count() && i < static_cast<int>(entries.size()); ++i)
                list->setItemText(i, QCoreApplication::translate("Catalogue", entries[i].c_str()));
        }
    }
    QWidget::changeEvent(event);
}

void VehicleEditorWindow::setCaptions()
{
    for (const auto& [label, source] : ownCaptions_)
        label->setText(tr(source));
    enregistrerS_->setText(caption("LbEnregistrerSous"));
    enregistrer_->setText(caption("LbEnregistrer"));
    ouvrir_->setText(caption("LbCharger"));
    fichier_->setTitle(caption("Lbfichier"));
    setWindowTitle(caption("Lbversion") + " ***** " + caption("LbMmini") + " *****");
    const std::pair<const char*, const char*> labels[] = {
        {"lblnom", "Lbnomdelamini"},
        {"Label11", "LbRapportdePont"},
        {"lbltypeboite", "LbBoitedevitesse"},
        {"lbl1e", "Lb1er"},
        {"lbl2e", "Lb2eme"},
        {"lbl3e", "Lb3eme"},
        {"lbl4e", "Lb4eme"},
        {"lblpoids", "LbPoids"},
    };
    for (const auto& [name, entry] : labels)
        findChild<QLabel*>(name)->setText(caption(entry));
    findChild<QPushButton*>("BPStop")->setText(caption("LbAnnuler"));
    findChild<QGroupBox*>("frpneu")->setTitle(caption("LbPneumatique"));
    findChild<QGroupBox*>("frboite")->setTitle(caption("LbPerteBoite"));
    findChild<QGroupBox*>("frImot")->setTitle(caption("LbInertieMot"));
}

void VehicleEditorWindow::refresh()
{
    for (Field f : kAllFields) {
        const FieldState& state = editor_.field(f);
        QLineEdit* field = fields_[static_cast<std::size_t>(f)];
        const QString text = QString::fromStdString(state.text);
        if (field->text() != text)
            field->setText(text);
        field->setEnabled(state.enabled);
        field->setVisible(state.visible);
    }
    for (ListId l : kAllLists) {
        QComboBox* list = lists_[static_cast<std::size_t>(l)];
        list->setCurrentIndex(editor_.list(l).index);
        list->setEnabled(editor_.list(l).enabled);
    }
    lbl5e_->setVisible(editor_.label5Visible());
    lbl6e_->setVisible(editor_.label6Visible());
    enregistrer_->setEnabled(files_.saveEnabled());
}

void VehicleEditorWindow::confirm()
{
    // A field no computation could use is named, and the editor stays open
    // on it with nothing stored.
    if (const auto problem = editor_.unusableField()) {
        using Kind = VehicleEditor::FieldProblem::Kind;
        QLineEdit* field = fields_[static_cast<std::size_t>(problem->field)];
        // Named by its caption, as the user reads it.
        const QString caption = QString::fromStdString(fieldCaption(problem->field));
        const QString value = QString::fromStdString(problem->text);
        const QString text = problem->kind == Kind::Empty ? tr("Valeur inadapter : %1 est vide").arg(caption)
                             : problem->kind == Kind::NotANumber
                                 ? tr("Valeur inadapter : %1 « %2 » n'est pas un nombre").arg(caption, value)
                                 : tr("Valeur inadapter : %1 « %2 » doit être supérieur à zéro").arg(caption, value);
        platform().message(text.toStdString(), "", MessageIcon::Warning);
        field->setFocus(Qt::OtherFocusReason);
        field->selectAll();
        return;
    }
    editor_.commit();
    lastChoices() =
        InertiaChoices{store().vehicleEntries(), editor_.list(ListId::Imot).index, editor_.list(ListId::Iroue).index,
                       editor_.field(Field::Imot).text, editor_.field(Field::Iroue).text};
    close();
    if (QWidget* start = mainWindow())
        QMetaObject::invokeMethod(start, "vehicleCommitted");
}

std::string VehicleEditorWindow::fieldCaption(Field f) const
{
    // The caption the user reads beside the field, where it has one.
    const char* label = nullptr;
    switch (f) {
    case Field::Rp: label = "Label11"; break;
    case Field::R1: label = "lbl1e"; break;
    case Field::R2: label = "lbl2e"; break;
    case Field::R3: label = "lbl3e"; break;
    case Field::R4: label = "lbl4e"; break;
    case Field::R5: label = "lbl5e"; break;
    case Field::R6: label = "lbl6e"; break;
    case Field::PV: label = "lblpoids"; break;
    case Field::LrgP:
    case Field::HtP:
    case Field::Dp: return findChild<QGroupBox*>("frpneu")->title().toStdString();
    case Field::Imot: return findChild<QGroupBox*>("frImot")->title().toStdString();
    case Field::SCx: return "S·Cx";
    default: break;
    }
    const QLabel* caption = label ? findChild<QLabel*>(label) : nullptr;
    return caption ? caption->text().toStdString() : fieldName(f);
}

void VehicleEditorWindow::cancel() { close(); }

void VehicleEditorWindow::closeEvent(QCloseEvent* event)
{
    if (QWidget* start = mainWindow()) {
        // Back where it stood: a window manager places a window shown again
        // anew unless its position is given as set on purpose.
        if (QWindow* handle = start->windowHandle())
            handle->setPosition(startAt_);
        start->show();
    }
    event->accept();
}

}  // namespace vornax
