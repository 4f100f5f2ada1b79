#include "store/StoreReadings.h"

#include "common/Physics.h"
#include "store/EntryCaptions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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

// The failures of every reading of the vehicle, in the order of its fields.
std::vector<std::string> failures(const VehicleReadings& v)
{
    std::vector<std::string> out;
    const auto add = [&out](const auto& reading) {
        if (!reading)
            out.push_back(reading.error());
    };
    add(v.finalDrive), add(v.tyreWidthMm), add(v.aspectPercent), add(v.rimInches), add(v.massKg), add(v.scx);
    add(v.engineInertia), add(v.wheelInertia), add(v.rollingCoefficient);
    for (const auto& ratio : v.gearRatios)
        add(ratio);
    add(v.firstGearLoss), add(v.gearboxLoss), add(v.directGearLoss);
    return out;
}

// The power computation, the acceleration model and the report take the
// vehicle's entries from this one reading: a bad entry fails its own reading
// alone, so a computation that does not use it still runs.
TEST(StoreReadings, ReadEachVehicleEntryOnceAndFailOnlyABadOne)
{
    const char* const entries[] = {"LbRp",      "LbLp",    "LbHp",  "LbDp",      "LbPoid",   "LbSCx",
                                   "LbImoteur", "lbIroue", "lbCrr", "LbPr",      "LbDe",     "LbTr",
                                   "lbqt",      "lbcq",    "lbsix", "lbperte1e", "LbPerteB", "lbperte4e"};
    Varia good;
    for (const char* entry : entries)
        good.set(entry, "12");
    EXPECT_TRUE(failures(readVehicle(good)).empty());
    for (const char* entry : entries) {
        SCOPED_TRACE(entry);
        for (const char* text : {"abc", "?"}) {
            Varia store = good;
            store.set(entry, text);
            const std::vector<std::string> failed = failures(readVehicle(store));
            ASSERT_EQ(failed.size(), 1u);
            EXPECT_EQ(failed[0].rfind(entryCaption(store, entry) + ": ", 0), 0u) << failed[0];
            EXPECT_NE(failed[0].find(std::string("\"") + text + "\" is not a number"), std::string::npos) << failed[0];
            EXPECT_EQ(failed[0].find("no vehicle has been confirmed yet") != std::string::npos,
                      std::string(text) == "?")
                << failed[0];
        }
    }

    Varia store = good;
    store.set("lbCrr", "");
    store.set("lbperte1e", "10");
    store.set("LbPerteB", "22,5");  // halves to the even neighbour
    store.set("lbperte4e", "14");
    const VehicleReadings v = readVehicle(store);
    EXPECT_EQ(*v.rollingCoefficient, physics::kRollingCoefficient);
    EXPECT_NEAR(wheelRadius(Tyre{145, 70, 12}), 0.2539, 1e-12);
    const std::int16_t lossOfGear[kGearCount] = {10, 22, 22, 14, 14, 14};
    for (int g = 0; g < kGearCount; ++g)
        EXPECT_EQ(*v.loss(gearEntries(g).loss), lossOfGear[g]) << g;
}

}  // namespace
}  // namespace vornax
