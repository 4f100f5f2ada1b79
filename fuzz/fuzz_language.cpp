// A language file applied to the store, then the unit factors read from it as
// the windows read them.
#include "FuzzLines.h"
#include "store/Language.h"
#include "store/StoreReadings.h"
#include "store/Varia.h"

using namespace vornax;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Varia varia;
    (void)applyLanguageLines(varia, fuzzing::linesOf(data, size));
    (void)varia.single("LbConvertionWatt");
    (void)varia.single("LbConvertionNm");
    (void)varia.int16("LbConvertionWatt");
    (void)displayUnits(varia);
    (void)speedFactor(varia);
    (void)gearNames(varia);
    return 0;
}
