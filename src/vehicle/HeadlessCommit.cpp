#include "vehicle/HeadlessCommit.h"

#include "common/NumberText.h"
#include "vehicle/MiniFile.h"
#include "vehicle/VehicleEditor.h"

namespace vornax {
namespace {

// One line for the command line: the message box's CR LF becomes ": ".
std::string oneLine(std::string text)
{
    for (std::size_t at; (at = text.find("\r\n")) != std::string::npos;)
        text.replace(at, 2, ": ");
    return text;
}

// Picks the list's "Autre", types the value into its field and leaves it.
void typeOther(VehicleEditor& editor, ListId list, int autre, Field field, const std::string& value)
{
    editor.select(list, autre);
    editor.type(field, value);
    editor.leave(field);
}

// The field as the command line names it: in words, or by the option that
// typed it.
std::string fieldWords(Field field)
{
    switch (field) {
    case Field::Nom: return "the vehicle name";
    case Field::Rp: return "the final drive ratio";
    case Field::Pboite: return "the transmission loss";
    case Field::Imot: return "the engine inertia (--engine-inertia)";
    case Field::Iroue: return "the wheel inertia";
    case Field::SCx: return "S.Cx (--scx)";
    case Field::LrgP: return "the tyre width";
    case Field::HtP: return "the tyre aspect ratio";
    case Field::Dp: return "the rim diameter";
    case Field::PV: return "the weight";
    default: return "the ratio of gear " + std::to_string(static_cast<int>(field) - static_cast<int>(Field::R1) + 1);
    }
}

}  // namespace

Status commitVehicleHeadless(Varia& store, const HeadlessVehicleOptions& options)
{
    if (options.scx && !parseSingle(*options.scx))
        return Failure{"SCx is not a number: " + quotedValue(*options.scx)};
    if (options.engineInertia && !parseSingle(*options.engineInertia))
        return Failure{"engine inertia is not a number: " + quotedValue(*options.engineInertia)};

    // The editor writes the store only in commit(), so every failure below
    // leaves the store as it was.
    VehicleEditor editor(store);
    if (options.miniFile) {
        const MiniLoad load = loadMiniFile(editor, *options.miniFile);
        if (!load.loaded())
            return Failure{options.miniFile->string() + ": " + oneLine(load.messageText())};
    }
    if (options.scx)
        typeOther(editor, ListId::SCx, kBodyAutre, Field::SCx, *options.scx);
    if (options.engineInertia)
        typeOther(editor, ListId::Imot, kEngineAutre, Field::Imot, *options.engineInertia);
    if (const auto problem = editor.unusableField()) {
        using Kind = VehicleEditor::FieldProblem::Kind;
        const std::string why = problem->kind == Kind::Empty ? "is empty"
                                : problem->kind == Kind::NotANumber
                                    ? "is " + quotedValue(problem->text) + ", not a number"
                                    : "is " + quotedValue(problem->text) + ", not above zero";
        return Failure{"the vehicle cannot be confirmed: " + fieldWords(problem->field) + " " + why};
    }
    editor.commit();
    return success();
}

}  // namespace vornax
