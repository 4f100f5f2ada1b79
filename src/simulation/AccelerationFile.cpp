#include "simulation/AccelerationFile.h"

#include "common/NumberText.h"
#include "common/TextFile.h"
#include "common/Translation.h"

namespace vornax {

std::string accelerationFileBytes(const ResultSeries& series, std::int32_t shownLength, float speedFactor)
{
    TextWriter writer;
    std::string line;
    for (std::int32_t i = 1; i <= shownLength - 1 && i <= ResultSeries::kLastIndex; ++i) {
        line = singleText(series.time[i]);
        line += ';';
        line += singleText(series.speed[i]);
        line += ';';
        line += singleText(series.distance[i]);
        writer.line(line);
    }
    writer.line(printedSingle(speedFactor));
    writer.line(printedSingle(speedFactor));
    return writer.bytes();
}

Status saveAccelerationFile(const std::filesystem::path& file, const AccelerationModel& model, const Varia& store)
{
    const auto factor = store.single("Lbcoefkm");
    if (!factor)
        return Failure{tx("AccelerationFile", "Valeur inadapter : le facteur de vitesse (ligne 56 du fichier de langue) %1")
                           .arg(quotedValue(store.get("Lbcoefkm")))};
    return writeFileAtomically(file, accelerationFileBytes(model.series(), model.shownLength(), *factor));
}

}  // namespace vornax
