#include "store/Language.h"

#include "common/AppFolder.h"
#include "common/TextFile.h"

#include <algorithm>
#include <array>

namespace vornax {
namespace {

// Index = line number; nullptr = menu caption or unused line.
const std::array<const char*, kLanguageLines + 1>& lineMap()
{
    static const auto map = [] {
        std::array<const char*, kLanguageLines + 1> m{};
        auto put = [&m](int first, std::initializer_list<const char*> names) {
            int line = first;
            for (const char* name : names)
                m[static_cast<std::size_t>(line++)] = name;
        };
        put(1, {"lblVersion"});
        put(3, {"LbMmini", "LbMAquisition", "LbTraiterWav", "LbMcalcP", "LbMComparaison", "LbCoubeCP", "LbAcc"});
        put(11, {"LbApropo"});
        put(14, {"LbCharger", "LbPerteBoite"});
        put(16, {"Lbnomdelamini", "LbBoitedevitesse", "LbRapportdePont", "Lb1er", "Lb2eme", "Lb3eme", "Lb4eme",
                 "LbPneumatique", "LbAerodynamique", "LbTextAerodynamique"});
        put(26, {"LbPerteBoite", "LbPoids", "LbAnnuler", "LbNouvelle", "LbExpert", "LbInertieMot"});
        put(33, {"Lbfichier", "LbEnregistrerSous", "LbOuvrirREt", "LbouvrirWav", "Lbniveaufiltrage", "Lbseuildetection",
                 "Lbnombredeteincel"});
        put(41, {"LbTracer", "LbCourbe", "LbPuissance", "LbCouple", "LbCoupleinitial", "LbPuissanceinitial"});
        put(48, {"LbVitesse", "LbChargeCourbeDeRegime", "LbFiltrer", "LbEnregistrer", "LbPuissanceEn", "LbCoupleEn"});
        put(55, {"LbkmhMph", "Lbcoefkm", "LbUniteRegime", "LbUnitePuissance", "LbUniteCouple", "LbConvertionWatt",
                 "LbConvertionNm"});
        put(63,
            {"LbcharcourP", "LbParaVitesse", "LbRegmiepassage", "LbTMPchange", "LbEstimation", "Lb400mDa", "Lb1000mDA",
             "Lb0100km", "Lb50100km", "LbVitessemaxi", "LbModification", "LbOriginie", "LbAutre", "LbEstimer"});
        put(78, {"Lbboite1", "Lbboite2", "Lbboite3", "Lbboite4", "Lbboite5", "Lbboite6", "Lbmesbox1", "Lbmesbox2",
                 "LbtitreaideboiteV", "Lb3syn", "LbTsyn"});
        put(91, {"Lbpropos"});
        return m;
    }();
    return map;
}

}  // namespace

const char* languageEntryOfLine(int line)
{
    if (line < 1 || line > kLanguageLines)
        return nullptr;
    return lineMap()[static_cast<std::size_t>(line)];
}

LanguageLoad applyLanguageLines(Varia& store, const std::vector<std::string>& lines)
{
    LanguageLoad load;
    const int count = std::min<int>(kLanguageLines, static_cast<int>(lines.size()));
    for (int line = 1; line <= count; ++line) {
        const std::string& text = lines[static_cast<std::size_t>(line - 1)];
        if (const char* entry = languageEntryOfLine(line))
            store.set(entry, text);
        else if (line == 10)
            load.autreCaption = text;
        else if (line == 12)
            load.langueCaption = text;
        load.linesRead = line;
    }
    return load;
}

LanguageLoad loadLanguageFile(Varia& store, const std::filesystem::path& file)
{
    // A language file is small; anything past a few megabytes is not one.
    auto lines = readTextLines(file, 4u << 20);
    if (!lines)
        return {};
    return applyLanguageLines(store, *lines);
}

std::string programLanguageOf(const std::vector<std::string>& lines)
{
    if (lines.size() < 2)
        return "fr";
    std::string_view line = lines[1];
    while (!line.empty() && (line.back() == ' ' || line.back() == '\t'))
        line.remove_suffix(1);
    if (const std::size_t open = line.rfind('['); open != std::string_view::npos && line.back() == ']') {
        const std::string_view code = line.substr(open + 1, line.size() - open - 2);
        const bool letters = !code.empty() && code.size() <= 8 && std::all_of(code.begin(), code.end(), [](char c) {
            return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
        });
        if (letters)
            return std::string(code);
    }
    if (line.substr(0, 6) == "Langue")
        return "fr";
    return "en";
}

std::string programLanguageOfFile(const std::filesystem::path& file)
{
    auto lines = readTextLines(file, 4u << 20);
    return programLanguageOf(lines ? *lines : std::vector<std::string>{});
}

std::filesystem::path activeLanguageFile() { return defaultFolder("lang") / "lang.lang"; }

Status installLanguageFile(const std::filesystem::path& chosen, const std::filesystem::path& active)
{
    if (samePath(chosen, active))
        return success();  // already the active file
    auto bytes = readFileBytes(chosen, 4u << 20);
    if (!bytes)
        return Failure{bytes.error()};
    TextWriter writer;
    for (const std::string& line : splitLines(*bytes))
        writer.line(line);
    return writeFileAtomically(active, writer.bytes());
}

}  // namespace vornax
