#include "simulation/AccelerationFile.h"

#include "common/TextFile.h"
#include "store/StoreReadings.h"

namespace vornax {

Status saveAccelerationFile(const std::filesystem::path& file, const AccelerationModel& model, const Varia& store)
{
    const auto factor = speedFactor(store);
    if (!factor)
        return Failure{factor.error()};
    return writeFileAtomically(file, accelerationFileBytes(model.series(), model.shownLength(), *factor));
}

}  // namespace vornax
