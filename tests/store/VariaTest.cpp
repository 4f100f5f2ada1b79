#include "store/Varia.h"

#include <gtest/gtest.h>

#include <set>

namespace vornax {
namespace {

TEST(Varia, HoldsItsInitialTextsBeforeAnyWriter)
{
    const Varia v;
    EXPECT_EQ(Varia::entries().size(), 106u);
    struct Case {
        const char* name;
        const char* text;
    };
    const Case cases[] = {
        {"LbPoid", "650"},
        {"LbImoteur", "0,11"},
        {"lbIroue", "0,11"},
        {"lblImot", "0,11"},
        {"LbRp", "?"},
        {"LbPr", "?"},
        {"LbLp", "?"},
        {"LbPerteB", "?"},
        {"lbperte4e", "?"},
        {"lblboite", "5"},
        {"lbltypepneu", "2"},
        {"lbldiff", "2"},
        {"Lbversion", "The Vornax Meter"},
        {"Lbpropos", "A propos de"},
        {"LbMcalcP", "Calcul de Puissance"},
        {"LbAcc", "LbAcc"},
        {"LbOuvrirREt", "ouvrirret"},
        {"lblVersion", "lblVersion"},
        {"LbTextAerodynamique", "text de l'aerodynamique"},
        {"LbPuissanceinitial", "P:"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(v.get(c.name), c.text) << c.name;
    EXPECT_EQ(v.single("LbImoteur"), 0.11f);
    EXPECT_EQ(v.int16("LbPoid"), 650);
    EXPECT_EQ(v.single("LbRp"), std::nullopt);  // "?" has no value until the editor is confirmed
}

TEST(Varia, NamesAreUniqueExactAndFixed)
{
    std::set<std::string> names;
    for (const EntryInfo& e : Varia::entries())
        EXPECT_TRUE(names.insert(e.name).second) << e.name;
    Varia v;
    EXPECT_THROW(v.get("lbpoid"), std::out_of_range);  // look-up is by exact name
    EXPECT_THROW(v.set("NoSuchEntry", "x"), std::out_of_range);
    v.set("LbPoid", "700");
    EXPECT_EQ(v.get("LbPoid"), "700");
    const auto vehicle = v.vehicleEntries();
    ASSERT_EQ(vehicle.size(), 27u);
    EXPECT_EQ(vehicle.front().first, "lbperte4e");
    EXPECT_EQ(vehicle.back().first, "LbImoteur");
}

}  // namespace
}  // namespace vornax
