#include "vehicle/HeadlessCommit.h"
#include "vehicle/VehicleEditor.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

namespace vornax {
namespace {

using testing::TempFolder;

TEST(HeadlessCommit, WithoutOptionsCommitsWhatTheEditorOpensOn)
{
    Varia headless;
    ASSERT_TRUE(commitVehicleHeadless(headless, {}));
    Varia confirmed;
    VehicleEditor(confirmed).commit();
    EXPECT_EQ(headless.vehicleEntries(), confirmed.vehicleEntries());
    EXPECT_EQ(headless.get("LbPerteB"), "22,62190625");
    EXPECT_EQ(headless.get("LbSCx"), "0,933");
}

TEST(HeadlessCommit, LoadsTheFileThenTypesScxAndInertia)
{
    TempFolder folder;
    const auto file = folder.write(
        "car.Dat",
        "[VersionV1]\r\nCar\r\n 0 \r\n 7 \r\n3\r\n2\r\n1,5\r\n1\r\n0,8\r\n 0 \r\n610\r\n 1 \r\n 1 \r\n 1 \r\n");
    Varia store;
    HeadlessVehicleOptions options;
    options.miniFile = file;
    options.scx = "0.61";
    options.engineInertia = "0,09";
    ASSERT_TRUE(commitVehicleHeadless(store, options));
    EXPECT_EQ(store.get("Lbnom"), "Car");
    EXPECT_EQ(store.get("LbRp"), "2,76");
    EXPECT_EQ(store.get("lbcq"), "0,8");
    EXPECT_EQ(store.get("LbPoid"), "610");
    EXPECT_EQ(store.get("LbLp"), "145");
    EXPECT_EQ(store.get("lbltypeScx"), "4");
    EXPECT_EQ(store.get("LbSCx"), "0,61");
    EXPECT_EQ(store.get("LbImoteur"), "0,09");
    EXPECT_EQ(store.get("LbPerteB"), "9,60792032");
}

TEST(HeadlessCommit, FailuresLeaveTheStoreUntouched)
{
    TempFolder folder;
    struct Case {
        HeadlessVehicleOptions options;
        const char* message;
    };
    Case cases[5];
    cases[0].options.miniFile = folder.write("wrong.Dat", "[VersionV2]\r\n");
    cases[0].message = "Fichier Incorrect";
    cases[1].options.miniFile = folder.write("cut.Dat", "[VersionV1]\r\nA\r\n 19 \r\n");
    cases[1].message = "Erreur 62: ";
    cases[2].options.scx = "abc";
    cases[2].message = "SCx";
    cases[3].options.engineInertia = "";
    cases[3].message = "inertia";
    // "Boite 5" whose third ratio is still the fresh store's "?".
    cases[4].options.miniFile = folder.write(
        "box.Dat", "[VersionV1]\r\nA\r\n 0 \r\n 7 \r\n3\r\n2\r\n?\r\n1\r\n0,8\r\n 0 \r\n610\r\n 0 \r\n 0 \r\n 0 \r\n");
    cases[4].message = "the ratio of gear 3 is \"?\", not a number";
    for (const Case& c : cases) {
        Varia store;
        const Status status = commitVehicleHeadless(store, c.options);
        ASSERT_FALSE(status);
        EXPECT_NE(status.error().find(c.message), std::string::npos) << status.error();
        EXPECT_EQ(store.vehicleEntries(), Varia().vehicleEntries());
    }
}

}  // namespace
}  // namespace vornax
