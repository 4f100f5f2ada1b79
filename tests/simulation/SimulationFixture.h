// A confirmed four-speed Mini in the store, its input fields, and a torque
// curve in the table, for the acceleration tests.
#pragma once

#include "store/Varia.h"
#include "simulation/AccelerationModel.h"
#include "simulation/TorqueCurve.h"

#include <cmath>
#include <memory>

namespace vornax::testing {

inline void fillVehicle(Varia& store)
{
    store.set("LbPoid", "650");
    store.set("LbRp", "3,44");
    store.set("LbImoteur", "0,11");
    store.set("LbLp", "165");
    store.set("LbHp", "60");
    store.set("LbDp", "12");
    store.set("LbPr", "3,2");
    store.set("LbDe", "2,06");
    store.set("LbTr", "1,35");
    store.set("lbqt", "1");
    store.set("lbcq", "0,85");
    store.set("lbsix", "0,75");
    store.set("lbperte1e", "12");
    store.set("LbPerteB", "10");
    store.set("lbperte4e", "8");
    store.set("LbSCx", "0,6");
    store.set("lblboite", "5");
    store.set("Lbcoefkm", "1");
    store.set("LbkmhMph", "km");
    store.set("LbConvertionNm", "1");
    store.set("LbConvertionWatt", "1");
}

// Torque in N·m × torqueFactor at 1000 … topRpm tr/min every 50 tr/min: a
// hump of 60 to 95 N·m peaking at 4000 tr/min.
inline void fillCurve(TorqueCurve& curve, float torqueFactor = 1.0f, float topRpm = 7000.0f)
{
    int row = 0;
    for (float rpm = 1000.0f; rpm <= topRpm; rpm += 50.0f, ++row) {
        const float x = (rpm - 4000.0f) / 3000.0f;
        const float nm = 95.0f - 35.0f * x * x;
        curve.rpm[row] = rpm;
        curve.torque[row] = nm * torqueFactor;
        curve.power[row] = nm * rpm * 3.1416f / 30.0f;
    }
    curve.lastRow = static_cast<std::int16_t>(row - 1);
    curve.topRpm = curve.rpm[row - 1];
}

struct SimulationSetup {
    Varia store;
    TorqueCurve curve;
    SimulationFields fields;
    std::unique_ptr<AccelerationModel> model = std::make_unique<AccelerationModel>();

    SimulationSetup()
    {
        fillVehicle(store);
        fillCurve(curve);
        fields = SimulationFields::fromStore(store);
    }
    SimulationInputs inputs() const { return {fields, store, curve}; }
    Status run() { return model->simulate(inputs()); }
    const ResultSeries& series() const { return model->series(); }
    // Engine speed of sample i in a gear of overall ratio G.
    float rpmOf(std::int32_t i, float G) const
    {
        const float radius = static_cast<float>((12 * 0.0254 + 19800 / 100000.0) / 2);
        return G * 1000.0f * series().speed[i] / (radius * 6.2832f * 60.0f);
    }
};

}  // namespace vornax::testing
