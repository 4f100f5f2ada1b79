#include "store/StoreReadings.h"

#include <gtest/gtest.h>

#include <string>

namespace vornax {
namespace {

// Every window, the command line, the demo and the report take their factors
// from these readings, so each refusal must hold whatever the text is.
TEST(StoreReadings, TakeOnlyFactorsThatCanScaleAFigure)
{
    struct Case {
        const char* watt;
        const char* nm;
        const char* kmh;
        bool unitsOk, speedOk;
    } const cases[] = {
        {"735,5", "0,102", "1", true, true},
        {" 746 ", "0,7376", "0,6214", true, true},
        {"ConvertionWatt", "1", "1", false, true},  // before any language file
        {"0", "1", "1", false, true},
        {"1", "0", "0", false, false},
        {"1", "1E+39", "-1", false, false},  // past a single's range; a negative speed
        {"-736", "1", "", true, false},      // a negative factor still scales
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.watt) + " / " + c.nm + " / " + c.kmh);
        Varia store;
        store.set("LbConvertionWatt", c.watt);
        store.set("LbConvertionNm", c.nm);
        store.set("Lbcoefkm", c.kmh);
        const auto units = displayUnits(store);
        EXPECT_EQ(units.ok(), c.unitsOk) << units.error();
        if (units) {
            EXPECT_EQ(units->wattsPerPowerUnit, *store.single("LbConvertionWatt"));
            EXPECT_EQ(units->torquePerNm, *store.single("LbConvertionNm"));
        } else {
            EXPECT_NE(units.error().find("is not a usable unit factor"), std::string::npos) << units.error();
        }
        EXPECT_EQ(speedFactor(store).ok(), c.speedOk);
    }
}

TEST(StoreReadings, NameTheFactorAsTheUserKnowsIt)
{
    Varia store;
    store.set("LbConvertionWatt", "736");
    store.set("LbConvertionNm", "abc");
    EXPECT_EQ(displayUnits(store).error(),
              "the torque factor (line 61 of the language file): \"abc\" is not a usable unit factor (a number "
              "other than zero)");
}

}  // namespace
}  // namespace vornax
