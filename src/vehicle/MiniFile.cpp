#include "vehicle/MiniFile.h"

#include "common/NumberText.h"
#include "common/TextFile.h"
#include "common/Translation.h"
#include "vehicle/VehicleEditor.h"

#include <optional>
#include <system_error>
#include <utility>

namespace vornax {
namespace {

// The error numbers and descriptions of the run-time errors a load can meet.
constexpr int kOverflow = 6;
constexpr int kTypeMismatch = 13;
constexpr int kFileNotFound = 53;
constexpr int kPastEnd = 62;
constexpr int kFileAccess = kFileAccessError;
constexpr int kInvalidValue = 380;

// A Mini file is a few dozen bytes; anything this large is not one.
constexpr std::uintmax_t kMaxMiniFileBytes = std::uintmax_t(1) << 24;

std::string describe(int number)
{
    switch (number) {
    case kOverflow: return tx("MiniFile", "Dépassement de capacité");
    case kTypeMismatch: return tx("MiniFile", "Type incompatible");
    case kFileNotFound: return tx("MiniFile", "Fichier introuvable");
    case kPastEnd: return tx("MiniFile", "Tentative de lecture après la fin du fichier");
    case kFileAccess: return tx("MiniFile", "Erreur d'accès au chemin/fichier");
    case kInvalidValue: return tx("MiniFile", "Valeur de propriété non valide");
    default: return tx("MiniFile", "Erreur d'exécution");
    }
}

MiniLoad runtimeError(int number, std::string reason = {})
{
    MiniLoad load;
    load.outcome = MiniLoad::Outcome::RuntimeError;
    load.errorNumber = number;
    load.description = describe(number);
    load.reason = std::move(reason);
    return load;
}

// What a line holds, for the reason of a failed load.
std::string title(Field f)
{
    std::string what;
    switch (f) {
    case Field::Nom: what = tx("MiniFile", "le nom du véhicule"); break;
    case Field::Rp: what = tx("MiniFile", "le rapport de pont"); break;
    case Field::R1: what = tx("MiniFile", "le rapport de 1ère"); break;
    case Field::R2: what = tx("MiniFile", "le rapport de 2ème"); break;
    case Field::R3: what = tx("MiniFile", "le rapport de 3ème"); break;
    case Field::R4: what = tx("MiniFile", "le rapport de 4ème"); break;
    case Field::R5: what = tx("MiniFile", "le rapport de 5ème"); break;
    case Field::LrgP: what = tx("MiniFile", "la largeur du pneu"); break;
    case Field::HtP: what = tx("MiniFile", "la hauteur du pneu"); break;
    case Field::Dp: what = tx("MiniFile", "le diamètre de jante"); break;
    case Field::PV: what = tx("MiniFile", "le poids"); break;
    case Field::SCx: what = tx("MiniFile", "le S·Cx"); break;
    case Field::Imot: what = tx("MiniFile", "l'inertie moteur"); break;
    default: what = tx("MiniFile", "la valeur"); break;
    }
    return what;
}

std::string title(ListId l)
{
    std::string what;
    switch (l) {
    case ListId::TypeDiff: what = tx("MiniFile", "le choix du pont"); break;
    case ListId::TypeBoite: what = tx("MiniFile", "le choix de la boîte"); break;
    case ListId::TypePneu: what = tx("MiniFile", "le choix du pneu"); break;
    case ListId::EngCascade: what = tx("MiniFile", "la taille de la cascade"); break;
    case ListId::EngBoite: what = tx("MiniFile", "la taille de la boîte"); break;
    case ListId::EngDiff: what = tx("MiniFile", "la taille du différentiel"); break;
    case ListId::SCx: what = tx("MiniFile", "le choix de la carrosserie"); break;
    case ListId::Imot: what = tx("MiniFile", "le choix du moteur"); break;
    case ListId::Iroue: what = tx("MiniFile", "le choix de la jante"); break;
    }
    return what;
}

struct LoadError {
    int number = 0;
    std::string reason;
};

// Reads the file's lines in order; an error stops the load where it happens
// and says which line and what it should have held.
class LineReader {
public:
    explicit LineReader(const std::vector<std::string>& lines) : lines_(lines) {}

    const std::string* text()
    {
        if (next_ >= lines_.size())
            return nullptr;
        return &lines_[next_++];
    }

    // Whether anything but empty lines is left (the lines appended after the
    // described ones are absent from older files).
    bool more() const
    {
        for (std::size_t i = next_; i < lines_.size(); ++i)
            if (!lines_[i].empty())
                return true;
        return false;
    }

