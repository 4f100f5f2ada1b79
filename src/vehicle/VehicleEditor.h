// The vehicle editor's logic without any window: the text, enabled and visible
// state of every field, the selection of every pick list, and what the list
// handlers, the field exit handlers, the start-up restore and OK do with them.
// The window `MiniV1` mirrors this state into its controls; the command line
// and the tests drive the same code.
//
// Setting a list's index runs its handler at once, whether the user or the
// program sets it, exactly as the editor's own start-up relies on.
#pragma once

#include "vehicle/Catalogue.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace vornax {

class Varia;

// The editor's text fields.
enum class Field {
    Nom,  // txtNom: vehicle name
    Rp,   // txtrp: final drive ratio
    R1,   // txt1e ... txt6e: gear ratios
    R2,
    R3,
    R4,
    R5,
    R6,
    Pboite,  // txtpboite: total transmission loss, percent
    Imot,    // txtImot: engine inertia, kg.m2
    Iroue,   // txtIroue: wheel inertia, kg.m2 (shown, never committed)
    SCx,     // txtSCx: drag area, m2
    LrgP,    // txtlrgP: tyre width, mm
    HtP,     // txthtP: tyre aspect ratio, percent
    Dp,      // txtdp: rim diameter, inch
    PV,      // txtPV: vehicle mass, kg
};
inline constexpr int kFieldCount = 16;
inline constexpr std::array kAllFields = {Field::Nom,  Field::Rp,  Field::R1,     Field::R2,   Field::R3,    Field::R4,
                                          Field::R5,   Field::R6,  Field::Pboite, Field::Imot, Field::Iroue, Field::SCx,
                                          Field::LrgP, Field::HtP, Field::Dp,     Field::PV};

// The control's name ("txtrp").
const char* fieldName(Field field);

// A gear field by gear number 1-6.
Field gearField(int gear);

struct FieldState {
    std::string text;  // empty until something writes it ("1,2" for txtIroue)
    bool enabled = true;
    bool visible = true;
};

struct ListState {
    int index = -1;  // -1: no selection
    bool enabled = true;
};

class VehicleEditor {
public:
    // Opens the editor on the store: the lists hold the catalogue and their
    // selections, and the fields their texts, are restored from the store's
    // vehicle entries. The store is read by the "Autre" entries and written
    // only by commit().
    explicit VehicleEditor(Varia& store);

    // The store the editor was opened on (its captions name the editor's menu).
    const Varia& store() const { return *store_; }
    const FieldState& field(Field f) const { return fields_[static_cast<std::size_t>(f)]; }
    const ListState& list(ListId l) const { return lists_[static_cast<std::size_t>(l)]; }
    // Visibility of the captions "5eme" (lbl5e) and "6eme" (lbl6e).
    bool label5Visible() const { return label5Visible_; }
    bool label6Visible() const { return label6Visible_; }

    // The user's typing: replaces the field's text, nothing else.
    void type(Field f, std::string text);

    // The field's exit handler, run when it loses the focus: every "." becomes
    // ","; the three tyre fields are then held to 1..999 mm, 1..200 % and
    // 1..99 inch (a text that is not a number stays as it is). txt6e, txtNom
    // and txtpboite have no exit handler.
    void leave(Field f);

    // Selects an entry (-1: no selection) and runs the list's handler. An
    // index outside -1..size-1 cannot be set: nothing changes and it gives false.
    bool select(ListId l, int index);

    // A shown field that must hold a number above zero (final drive, the
    // ratios of the gears shown, tyre sizes, weight, S·Cx, engine inertia)
    // but is empty, not a number, or zero or less: no computation could use
    // the vehicle. The first such field in the window's order; nullopt when
    // every one is usable.
    struct FieldProblem {
        enum class Kind { Empty, NotANumber, NotAboveZero };
        Field field;
        Kind kind;
        std::string text;
    };
    std::optional<FieldProblem> unusableField() const;

    // OK: writes the vehicle entries of the store from the fields and lists,
    // with the transmission losses of 1st, 2nd-3rd and 4th-6th gear. Refused
    // (false, the store untouched) while unusableField() names a field.
    bool commit();

    // Texts written to the store for the losses (full double text).
    struct Losses {
        std::string first, middle, top;  // lbperte1e, LbPerteB, lbperte4e
    };
    Losses commitLosses() const;

    // The car's own rolling coefficient, measured by a coast-down, as text
    // ("0,0123"); empty for the program's constant. Kept with the vehicle
    // (the Mini file's last line) and committed into the store's `lbCrr`.
    const std::string& rollingCoefficient() const { return rolling_; }
    void setRollingCoefficient(std::string text) { rolling_ = std::move(text); }

private:
    FieldState& at(Field f) { return fields_[static_cast<std::size_t>(f)]; }
    ListState& at(ListId l) { return lists_[static_cast<std::size_t>(l)]; }
    void write(Field f, std::string text, bool enabled);
    void restoreFromStore();
    void restoreList(ListId l, std::string_view entry);

    void finalDriveChosen();
    void gearboxChosen();
    void cascadeChosen();
    void cutChosen();
    void showLoss();
    void tyreChosen();
    void bodyChosen();
    void engineChosen();
    void rimChosen();

    Varia* store_;  // a pointer, so that a loaded copy can replace the editor
    std::array<FieldState, kFieldCount> fields_{};
    std::array<ListState, kAllLists.size()> lists_{};
    bool label5Visible_ = true;
    bool label6Visible_ = true;
    std::string rolling_;
};

}  // namespace vornax
