#include "compare/CurveSlot.h"

#include "common/NumberText.h"
#include "common/TextFile.h"
#include "common/Translation.h"
#include "store/Varia.h"

#include <cmath>

namespace vornax::compare {
namespace {

bool usableFactor(std::optional<float> f) { return f && std::isfinite(*f) && *f != 0.0f; }

std::string lineRef(std::size_t index) { return tx("CurveSlot", "line %1").arg(std::to_string(index + 1)); }

// One data line: engine speed, torque, power.
Result<PowerDataLine> parseDataLine(std::string_view line, std::size_t index)
{
    const PowerDataLine read = readPowerDataLine(line);
    if (!read.threeFields)
        return Failure{tx("CurveSlot", "%1: %2 needs three fields, engine speed;torque;power")
                           .arg(lineRef(index))
                           .arg(quotedValue(line))};
    if (!read.rpm || !read.torque || !read.power)
        return Failure{tx("CurveSlot", "%1: %2 is not three numbers").arg(lineRef(index)).arg(quotedValue(line))};
    return read;
}

}  // namespace

float valueOf(const PowerPoint& point, Column column)
{
    switch (column) {
    case Column::Rpm: return point.rpm;
    case Column::Torque: return point.torque;
    case Column::Power: return point.power;
    }
    return 0;
}

std::optional<float> UnitFactor::value() const
{
    if (number_)
        return number_;
    if (text_)
        return readFactorLine(*text_);
    return std::nullopt;
}

std::string UnitFactor::describe() const
{
    if (number_)
        return singleText(*number_);
    return text_.value_or(std::string());
}

PowerPoint CurveSlot::point(int i) const
{
    if (i < 0 || i >= static_cast<int>(points_.size()))
        return {};
    return points_[static_cast<std::size_t>(i)];
}

namespace {

// Lines a file saved again by a text editor gains at its end are no part of
// the curve. Two empty lines after the data are still the two empty factor
// lines, which leave the factors to the units in force.
std::size_t withoutTrailingEmptyLines(const std::vector<std::string>& lines)
{
    std::size_t n = lines.size();
    while (n > 0 && lines[n - 1].empty())
        --n;
    const bool emptyFactorLines = n > 0 && lines.size() - n == 2 && !isFactorLine(lines[n - 1]);
    return emptyFactorLines ? lines.size() : n;
}

}  // namespace

Status loadCurveLines(const std::vector<std::string>& lines, CurveSlot& slot, const DisplayUnits& units)
{
    const std::size_t n = withoutTrailingEmptyLines(lines);
    if (n > static_cast<std::size_t>(kMaxCurveLines))
        return Failure{tx("CurveSlot", "more than %1 lines").arg(std::to_string(kMaxCurveLines))};

    // The two factor lines, when present, are the last two lines: the points
    // are the lines before them, so any other line without ";" would shift
    // every point after it.
    bool hasFactors = false;
    for (std::size_t i = 0; i < n; ++i) {
        if (!isFactorLine(lines[i]))
            continue;
        if (i + 2 == n && isFactorLine(lines[i + 1])) {
            hasFactors = true;
            break;
        }
        return Failure{tx("CurveSlot", "%1: %2 is neither a data line nor one of the two factor lines at the end")
                           .arg(lineRef(i))
                           .arg(quotedValue(lines[i]))};
    }
    const std::size_t count = hasFactors ? n - 2 : n;

    UnitFactor powerFactor = slot.powerFactor;
    UnitFactor torqueFactor = slot.torqueFactor;
    if (hasFactors) {
        // An empty factor line leaves the factor empty, so the store's applies.
        powerFactor = UnitFactor();
        torqueFactor = UnitFactor();
        if (!lines[n - 2].empty())
            powerFactor.setText(lines[n - 2]);
        if (!lines[n - 1].empty())
            torqueFactor.setText(lines[n - 1]);
        if (!powerFactor.empty() && !usableFactor(powerFactor.value()))
            return Failure{tx("CurveSlot", "%1: the power unit factor %2 is not a usable number")
                               .arg(lineRef(n - 2))
                               .arg(quotedValue(lines[n - 2]))};
        if (!torqueFactor.empty() && !usableFactor(torqueFactor.value()))
            return Failure{tx("CurveSlot", "%1: the torque unit factor %2 is not a usable number")
                               .arg(lineRef(n - 1))
                               .arg(quotedValue(lines[n - 1]))};
    }
    if (powerFactor.empty())
        powerFactor.setNumber(units.wattsPerPowerUnit);
    if (torqueFactor.empty())
        torqueFactor.setNumber(units.torquePerNm);

    // Rescaling in double from the single factors; results stored as singles.
    const double powerScale = double(*powerFactor.value()) / double(units.wattsPerPowerUnit);
    const double torqueNumerator = double(units.torquePerNm);
    const double torqueDenominator = double(*torqueFactor.value());

    std::vector<PowerPoint> read(count);
    for (std::size_t i = 0; i < count; ++i) {
        const auto data = parseDataLine(lines[i], i);
        if (!data)
            return Failure{data.error()};
        const PowerPoint p{*data->rpm, static_cast<float>(*data->torque * torqueNumerator / torqueDenominator),
                           static_cast<float>(*data->power * powerScale)};
        if (!std::isfinite(p.rpm) || !std::isfinite(p.torque) || !std::isfinite(p.power))
            return Failure{
                tx("CurveSlot", "%1: %2 holds a value out of range").arg(lineRef(i)).arg(quotedValue(lines[i]))};
        read[i] = p;
    }

    if (slot.points_.size() < count)
        slot.points_.resize(count);
    std::copy(read.begin(), read.end(), slot.points_.begin());
    slot.pointCount = static_cast<std::int16_t>(count);
    slot.powerFactor = powerFactor;
    slot.torqueFactor = torqueFactor;
    return success();
}

Status fichierPo(const std::filesystem::path& path, CurveSlot& slot, const DisplayUnits& units)
{
    // 32001 lines of three seven-digit numbers stay far below this.
    constexpr std::uintmax_t maxBytes = 16u << 20;
    const auto lines = readTextLines(path, maxBytes);
    if (!lines)
        return Failure{"\"" + path.string() + "\": " + lines.error()};
    const Status loaded = loadCurveLines(*lines, slot, units);
    if (!loaded)
        return Failure{"\"" + path.string() + "\", " + loaded.error()};
    return success();
}

SlotColours slotColours(int k)
{
    static constexpr SlotColours kColours[kSlotCount] = {
        {{0, 0, 255}, {255, 0, 0}},       {{0, 110, 0}, {80, 190, 40}},    {{120, 60, 0}, {240, 140, 0}},
        {{90, 0, 120}, {190, 70, 220}},   {{0, 100, 110}, {0, 180, 200}},  {{90, 90, 90}, {20, 20, 20}},
        {{130, 0, 60}, {230, 60, 140}},   {{60, 70, 0}, {160, 170, 0}},    {{0, 50, 110}, {70, 130, 230}},
        {{110, 40, 40}, {200, 110, 100}}, {{40, 90, 70}, {110, 180, 150}},
    };
    return kColours[static_cast<std::size_t>(((k % kSlotCount) + kSlotCount) % kSlotCount)];
}

std::string curveName(std::string_view path)
{
    // Folders may be written either way round on the files users exchange.
    const auto slash = path.find_last_of("/\\");
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string slotCaption(std::string_view path)
{
    const std::string name = curveName(path);
    // Count characters, not bytes: a UTF-8 name loses four whole characters.
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < name.size(); ++i)
        if ((static_cast<unsigned char>(name[i]) & 0xC0) != 0x80)
            starts.push_back(i);
    if (starts.size() < 4)
        return name;
    return name.substr(0, starts[starts.size() - 4]);
}

}  // namespace vornax::compare