    // An index line into a list.
    std::optional<LoadError> index(VehicleEditor& editor, ListId list)
    {
        const std::string* line = text();
        if (!line)
            return endedBefore(title(list));
        const std::string number = std::to_string(next_);
        const auto index = parseInt16(*line);
        if (!index) {
            if (parseDouble(*line))
                return LoadError{kOverflow, tx("MiniFile", "Ligne %1 : « %2 » est hors des numéros d'entrée pour %3.")
                                                .arg(number)
                                                .arg(*line)
                                                .arg(title(list))};
            return LoadError{kTypeMismatch, tx("MiniFile", "Ligne %1 : « %2 » n'est pas un numéro d'entrée pour %3.")
                                                .arg(number)
                                                .arg(*line)
                                                .arg(title(list))};
        }
        if (!editor.select(list, *index))
            return LoadError{kInvalidValue, tx("MiniFile", "Ligne %1 : %2 n'a pas d'entrée %3.")
                                                .arg(number)
                                                .arg(title(list))
                                                .arg(std::to_string(*index))};
        return std::nullopt;
    }

    // Text lines into the given fields.
    template <typename... Fields>
    std::optional<LoadError> texts(VehicleEditor& editor, Fields... fields)
    {
        for (Field f : {fields...}) {
            const std::string* line = text();
            if (!line)
                return endedBefore(title(f));
            editor.type(f, *line);
        }
        return std::nullopt;
    }

private:
    LoadError endedBefore(const std::string& what) const
    {
        return {kPastEnd, tx("MiniFile", "Ligne %1 : le fichier s'arrête avant %2.")
                              .arg(std::to_string(lines_.size() + 1))
                              .arg(what)};
    }

