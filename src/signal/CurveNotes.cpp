#include "signal/CurveNotes.h"

#include "common/NumberText.h"
#include "common/TextFile.h"

#include <cstdint>
#include <map>

namespace vornax {
namespace {

// Notes are a few hundred bytes; a curve file at most 32 001 short lines.
constexpr std::uintmax_t kMaxNotesBytes = 64u << 10;
constexpr std::uintmax_t kMaxCurveBytes = 4u << 20;

const char* methodName(CurveMethod m)
{
    switch (m) {
    case CurveMethod::Standard: return "standard";
    case CurveMethod::Precise: return "precise";
    case CurveMethod::Unsmoothed: break;
    }
    return "unsmoothed";
}

}  // namespace

std::filesystem::path curveNotesPath(const std::filesystem::path& curveFile)
{
    std::filesystem::path notes = curveFile;
    notes += ".info";
    return notes;
}

std::string curveFingerprint(std::string_view bytes)
{
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    static constexpr char kHex[] = "0123456789abcdef";
    std::string text(16, '0');
    for (int i = 15; i >= 0; --i, hash >>= 4)
        text[static_cast<std::size_t>(i)] = kHex[hash & 0xF];
    return text;
}

std::string curveNotesText(const CurveNotes& n, std::string_view curveBytes)
{
    TextWriter w;
    w.line("curve=" + curveFingerprint(curveBytes));
    if (!n.recording.empty())
        w.line("recording=" + n.recording);
    w.line(std::string("method=") + methodName(n.method));
    if (n.threshold)
        w.line("threshold=" + std::to_string(*n.threshold));
    if (n.lowPolarity)
        w.line(std::string("polarity=") + (*n.lowPolarity ? "low" : "high"));
    if (n.sparksPerRev)
        w.line("sparks-per-rev=" + singleText(*n.sparksPerRev));
    if (n.method == CurveMethod::Standard) {
        w.line("level=" + std::to_string(n.smoothing.level));
        w.line("bezier-skip=" + std::to_string(n.smoothing.skipped));
        w.line(std::string("average=") + (n.smoothing.average ? "1" : "0"));
        w.line(std::string("bezier=") + (n.smoothing.bezier ? "1" : "0"));
    }
    if (n.rpmUncertaintyPct)
        w.line("rpm-uncertainty=" + doubleText(*n.rpmUncertaintyPct));
    if (n.powerUncertaintyPct)
        w.line("power-uncertainty=" + doubleText(*n.powerUncertaintyPct));
    return w.bytes();
}

std::optional<CurveNotes> parseCurveNotes(std::string_view text, std::string_view curveBytes)
{
    std::map<std::string, std::string> values;
    for (const std::string& line : splitLines(decodeText(text))) {
        const auto equals = line.find('=');
        if (equals != std::string::npos)
            values.emplace(line.substr(0, equals), line.substr(equals + 1));
    }
    const auto value = [&values](const char* key) -> const std::string* {
        const auto found = values.find(key);
        return found == values.end() ? nullptr : &found->second;
    };
    const std::string* fingerprint = value("curve");
    if (!fingerprint || *fingerprint != curveFingerprint(curveBytes))
        return std::nullopt;

    CurveNotes n;
    const std::string* method = value("method");
    if (!method)
        return std::nullopt;
    if (*method == "standard")
        n.method = CurveMethod::Standard;
    else if (*method == "precise")
        n.method = CurveMethod::Precise;
    else if (*method != "unsmoothed")
        return std::nullopt;
    if (const std::string* recording = value("recording"))
        n.recording = *recording;

    // A number that does not read makes the notes unusable rather than half
    // right.
    bool readable = true;
    const auto whole = [&](const char* key, int lowest, int highest) -> std::optional<int> {
        const std::string* text = value(key);
        if (!text)
            return std::nullopt;
        const auto number = parseInt16(*text);
        if (!number || *number < lowest || *number > highest) {
            readable = false;
            return std::nullopt;
        }
        return *number;
    };
    const auto real = [&](const char* key) -> std::optional<double> {
        const std::string* text = value(key);
        if (!text)
            return std::nullopt;
        const auto number = parseDouble(*text);
        if (!number || !(*number >= 0)) {
            readable = false;
            return std::nullopt;
        }
        return *number;
    };
    n.threshold = whole("threshold", 1, 255);
    if (const std::string* polarity = value("polarity")) {
        if (*polarity == "low" || *polarity == "high")
            n.lowPolarity = *polarity == "low";
        else
            readable = false;
    }
    if (const auto perRev = real("sparks-per-rev"))
        n.sparksPerRev = static_cast<float>(*perRev);
    if (const auto level = whole("level", 1, 4))
        n.smoothing.level = *level;
    if (const auto skipped = whole("bezier-skip", 0, 32767))
        n.smoothing.skipped = *skipped;
    if (const auto average = whole("average", 0, 1))
        n.smoothing.average = *average == 1;
    if (const auto bezier = whole("bezier", 0, 1))
        n.smoothing.bezier = *bezier == 1;
    n.rpmUncertaintyPct = real("rpm-uncertainty");
    n.powerUncertaintyPct = real("power-uncertainty");
    if (!readable)
        return std::nullopt;
    return n;
}

Status saveCurveNotes(const std::filesystem::path& curveFile, const CurveNotes& notes)
{
    const auto curve = readFileBytes(curveFile, kMaxCurveBytes);
    if (!curve)
        return Failure{curve.error()};
    return writeFileAtomically(curveNotesPath(curveFile), curveNotesText(notes, *curve));
}

std::optional<CurveNotes> loadCurveNotes(const std::filesystem::path& curveFile)
{
    std::error_code ignored;
    const auto notesFile = curveNotesPath(curveFile);
    if (!std::filesystem::is_regular_file(notesFile, ignored))
        return std::nullopt;
    const auto text = readFileBytes(notesFile, kMaxNotesBytes);
    const auto curve = readFileBytes(curveFile, kMaxCurveBytes);
    if (!text || !curve)
        return std::nullopt;
    return parseCurveNotes(*text, *curve);
}

}  // namespace vornax
