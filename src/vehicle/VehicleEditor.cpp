#include "vehicle/VehicleEditor.h"

#include "common/NumberText.h"
#include "store/Varia.h"

namespace vornax {
namespace {

constexpr std::array<const char*, kFieldCount> kFieldNames = {
    "txtNom",    "txtrp",   "txt1e",    "txt2e",  "txt3e",   "txt4e",  "txt5e", "txt6e",
    "txtpboite", "txtImot", "txtIroue", "txtSCx", "txtlrgP", "txthtP", "txtdp", "txtPV"};

// The stored ratios of 1st ... 6th gear, in field order.
constexpr std::array<const char*, 6> kStoredRatios = {"LbPr", "LbDe", "LbTr", "lbqt", "lbcq", "lbsix"};

std::string indexText(int index) { return std::to_string(index); }

}  // namespace

const char* fieldName(Field field) { return kFieldNames[static_cast<std::size_t>(field)]; }

Field gearField(int gear) { return static_cast<Field>(static_cast<int>(Field::R1) + gear - 1); }

VehicleEditor::VehicleEditor(Varia& store) : store_(&store)
{
    at(Field::Iroue).text = "1,2";
    restoreFromStore();
}

void VehicleEditor::type(Field f, std::string text) { at(f).text = std::move(text); }

void VehicleEditor::write(Field f, std::string text, bool enabled)
{
    at(f).text = std::move(text);
    at(f).enabled = enabled;
}

void VehicleEditor::leave(Field f)
{
    if (f == Field::R6 || f == Field::Nom || f == Field::Pboite)
        return;
    FieldState& state = at(f);
    state.text = pointsToCommas(state.text);

    double upper = 0;
    switch (f) {
    case Field::LrgP: upper = 999; break;
    case Field::HtP: upper = 200; break;
    case Field::Dp: upper = 99; break;
    default: return;
    }
    // A text that is not a number (empty, letters) is left for the commit,
    // like the texts of the other fields.
    const auto value = parseDouble(state.text);
    if (!value)
        return;
    if (*value > upper)
        state.text = formatPattern(upper, Pattern::Whole);
    else if (!(*value >= 1))
        state.text = "1";
}

bool VehicleEditor::select(ListId l, int index)
{
    if (index < -1 || index >= listSize(l))
        return false;
    at(l).index = index;
    switch (l) {
    case ListId::TypeDiff: finalDriveChosen(); break;
    case ListId::TypeBoite: gearboxChosen(); break;
    case ListId::EngCascade: cascadeChosen(); break;
    case ListId::EngBoite:
    case ListId::EngDiff: cutChosen(); break;
    case ListId::TypePneu: tyreChosen(); break;
    case ListId::SCx: bodyChosen(); break;
    case ListId::Imot: engineChosen(); break;
    case ListId::Iroue: rimChosen(); break;
    }
    return true;
}

void VehicleEditor::restoreList(ListId l, std::string_view entry)
{
    // A stored index that is not a number or lies outside its list leaves the
    // list without selection and its fields untouched; the start-up goes on.
    if (const auto index = store_->int16(entry))
        select(l, *index);
}

void VehicleEditor::restoreFromStore()
{
    at(Field::Nom).text = store_->get("Lbnom");

    restoreList(ListId::TypePneu, "lbltypepneu");
    if (list(ListId::TypePneu).index == 4) {
        at(Field::LrgP).text = store_->get("LbLp");
        at(Field::HtP).text = store_->get("LbHp");
        at(Field::Dp).text = store_->get("LbDp");
    }

    at(Field::PV).text = store_->get("LbPoid");
    at(Field::Imot).text = store_->get("LbImoteur");
    rolling_ = store_->get("lbCrr");

    restoreList(ListId::SCx, "lbltypeScx");
    if (list(ListId::SCx).index == kBodyAutre)
        at(Field::SCx).text = store_->get("LbSCx");

    restoreList(ListId::TypeDiff, "lbldiff");
    restoreList(ListId::TypeBoite, "lblboite");

    // This order matters: the loss shown is the one the last handler computes,
    // when all three cut lists hold their indexes.
    restoreList(ListId::EngCascade, "lbltypecascade");
    restoreList(ListId::EngDiff, "lbltypediff");
    restoreList(ListId::EngBoite, "lbltypeboite");
}

void VehicleEditor::finalDriveChosen()
{
    const int index = list(ListId::TypeDiff).index;
    if (index == kFinalDriveAutre)
        write(Field::Rp, store_->get("LbRp"), true);
    else  // the entry's own text is the ratio; no selection gives an empty text
        write(Field::Rp, index < 0 ? std::string() : listEntries(ListId::TypeDiff)[index], false);
}

void VehicleEditor::gearboxChosen()
{
    const int index = list(ListId::TypeBoite).index;
    const int shown = gearboxGearsShown(index);
    if (shown == 0)
        return;

    if (const auto ratios = gearboxPresetRatios(index)) {
        for (int gear = 1; gear <= 4; ++gear)
            write(gearField(gear), (*ratios)[gear - 1], false);
        write(Field::R5, "1", false);   // hidden, but committed as the 5th ratio
        at(Field::R6).enabled = false;  // keeps its text
        at(Field::R5).visible = at(Field::R6).visible = false;
        label5Visible_ = label6Visible_ = false;
        return;
    }

    for (int gear = 1; gear <= 6; ++gear)
        write(gearField(gear), store_->get(kStoredRatios[gear - 1]), gear <= shown);
    at(Field::R5).visible = label5Visible_ = shown >= 5;
    at(Field::R6).visible = label6Visible_ = shown >= 6;
}

void VehicleEditor::showLoss()
{
    const double loss =
        transmissionLoss(list(ListId::EngCascade).index, list(ListId::EngBoite).index, list(ListId::EngDiff).index);
    write(Field::Pboite, formatPattern(loss, Pattern::UpToOne), false);
}

void VehicleEditor::cascadeChosen()
{
    showLoss();
    if (list(ListId::EngCascade).index == kCascadeAutre) {
        // The loss is typed. The two other cut lists stay locked until the
        // editor is opened again.
        at(ListId::EngBoite).enabled = false;
        at(ListId::EngDiff).enabled = false;
        write(Field::Pboite, store_->get("lbperte1e"), true);
    }
}

void VehicleEditor::cutChosen()
{
    if (list(ListId::EngCascade).index != kCascadeAutre)
        showLoss();
}

void VehicleEditor::tyreChosen()
{
    const int index = list(ListId::TypePneu).index;
    if (const auto size = tyrePreset(index)) {
        write(Field::LrgP, size->width, false);
        write(Field::HtP, size->aspect, false);
        write(Field::Dp, size->rim, false);
    } else if (index == kTyreAutre) {
        write(Field::LrgP, store_->get("LbLp"), true);
        write(Field::HtP, store_->get("LbHp"), true);
        write(Field::Dp, store_->get("LbDp"), true);
    }
}

void VehicleEditor::bodyChosen()
{
    const int index = list(ListId::SCx).index;
    if (const auto scx = bodyScx(index))
        write(Field::SCx, doubleText(*scx), false);
    else if (index == kBodyAutre)
        write(Field::SCx, store_->get("LbSCx"), true);
}

void VehicleEditor::engineChosen()
{
    const int index = list(ListId::Imot).index;
    if (const auto inertia = engineInertia(index))
        write(Field::Imot, doubleText(*inertia), false);
    else if (index == kEngineAutre)
        write(Field::Imot, store_->get("lblImot"), true);
}

void VehicleEditor::rimChosen()
{
    const int index = list(ListId::Iroue).index;
    if (index >= 0)
        write(Field::Iroue, doubleText(kWheelInertia), index == kRimAutre);
}

VehicleEditor::Losses VehicleEditor::commitLosses() const
{
    const int cascade = list(ListId::EngCascade).index;
    const int gearboxCut = list(ListId::EngBoite).index;
    if (cascade == kCascadeAutre) {
        const std::string& typed = field(Field::Pboite).text;
        return {typed, typed, typed};
    }
    const double c = cascadeEfficiency(cascade);
    const double b = gearboxCutEfficiency(gearboxCut);
    const double d = diffEfficiency(list(ListId::EngDiff).index);

    Losses losses;
    losses.middle = doubleText((1 - d * (b * c)) * 100);
    // A standard-cut gearbox meshes first gear through one 0.95 and one 0.98
    // stage instead of two 0.95 stages.
    losses.first = gearboxCut != 0 ? losses.middle : doubleText((1 - d * (0.98 * (0.95 * c))) * 100);
    losses.top = doubleText((1 - d * c) * 100);  // direct gears: no gearbox mesh
    return losses;
}

std::optional<VehicleEditor::FieldProblem> VehicleEditor::unusableField() const
{
    // Weight and tyre sizes are read as 16-bit whole numbers, the others as
    // singles, as the power computation and the simulation read them.
    struct Checked {
        Field field;
        bool whole;
    };
    const Checked checked[] = {
        {Field::Rp, false}, {Field::R1, false},   {Field::R2, false},  {Field::R3, false}, {Field::R4, false},
        {Field::R5, false}, {Field::R6, false},   {Field::LrgP, true}, {Field::HtP, true}, {Field::Dp, true},
        {Field::PV, true},  {Field::Imot, false}, {Field::SCx, false},
    };
    for (const Checked& c : checked) {
        const FieldState& state = field(c.field);
        if (!state.visible)
            continue;
        using Kind = FieldProblem::Kind;
        if (state.text.find_first_not_of(' ') == std::string::npos)
            return FieldProblem{c.field, Kind::Empty, state.text};
        std::optional<double> value;
        if (const auto whole = parseInt16(state.text); c.whole && whole)
            value = *whole;
        else if (const auto single = parseSingle(state.text); !c.whole && single)
            value = *single;
        if (!value)
            return FieldProblem{c.field, Kind::NotANumber, state.text};
        if (!(*value > 0))
            return FieldProblem{c.field, Kind::NotAboveZero, state.text};
    }
    return std::nullopt;
}

bool VehicleEditor::commit()
{
    if (unusableField())
        return false;
    store_->set("Lbnom", field(Field::Nom).text);
    store_->set("LbRp", field(Field::Rp).text);
    for (int gear = 1; gear <= 6; ++gear)
        store_->set(kStoredRatios[gear - 1], field(gearField(gear)).text);
    store_->set("lbltypepneu", indexText(list(ListId::TypePneu).index));
    store_->set("LbLp", field(Field::LrgP).text);
    store_->set("LbHp", field(Field::HtP).text);
    store_->set("LbDp", field(Field::Dp).text);
    store_->set("LbPoid", field(Field::PV).text);
    store_->set("LbImoteur", field(Field::Imot).text);
    store_->set("lbltypeScx", indexText(list(ListId::SCx).index));
    store_->set("LbSCx", field(Field::SCx).text);
    store_->set("lbCrr", rolling_);
    store_->set("lblboite", indexText(list(ListId::TypeBoite).index));
    store_->set("lbldiff", indexText(list(ListId::TypeDiff).index));
    store_->set("lbltypecascade", indexText(list(ListId::EngCascade).index));

    const Losses losses = commitLosses();
    store_->set("LbPerteB", losses.middle);
    store_->set("lbperte1e", losses.first);
    store_->set("lbperte4e", losses.top);

    store_->set("lbltypediff", indexText(list(ListId::EngDiff).index));
    store_->set("lbltypeboite", indexText(list(ListId::EngBoite).index));
    return true;
}

}  // namespace vornax
