#include "vehicle/VehicleEditor.h"

#include "store/Varia.h"

#include <gtest/gtest.h>

#include <functional>

namespace vornax {
namespace {

std::string selectedText(const VehicleEditor& e, ListId l)
{
    const int index = e.list(l).index;
    return index < 0 ? std::string() : listEntries(l)[index];
}

TEST(VehicleEditor, OpensOnTheDefaultStore)
{
    Varia store;
    const VehicleEditor e(store);
    EXPECT_EQ(selectedText(e, ListId::TypePneu), "145/70/12");
    EXPECT_EQ(selectedText(e, ListId::SCx), "Mini");
    EXPECT_EQ(selectedText(e, ListId::TypeDiff), "3,105");
    EXPECT_EQ(selectedText(e, ListId::TypeBoite), "Boite 4 sync. Moteur A+");
    for (ListId cut : {ListId::EngCascade, ListId::EngBoite, ListId::EngDiff})
        EXPECT_EQ(selectedText(e, cut), "Standard");
    EXPECT_EQ(e.list(ListId::Imot).index, -1);  // not restored
    EXPECT_EQ(e.list(ListId::Iroue).index, -1);

    const std::pair<Field, const char*> texts[] = {
        {Field::Nom, "?"},       {Field::Rp, "3,105"},  {Field::R1, "3,648"},  {Field::R2, "2,185"},
        {Field::R3, "1,425"},    {Field::R4, "1"},      {Field::R5, "1"},      {Field::R6, ""},
        {Field::Pboite, "22,6"}, {Field::Imot, "0,11"}, {Field::Iroue, "1,2"}, {Field::SCx, "0,933"},
        {Field::LrgP, "145"},    {Field::HtP, "70"},    {Field::Dp, "12"},     {Field::PV, "650"},
    };
    for (const auto& [f, text] : texts)
        EXPECT_EQ(e.field(f).text, text) << fieldName(f);
    for (Field locked : {Field::Rp, Field::R1, Field::R5, Field::R6, Field::Pboite, Field::SCx, Field::LrgP})
        EXPECT_FALSE(e.field(locked).enabled) << fieldName(locked);
    EXPECT_FALSE(e.field(Field::R5).visible);
    EXPECT_FALSE(e.field(Field::R6).visible);
    EXPECT_FALSE(e.label5Visible());
    EXPECT_FALSE(e.label6Visible());
}

TEST(VehicleEditor, AnUnusableStoredIndexLeavesItsListEmptyAndGoesOn)
{
    Varia store;
    store.set("lbltypepneu", "abc");
    store.set("lbldiff", "99");
    store.set("lblboite", "7");
    store.set("lbcq", "0,8");
    const VehicleEditor e(store);
    EXPECT_EQ(e.list(ListId::TypePneu).index, -1);
    EXPECT_EQ(e.field(Field::LrgP).text, "");
    EXPECT_EQ(e.list(ListId::TypeDiff).index, -1);
    EXPECT_EQ(e.field(Field::Rp).text, "");
    EXPECT_EQ(e.list(ListId::TypeBoite).index, 7);  // later steps still ran
    EXPECT_EQ(e.field(Field::R5).text, "0,8");
    EXPECT_EQ(e.field(Field::Pboite).text, "22,6");
}

TEST(VehicleEditor, RestoresTypedTyreAndBodyValuesFromTheStore)
{
    Varia store;
    store.set("lbltypepneu", "4");  // a preset whose sizes the store overrides
    store.set("LbLp", "170");
    store.set("LbHp", "55");
    store.set("LbDp", "12");
    store.set("lbltypeScx", "4");
    store.set("LbSCx", "0,7");
    const VehicleEditor e(store);
    EXPECT_EQ(e.field(Field::LrgP).text, "170");
    EXPECT_FALSE(e.field(Field::LrgP).enabled);
    EXPECT_EQ(e.field(Field::SCx).text, "0,7");
    EXPECT_TRUE(e.field(Field::SCx).enabled);
}

TEST(VehicleEditor, FinalDriveWritesTheEntryTextOrTheStoredRatio)
{
    Varia store;
    store.set("LbRp", "3,9");
    VehicleEditor e(store);
    e.select(ListId::TypeDiff, 6);
    EXPECT_EQ(e.field(Field::Rp).text, "3,444");
    EXPECT_FALSE(e.field(Field::Rp).enabled);
    e.select(ListId::TypeDiff, kFinalDriveAutre);
    EXPECT_EQ(e.field(Field::Rp).text, "3,9");
    EXPECT_TRUE(e.field(Field::Rp).enabled);
    EXPECT_FALSE(e.select(ListId::TypeDiff, 20));
    EXPECT_EQ(e.list(ListId::TypeDiff).index, kFinalDriveAutre);
}

TEST(VehicleEditor, GearboxEntriesLockShowAndFillTheRatioFields)
{
    Varia store;
    const char* stored[] = {"LbPr", "LbDe", "LbTr", "lbqt", "lbcq", "lbsix"};
    for (int i = 0; i < 6; ++i)
        store.set(stored[i], "r" + std::to_string(i + 1));
    VehicleEditor e(store);

    struct Case {
        int index;
        int enabledUpTo;  // txt1e..txtNe enabled, the rest disabled
        bool fifthShown, sixthShown;
    };
    for (const Case c : {Case{kGearboxFourAutre, 4, false, false}, Case{kGearboxFive, 5, true, false},
                         Case{kGearboxSix, 6, true, true}}) {
        e.select(ListId::TypeBoite, c.index);
        for (int gear = 1; gear <= 6; ++gear) {
            EXPECT_EQ(e.field(gearField(gear)).text, "r" + std::to_string(gear)) << c.index;
            EXPECT_EQ(e.field(gearField(gear)).enabled, gear <= c.enabledUpTo) << c.index << " gear " << gear;
        }
        EXPECT_EQ(e.field(Field::R5).visible, c.fifthShown);
        EXPECT_EQ(e.label5Visible(), c.fifthShown);
        EXPECT_EQ(e.field(Field::R6).visible, c.sixthShown);
        EXPECT_EQ(e.label6Visible(), c.sixthShown);
    }

    // From "Boite 6" back to a fixed box: the 5th and 6th gear are hidden, the
    // hidden 5th becomes "1", the 6th keeps its text.
    e.type(Field::R6, "0,7");
    e.select(ListId::TypeBoite, 0);
    EXPECT_EQ(e.field(Field::R1).text, "3,627");
    EXPECT_EQ(e.field(Field::R5).text, "1");
    EXPECT_EQ(e.field(Field::R6).text, "0,7");
    EXPECT_FALSE(e.field(Field::R6).enabled);
    EXPECT_FALSE(e.field(Field::R5).visible || e.field(Field::R6).visible || e.label5Visible() || e.label6Visible());

    e.select(ListId::TypeBoite, -1);  // no selection: nothing changes
    EXPECT_EQ(e.field(Field::R1).text, "3,627");
}

TEST(VehicleEditor, LossFollowsTheCutListsAndATypedLossLocksThem)
{
    Varia store;
    store.set("lbperte1e", "17");
    VehicleEditor e(store);
    for (ListId cut : {ListId::EngCascade, ListId::EngBoite, ListId::EngDiff})
        e.select(cut, 1);
    EXPECT_EQ(e.field(Field::Pboite).text, "9,6");
    e.select(ListId::EngDiff, -1);
    EXPECT_EQ(e.field(Field::Pboite).text, "100,");

    e.select(ListId::EngCascade, kCascadeAutre);
    EXPECT_EQ(e.field(Field::Pboite).text, "17");
    EXPECT_TRUE(e.field(Field::Pboite).enabled);
    EXPECT_FALSE(e.list(ListId::EngBoite).enabled);
    EXPECT_FALSE(e.list(ListId::EngDiff).enabled);
    e.select(ListId::EngBoite, 0);  // ignored while the loss is typed
    EXPECT_EQ(e.field(Field::Pboite).text, "17");

    e.select(ListId::EngCascade, 0);
    EXPECT_EQ(e.field(Field::Pboite).text, "100,");  // the differential still has no selection
    EXPECT_FALSE(e.field(Field::Pboite).enabled);
    EXPECT_FALSE(e.list(ListId::EngBoite).enabled);  // only a new opening unlocks them
}

TEST(VehicleEditor, OtherEntriesUnlockTheirFieldsWithStoredValues)
{
    Varia store;
    store.set("LbLp", "155");
    store.set("LbSCx", "0,61");
    VehicleEditor e(store);
    e.select(ListId::TypePneu, kTyreAutre);
    EXPECT_EQ(e.field(Field::LrgP).text, "155");
    EXPECT_TRUE(e.field(Field::Dp).enabled);
    e.select(ListId::TypePneu, 5);
    EXPECT_EQ(e.field(Field::HtP).text, "50");
    EXPECT_FALSE(e.field(Field::Dp).enabled);

    e.select(ListId::SCx, 2);
    EXPECT_EQ(e.field(Field::SCx).text, "0,484");
    e.select(ListId::SCx, kBodyAutre);
    EXPECT_EQ(e.field(Field::SCx).text, "0,61");

    e.select(ListId::Imot, 1);
    EXPECT_EQ(e.field(Field::Imot).text, "0,13");
    EXPECT_FALSE(e.field(Field::Imot).enabled);
    e.select(ListId::Imot, kEngineAutre);
    EXPECT_EQ(e.field(Field::Imot).text, "0,11");  // lblImot
    EXPECT_TRUE(e.field(Field::Imot).enabled);

    e.type(Field::Iroue, "2");
    e.select(ListId::Iroue, 0);
    EXPECT_EQ(e.field(Field::Iroue).text, "1,2");
    EXPECT_FALSE(e.field(Field::Iroue).enabled);
    e.select(ListId::Iroue, kRimAutre);
    EXPECT_TRUE(e.field(Field::Iroue).enabled);
}

TEST(VehicleEditor, LeavingAFieldRepairsCommasAndHoldsTyreSizes)
{
    struct Case {
        Field field;
        const char* typed;
        const char* left;
    };
    const Case cases[] = {
        {Field::Rp, "3.105", "3,105"},   {Field::Rp, "1.2.3", "1,2,3"}, {Field::PV, "650.5", "650,5"},
        {Field::SCx, ".5", ",5"},        {Field::LrgP, "1200", "999"},  {Field::LrgP, "0,5", "1"},
        {Field::LrgP, "145.5", "145,5"}, {Field::LrgP, "-3", "1"},      {Field::HtP, "201", "200"},
        {Field::HtP, "200", "200"},      {Field::Dp, "100", "99"},      {Field::Dp, "1", "1"},
        {Field::LrgP, "", ""},           {Field::HtP, "abc", "abc"},    {Field::Dp, "1,2,3", "1,2,3"},
        {Field::R6, "1.5", "1.5"},       {Field::Nom, "a.b", "a.b"},    {Field::Pboite, "1.5", "1.5"},
    };
    Varia store;
    VehicleEditor e(store);
    for (const Case& c : cases) {
        e.type(c.field, c.typed);
        e.leave(c.field);
        EXPECT_EQ(e.field(c.field).text, c.left) << fieldName(c.field) << " " << c.typed;
    }
}

TEST(VehicleEditor, CommitWritesTheLossesAsFullDecimalTexts)
{
    struct Case {
        int cascade, gearbox, diff;
        const char* typed;
        const char *first, *middle, *top;
    };
    const Case cases[] = {
        {0, 0, 0, "", "20,1783875", "22,62190625", "14,2625"},
        {1, 1, 1, "", "9,60792032", "9,60792032", "5,8808"},
        {1, 0, 2, "", "13,2691572", "15,924183", "6,8412"},
        {kCascadeAutre, 0, 0, "12", "12", "12", "12"},
        {0, -1, 0, "", "100", "100", "14,2625"},
    };
    for (const Case& c : cases) {
        Varia store;
        VehicleEditor e(store);
        e.select(ListId::EngDiff, c.diff);
        e.select(ListId::EngBoite, c.gearbox);
        e.select(ListId::EngCascade, c.cascade);
        if (*c.typed)
            e.type(Field::Pboite, c.typed);
        e.commit();
        EXPECT_EQ(store.get("lbperte1e"), c.first) << c.cascade << c.gearbox << c.diff;
        EXPECT_EQ(store.get("LbPerteB"), c.middle) << c.cascade << c.gearbox << c.diff;
        EXPECT_EQ(store.get("lbperte4e"), c.top) << c.cascade << c.gearbox << c.diff;
    }
}

TEST(VehicleEditor, CommitCopiesEveryFieldAndIndex)
{
    Varia store;
    VehicleEditor e(store);
    e.type(Field::Nom, "Cooper S");
    e.select(ListId::TypeBoite, kGearboxFive);  // "?" ratios from the fresh store
    const char* ratios[] = {"3,3", "2,1", "1,4", "1,1", "0,85"};
    for (int gear = 1; gear <= 5; ++gear)
        e.type(gearField(gear), ratios[gear - 1]);
    e.select(ListId::TypeDiff, kFinalDriveAutre);  // "?" from the fresh store
    e.type(Field::Rp, "3,7");
    e.select(ListId::SCx, 3);
    e.select(ListId::Imot, 1);
    e.commit();

    const std::pair<const char*, const char*> expected[] = {
        {"Lbnom", "Cooper S"},   {"LbRp", "3,7"},      {"LbPr", "3,3"},       {"lbcq", "0,85"},    {"lbsix", "?"},
        {"lbltypepneu", "2"},    {"LbLp", "145"},      {"LbHp", "70"},        {"LbDp", "12"},      {"LbPoid", "650"},
        {"LbImoteur", "0,13"},   {"lbltypeScx", "3"},  {"LbSCx", "0,466"},    {"lblboite", "7"},   {"lbldiff", "19"},
        {"lbltypecascade", "0"}, {"lbltypediff", "0"}, {"lbltypeboite", "0"}, {"lbIroue", "0,11"}, {"lblImot", "0,11"},
    };
    for (const auto& [entry, text] : expected)
        EXPECT_EQ(store.get(entry), text) << entry;

    // A preset gearbox leaves the never-written sixth field empty.
    Varia fresh;
    VehicleEditor(fresh).commit();
    EXPECT_EQ(fresh.get("lbsix"), "");
    EXPECT_EQ(fresh.get("lbcq"), "1");
}

// OK refuses a field it shows for a number that is empty, not a number, or
// zero or less, names it, and writes nothing.
TEST(VehicleEditor, CommitRefusesShownFieldsNoComputationCanUse)
{
    struct Case {
        const char* what;
        std::function<void(VehicleEditor&)> spoil;
        Field named;
    };
    const Case cases[] = {
        {"Boite 5 on a fresh store", [](VehicleEditor& e) { e.select(ListId::TypeBoite, kGearboxFive); }, Field::R1},
        {"Boite 6, sixth empty",
         [](VehicleEditor& e) {
             e.select(ListId::TypeBoite, 8);
             for (int gear = 1; gear <= 5; ++gear)
                 e.type(gearField(gear), "1,5");
             e.type(Field::R6, "");
         },
         Field::R6},
        {"final drive Autre", [](VehicleEditor& e) { e.select(ListId::TypeDiff, kFinalDriveAutre); }, Field::Rp},
        {"mass 0", [](VehicleEditor& e) { e.type(Field::PV, "0"); }, Field::PV},
        {"mass empty", [](VehicleEditor& e) { e.type(Field::PV, ""); }, Field::PV},
        {"typed tyre", [](VehicleEditor& e) { e.select(ListId::TypePneu, kTyreAutre); }, Field::LrgP},
        {"rim letters",
         [](VehicleEditor& e) {
             e.select(ListId::TypePneu, kTyreAutre);
             e.type(Field::LrgP, "175");
             e.type(Field::HtP, "70");
             e.type(Field::Dp, "treize");
         },
         Field::Dp},
        {"body Autre", [](VehicleEditor& e) { e.select(ListId::SCx, kBodyAutre); }, Field::SCx},
        {"negative inertia", [](VehicleEditor& e) { e.type(Field::Imot, "-0,1"); }, Field::Imot},
    };
    for (const Case& c : cases) {
        Varia store;
        VehicleEditor e(store);
        c.spoil(e);
        const auto problem = e.unusableField();
        ASSERT_TRUE(problem) << c.what;
        EXPECT_EQ(problem->field, c.named) << c.what;
        EXPECT_FALSE(e.commit()) << c.what;
        EXPECT_EQ(store.vehicleEntries(), Varia().vehicleEntries()) << c.what;
    }
    // Hidden fields are not judged: a preset gearbox leaves the sixth empty.
    Varia store;
    VehicleEditor e(store);
    EXPECT_FALSE(e.unusableField());
    EXPECT_TRUE(e.commit());
}

}  // namespace
}  // namespace vornax
