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
        return Failure{std::string("the vehicle cannot be confirmed: ") + fieldName(problem->field) + " " + why};
    }
    editor.commit();
    return success();
}

}  // namespace vornax
