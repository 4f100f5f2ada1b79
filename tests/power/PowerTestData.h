// Vehicles and curves shared by the power tests and benchmarks.
#pragma once

#include "common/NumberText.h"
#include "store/Varia.h"

#include <cmath>
#include <string>

namespace vornax::testing {

// A 145/70/12 car of 650 kg with a final drive of 3,105 and the losses the
// vehicle editor stores for standard parts (used as 23 %, 20 % and 14 %),
// and the unit factors of the worked example (736 W per unit, 0,1 unit per
// N·m).
inline void fillTestVehicle(Varia& store)
{
    const std::pair<const char*, const char*> entries[] = {
        {"LbRp", "3,105"},
        {"LbPr", "3,627"},
        {"LbDe", "2,172"},
        {"LbTr", "1,412"},
        {"lbqt", "1"},
        {"lbcq", ""},
        {"lbsix", ""},
        {"lbperte1e", "22,62190625"},
        {"LbPerteB", "20,1783875"},
        {"lbperte4e", "14,2625"},
        {"LbLp", "145"},
        {"LbHp", "70"},
        {"LbDp", "12"},
        {"LbPoid", "650"},
        {"LbSCx", "0,933"},
        {"LbImoteur", "0,11"},
        {"lblboite", "5"},
        {"Lbnom", "Essai"},
        {"LbConvertionWatt", "736"},
        {"LbConvertionNm", "0,1"},
        {"LbPuissance", "Puissance"},
        {"LbCouple", "Couple"},
        {"LbUnitePuissance", "ch"},
        {"LbUniteCouple", "mkg"},
        {"LbUniteRegime", "tr/min"},
    };
    for (const auto& [name, text] : entries)
        store.set(name, text);
}

// Engine speed of a run accelerating from 2000 to about 6500 rpm with a
// hump of torque in the middle: point i at 20 ms steps.
inline double testRpm(int i, int n)
{
    const double x = static_cast<double>(i) / (n - 1);
    return 2000.0 + 4500.0 * (x - 0.12 * std::sin(x * 2 * 3.141592653589793) / (2 * 3.141592653589793));
}

// A curve file's text (CR LF lines) of n points `step` seconds apart.
inline std::string testCurveText(int n, double step = 0.02)
{
    std::string text;
    for (int i = 0; i < n; ++i)
        text += singleText(static_cast<float>(i * step + 1.0)) + ";" + singleText(static_cast<float>(testRpm(i, n))) +
                "\r\n";
    return text;
}

}  // namespace vornax::testing