    const std::vector<std::string>& lines_;
    std::size_t next_ = 0;
};

}  // namespace

std::string MiniLoad::messageText() const
{
    if (outcome == Outcome::WrongVersion)
        return tx("MiniFile", "Fichier Incorrect");
    std::string text = tx("MiniFile", "Erreur %1").arg(std::to_string(errorNumber)).str() + "\r\n" + description;
    if (!reason.empty())
        text += "\r\n" + reason;
    return text;
}

std::string runtimeErrorText(int number, const std::string& detail)
{
    std::string text = runtimeError(number).messageText();
    if (!detail.empty())
        text += " (" + detail + ")";
    return text;
}

std::vector<std::string> miniFileLines(const VehicleEditor& editor)
{
    auto text = [&](Field f) { return editor.field(f).text; };
    auto index = [&](ListId l) { return editor.list(l).index; };
    auto indexLine = [](int i) { return printedNumber(std::to_string(i)); };

    std::vector<std::string> lines = {kMiniFileVersion, text(Field::Nom)};
    lines.push_back(indexLine(index(ListId::TypeDiff)));
    if (index(ListId::TypeDiff) == kFinalDriveAutre)
        lines.push_back(text(Field::Rp));

    const int gearbox = index(ListId::TypeBoite);
    lines.push_back(indexLine(gearbox));
    if (gearbox == kGearboxFourAutre || gearbox == kGearboxFive)
        for (int gear = 1; gear <= (gearbox == kGearboxFive ? 5 : 4); ++gear)
            lines.push_back(text(gearField(gear)));

    // Only tyre entry 4 carries its sizes; "Autre" takes them from the store
    // on loading, as the files in use were written.
    lines.push_back(indexLine(index(ListId::TypePneu)));
    if (index(ListId::TypePneu) == 4) {
        lines.push_back(text(Field::LrgP));
        lines.push_back(text(Field::HtP));
        lines.push_back(text(Field::Dp));
    }

    lines.push_back(text(Field::PV));
    lines.push_back(indexLine(index(ListId::EngCascade)));
    lines.push_back(indexLine(index(ListId::EngBoite)));
    lines.push_back(indexLine(index(ListId::EngDiff)));

    // Appended after the described lines, which stay as they were: what they
    // leave out, so that a typed tyre, the body and the engine come back.
    lines.push_back(text(Field::LrgP));
    lines.push_back(text(Field::HtP));
    lines.push_back(text(Field::Dp));
    lines.push_back(indexLine(index(ListId::SCx)));
    lines.push_back(text(Field::SCx));
    lines.push_back(indexLine(index(ListId::Imot)));
    lines.push_back(text(Field::Imot));
    lines.push_back(indexLine(index(ListId::Iroue)));
    lines.push_back(text(Field::Iroue));
    // Only a car with its own rolling coefficient gets the line: a car of
    // the constant keeps the file it always had.
    if (!editor.rollingCoefficient().empty())
        lines.push_back(editor.rollingCoefficient());
    return lines;
}

Status saveMiniFile(const VehicleEditor& editor, const std::filesystem::path& file)
{
    TextWriter writer;
    for (const std::string& line : miniFileLines(editor))
        writer.line(line);
    return writeFileAtomically(file, writer.bytes());
}

MiniLoad loadMiniLines(VehicleEditor& editor, const std::vector<std::string>& lines)
{
    LineReader reader(lines);
    const std::string* version = reader.text();
    if (!version)
        return runtimeError(kPastEnd, tx("MiniFile", "Le fichier est vide."));
    if (*version != kMiniFileVersion) {
        MiniLoad wrong;
        wrong.outcome = MiniLoad::Outcome::WrongVersion;
        return wrong;
    }

    // Loaded into a copy: a file that fails half-way changes nothing.
    VehicleEditor loaded = editor;
    auto run = [&reader, &e = loaded]() -> std::optional<LoadError> {
        if (auto error = reader.texts(e, Field::Nom))
            return error;
        if (auto error = reader.index(e, ListId::TypeDiff))
            return error;
        if (e.list(ListId::TypeDiff).index == kFinalDriveAutre)
            if (auto error = reader.texts(e, Field::Rp))
                return error;

        if (auto error = reader.index(e, ListId::TypeBoite))
            return error;
        const int gearbox = e.list(ListId::TypeBoite).index;
        if (gearbox == kGearboxFourAutre)
            if (auto error = reader.texts(e, Field::R1, Field::R2, Field::R3, Field::R4))
                return error;
        if (gearbox == kGearboxFive)
            if (auto error = reader.texts(e, Field::R1, Field::R2, Field::R3, Field::R4, Field::R5))
                return error;

        if (auto error = reader.index(e, ListId::TypePneu))
            return error;
        if (e.list(ListId::TypePneu).index == 4)
            if (auto error = reader.texts(e, Field::LrgP, Field::HtP, Field::Dp))
                return error;

        if (auto error = reader.texts(e, Field::PV))
            return error;
        for (ListId cut : {ListId::EngCascade, ListId::EngBoite, ListId::EngDiff})
            if (auto error = reader.index(e, cut))
                return error;

        // The appended lines; a file written before them keeps what the
        // editor took from the store. A preset keeps its own values. A
        // file without the rolling coefficient is a car of the constant.
        e.setRollingCoefficient("");
        if (!reader.more())
            return std::nullopt;
        VehicleEditor sizes = e;
        if (auto error = reader.texts(sizes, Field::LrgP, Field::HtP, Field::Dp))
            return error;
        if (!tyrePreset(e.list(ListId::TypePneu).index))
            for (Field f : {Field::LrgP, Field::HtP, Field::Dp})
                e.type(f, sizes.field(f).text);

        const std::pair<ListId, Field> typed[] = {
            {ListId::SCx, Field::SCx}, {ListId::Imot, Field::Imot}, {ListId::Iroue, Field::Iroue}};
        for (const auto& [list, field] : typed) {
            if (!reader.more())
                return std::nullopt;
            if (auto error = reader.index(e, list))
                return error;
            const std::string before = e.field(field).text;
            if (auto error = reader.texts(e, field))
                return error;
            const int index = e.list(list).index;
            const bool preset = list == ListId::SCx    ? bodyScx(index).has_value()
                                : list == ListId::Imot ? engineInertia(index).has_value()
                                                       : index >= 0 && index != kRimAutre;
            if (preset)
                e.type(field, before);
        }
        if (const std::string* rolling = reader.more() ? reader.text() : nullptr)
            e.setRollingCoefficient(*rolling);
        return std::nullopt;
    };
    if (const auto error = run())
        return runtimeError(error->number, error->reason);
    editor = loaded;
    return {};
}

MiniLoad loadMiniFile(VehicleEditor& editor, const std::filesystem::path& file)
{
    std::error_code ignored;
    if (!std::filesystem::is_regular_file(file, ignored)) {
        if (std::filesystem::exists(file, ignored))
            return runtimeError(kFileAccess, tx("MiniFile", "« %1 » n'est pas un fichier.").arg(file.string()));
        return runtimeError(kFileNotFound, tx("MiniFile", "« %1 » n'existe pas.").arg(file.string()));
    }
    const auto bytes = readFileBytes(file, kMaxMiniFileBytes);
    if (!bytes)
        return runtimeError(kFileAccess, bytes.error());
    return loadMiniLines(editor, splitLines(decodeText(*bytes)));
}

}  // namespace vornax
