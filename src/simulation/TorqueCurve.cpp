#include "simulation/TorqueCurve.h"

#include "common/TextFile.h"
#include "common/Translation.h"
#include "formats/PowerCurveFile.h"
#include "store/StoreReadings.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vornax {
namespace {

Failure incorrect(std::size_t lineIndex, const std::string& why)
{
    return Failure{tx("TorqueCurve", "Fichier Incorrect : ligne %1, %2").arg(std::to_string(lineIndex + 1)).arg(why)};
}

}  // namespace

Result<PowerCurveRows> readPowerCurve(const std::vector<std::string>& lines, float currentWatt, float currentNm)
{
    if (lines.size() > kMaxPowerCurveLines)
        return Failure{
            tx("TorqueCurve", "Fichier Incorrect : plus de %1 lignes").arg(std::to_string(kMaxPowerCurveLines))};

    // Empty lines at the end (a file saved again by a text editor) are no
    // part of the curve.
    std::size_t n = lines.size();
    while (n > 0 && lines[n - 1].empty())
        --n;

    // First pass: the engine speed before the first ";" of each data line; a
    // line without ";" is the watt factor and the line after it the torque
    // factor. A later factor pair replaces an earlier one, as the file reader
    // always did; a data line after the factors would shift every row, so it
    // is refused.
    std::size_t dataLines = n;
    std::vector<float> rpm;
    std::vector<PowerDataLine> data;
    float fileWatt = 0.0f, fileNm = 0.0f;
    bool factorsSeen = false;
    for (std::size_t i = 0; i < n; ++i) {
        const std::string& line = lines[i];
        if (!isFactorLine(line)) {
            if (factorsSeen)
                return incorrect(i, tx("TorqueCurve", "une ligne de données suit les facteurs d'unité"));
            PowerDataLine read = readPowerDataLine(line);
            if (!read.rpm)
                return incorrect(i, tx("TorqueCurve", "régime illisible"));
            rpm.push_back(*read.rpm);
            data.push_back(std::move(read));
            continue;
        }
        if (i + 1 >= n)
            return incorrect(i, tx("TorqueCurve", "facteur de couple manquant"));
        const auto watt = readFactorLine(line);
        const auto nm = readFactorLine(lines[i + 1]);
        if (!watt)
            return incorrect(i, tx("TorqueCurve", "facteur de puissance illisible"));
        if (!nm)
            return incorrect(i + 1, tx("TorqueCurve", "facteur de couple illisible"));
        fileWatt = *watt;
        fileNm = *nm;
        factorsSeen = true;
        ++i;
        dataLines -= 2;
    }
    if (dataLines == 0)
        return Failure{tx("TorqueCurve", "Fichier Incorrect : aucune ligne de données")};

    if (fileWatt == 0.0f)
        fileWatt = currentWatt;
    if (fileNm == 0.0f)
        fileNm = currentNm;
    const double powerScale = double(fileWatt) / double(currentWatt);
    const double torqueScale = double(currentNm) / double(fileNm);
    if (!std::isfinite(powerScale) || !std::isfinite(torqueScale))
        return Failure{tx("TorqueCurve", "Valeur inadapter : facteur d'unité nul")};

    // Second pass: torque and power, from the file's units into the current
    // ones.
    PowerCurveRows rows;
    rows.rpm = std::move(rpm);
    rows.torque.reserve(dataLines);
    rows.power.reserve(dataLines);
    for (std::size_t i = 0; i < dataLines; ++i) {
        const PowerDataLine& read = data[i];
        if (!read.threeFields)
            return incorrect(i, tx("TorqueCurve", "couple ou puissance manquant"));
        const auto& torque = read.torque;
        const auto& power = read.power;
        if (!torque)
            return incorrect(i, tx("TorqueCurve", "couple illisible"));
        if (!power)
            return incorrect(i, tx("TorqueCurve", "puissance illisible"));
        // The table holds singles: a value past their range would turn into
        // an infinity that the run carries into every later sample.
        const double scaledPower = *power * powerScale;
        const double scaledTorque = *torque * torqueScale;
        constexpr double largest = std::numeric_limits<float>::max();
        if (std::abs(scaledTorque) > largest)
            return incorrect(i, tx("TorqueCurve", "couple hors limites"));
        if (std::abs(scaledPower) > largest)
            return incorrect(i, tx("TorqueCurve", "puissance hors limites"));
        rows.power.push_back(static_cast<float>(scaledPower));
        rows.torque.push_back(static_cast<float>(scaledTorque));
    }
    return rows;
}

Status loadPowerCurve(const std::filesystem::path& file, const Varia& store, TorqueCurve& curve,
                      std::vector<std::string>* linesRead)
{
    const auto units = displayUnits(store);
    if (!units)
        return Failure{units.error()};

    // 5001 lines of three numbers stay far below a megabyte.
    auto lines = readTextLines(file, 4u << 20);
    if (!lines)
        return Failure{lines.error()};
    const Status loaded = loadPowerCurveLines(*lines, *units, curve);
    if (loaded && linesRead)
        *linesRead = std::move(*lines);
    return loaded;
}

Status loadPowerCurveLines(const std::vector<std::string>& lines, const DisplayUnits& units, TorqueCurve& curve)
{
    auto rows = readPowerCurve(lines, units.wattsPerPowerUnit, units.torquePerNm);
    if (!rows)
        return Failure{rows.error()};

    const std::size_t count = rows->rpm.size();
    std::copy(rows->rpm.begin(), rows->rpm.end(), curve.rpm.begin());
    std::copy(rows->torque.begin(), rows->torque.end(), curve.torque.begin());
    std::copy(rows->power.begin(), rows->power.end(), curve.power.begin());
    curve.lastRow = static_cast<std::int16_t>(count - 1);
    curve.topRpm = curve.rpm[count - 1];
    return success();
}

}  // namespace vornax
