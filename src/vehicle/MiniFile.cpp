#include "vehicle/MiniFile.h"

#include "common/NumberText.h"
#include "common/TextFile.h"
#include "vehicle/VehicleEditor.h"

#include <system_error>

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

const char* describe(int number)
{
    switch (number) {
    case kOverflow: return "Dépassement de capacité";
    case kTypeMismatch: return "Type incompatible";
    case kFileNotFound: return "Fichier introuvable";
    case kPastEnd: return "Tentative de lecture après la fin du fichier";
    case kFileAccess: return "Erreur d'accès au chemin/fichier";
    case kInvalidValue: return "Valeur de propriété non valide";
    default: return "Erreur d'exécution";
    }
}

MiniLoad runtimeError(int number)
{
    MiniLoad load;
    load.outcome = MiniLoad::Outcome::RuntimeError;
    load.errorNumber = number;
    load.description = describe(number);
    return load;
}

// Reads the file's lines in order; an error stops the load where it happens.
class LineReader {
public:
    explicit LineReader(const std::vector<std::string>& lines) : lines_(lines) {}

    const std::string* text()
    {
        if (next_ >= lines_.size())
            return nullptr;
        return &lines_[next_++];
    }

    // An index line into a list: 0 when applied, else the error number.
    int index(VehicleEditor& editor, ListId list)
    {
        const std::string* line = text();
        if (!line)
            return kPastEnd;
        const auto index = parseInt16(*line);
        if (!index)
            return parseDouble(*line) ? kOverflow : kTypeMismatch;
        return editor.select(list, *index) ? 0 : kInvalidValue;
    }

    // Text lines into the given fields: 0 when all were there.
    template <typename... Fields>
    int texts(VehicleEditor& editor, Fields... fields)
    {
        for (Field f : {fields...}) {
            const std::string* line = text();
            if (!line)
                return kPastEnd;
            editor.type(f, *line);
        }
        return 0;
    }

private:
    const std::vector<std::string>& lines_;
    std::size_t next_ = 0;
};

}  // namespace

std::string MiniLoad::messageText() const
{
    if (outcome == Outcome::WrongVersion)
        return "Fichier Incorrect";
    return "Erreur " + std::to_string(errorNumber) + "\r\n" + description;
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
        return runtimeError(kPastEnd);
    if (*version != kMiniFileVersion) {
        MiniLoad wrong;
        wrong.outcome = MiniLoad::Outcome::WrongVersion;
        return wrong;
    }

    auto run = [&]() -> int {
        if (int e = reader.texts(editor, Field::Nom))
            return e;
        if (int e = reader.index(editor, ListId::TypeDiff))
            return e;
        if (editor.list(ListId::TypeDiff).index == kFinalDriveAutre)
            if (int e = reader.texts(editor, Field::Rp))
                return e;

        if (int e = reader.index(editor, ListId::TypeBoite))
            return e;
        const int gearbox = editor.list(ListId::TypeBoite).index;
        if (gearbox == kGearboxFourAutre)
            if (int e = reader.texts(editor, Field::R1, Field::R2, Field::R3, Field::R4))
                return e;
        if (gearbox == kGearboxFive)
            if (int e = reader.texts(editor, Field::R1, Field::R2, Field::R3, Field::R4, Field::R5))
                return e;

        if (int e = reader.index(editor, ListId::TypePneu))
            return e;
        if (editor.list(ListId::TypePneu).index == 4)
            if (int e = reader.texts(editor, Field::LrgP, Field::HtP, Field::Dp))
                return e;

        if (int e = reader.texts(editor, Field::PV))
            return e;
        for (ListId cut : {ListId::EngCascade, ListId::EngBoite, ListId::EngDiff})
            if (int e = reader.index(editor, cut))
                return e;
        return 0;
    };
    if (const int error = run())
        return runtimeError(error);
    return {};
}

MiniLoad loadMiniFile(VehicleEditor& editor, const std::filesystem::path& file)
{
    std::error_code ignored;
    if (!std::filesystem::is_regular_file(file, ignored))
        return runtimeError(std::filesystem::exists(file, ignored) ? kFileAccess : kFileNotFound);
    const auto bytes = readFileBytes(file, kMaxMiniFileBytes);
    if (!bytes)
        return runtimeError(kFileAccess);
    return loadMiniLines(editor, splitLines(decodeText(*bytes)));
}

}  // namespace vornax
