// The acceleration model against figures worked out apart from it: a gear
// phase and a gear change by hand (no drag and a flat torque, so each step
// adds the same speed), and a whole run checked sample by sample against the
// model written out again below, plainly, from its description. A change of
// any constant of the model or of its time step moves these figures.
#include "SimulationFixture.h"

#include "common/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace vornax {
namespace {

using testing::SimulationSetup;

// The fixture's Mini: 650 kg, 165/60/12 (r = 0,2514 m), final drive 3,44,
// first gear 3,2 (G = 11,008), loss 12 % in first gear, engine 0,11 kg·m².
// With SCx 0 and 100 N·m at every engine speed, one step of 0,01 s adds
//   Δω = 0,01 × 0,915 × (G × 100 × 0,88 − 650 × 0,112815 × 0,2514)
//        ÷ (650 × 0,2514² + 0,11 × G + 1,2)
//      = 0,00915 × (968,704 − 18,43510) ÷ 43,49215 = 0,1999202 rad/s,
// that is Δv = 3,6 × r × Δω = 0,1809358 km/h (speed = C × 60 × rpm ÷ (G ×
// 1000) with rpm = ω × G × 30 ÷ π is 3,6 × r × ω, as 2π ÷ π = 2).
SimulationSetup flatTorqueWithoutDrag()
{
    SimulationSetup setup;
    setup.store.set("LbSCx", "0");
    for (int row = 0; row <= setup.curve.lastRow; ++row)
        setup.curve.torque[static_cast<std::size_t>(row)] = 100.0f;
    return setup;
}

TEST(AccelerationFigures, FirstGearWorkedByHand)
{
    SimulationSetup setup = flatTorqueWithoutDrag();
    setup.model->startRun();
    ASSERT_EQ(setup.model->SimulatePhase(1, 20.0f, setup.inputs()), PhaseEnd::Finished);
    const ResultSeries& s = setup.series();
    constexpr double dv = 0.1809358;
    // Sample n: t = n × 0,01 s, v = 20 + n × Δv, and the distance the sum of
    // the speeds of samples 1 … n times 0,01 ÷ 3,6:
    // (20 n + Δv × n (n + 1) ÷ 2) ÷ 360.
    for (const int n : {1, 50, 100}) {
        const double speed = 20 + n * dv;
        const double distance = (20.0 * n + dv * n * (n + 1) / 2) / 360;
        EXPECT_NEAR(s.time[n], n * 0.01, 1e-6) << n;
        EXPECT_NEAR(s.speed[n], speed, speed * 2e-5) << n;
        EXPECT_NEAR(s.distance[n], distance, distance * 2e-5) << n;
    }
    EXPECT_NEAR(s.speed[100], 38.09358, 1e-3);
    EXPECT_NEAR(s.distance[100], 8.093678, 2e-4);
    // 4500 tr/min is 4500 × C × 60 ÷ (G × 1000) = 38,74373 km/h, passed at
    // sample 104 (20 + 104 Δv = 38,8173): the phase stops there and hands on
    // the speed of sample 103.
    EXPECT_EQ(s.index, 104);
    EXPECT_NEAR(setup.model->phaseEndSpeed(), 20 + 103 * dv, 1e-3);
}

TEST(AccelerationFigures, GearChangeWorkedByHand)
{
    SimulationSetup setup = flatTorqueWithoutDrag();
    setup.model->startRun();
    ASSERT_EQ(setup.model->SimulatePhase(kGearChangePhase, 60.0f, setup.inputs()), PhaseEnd::Finished);
    const ResultSeries& s = setup.series();
    // Coasting on the rolling torque alone, I = m r²: every step takes
    // 3,6 × r × 0,01 × 0,915 × m × 0,112815 × r ÷ (m r²)
    // = 3,6 × 0,00915 × 0,112815 = 0,003716126 km/h, whatever the car.
    constexpr double dv = 0.003716126;
    ASSERT_EQ(s.index, 51);  // 0,5 s: j = 0 … 50
    for (const int n : {1, 25, 51}) {
        EXPECT_NEAR(s.time[n], n * 0.01, 1e-6) << n;
        EXPECT_NEAR(s.speed[n], 60 - n * dv, 2e-4) << n;
    }
    EXPECT_NEAR(s.speed[51], 59.81048, 2e-4);
    // 60 km/h less a little for 0,51 s: (60 × 51 − Δv × 51 × 52 ÷ 2) ÷ 360.
    EXPECT_NEAR(s.distance[51], (60.0 * 51 - dv * 51 * 52 / 2) / 360, 1e-4);
    EXPECT_NEAR(setup.model->phaseEndSpeed(), 60 - 50 * dv, 2e-4);
}

// The model once more, written from its description and nothing else: single
// precision where a quantity is stored, double for the drag, rolling and
// acceleration terms.
struct Series {
    std::vector<float> time{0.0f}, speed{0.0f}, distance{0.0f};
    float top = 1.0f;
    float t0100 = 0, t400 = 0, t1000 = 0;

    std::int32_t last() const { return static_cast<std::int32_t>(time.size()) - 1; }
    void append(float v)
    {
        time.push_back(time.back() + 0.01f);
        speed.push_back(v);
        distance.push_back(static_cast<float>(distance.back() + v * (0.01 / 3.6)));
    }
    void noteGear()
    {
        top = std::max(top, speed.back());
        if (speed.back() <= 100.0f)
            t0100 = time.back();
        if (distance.back() <= 400.0f)
            t400 = time.back();
        if (distance.back() <= 1000.0f)
            t1000 = time.back();
    }
};

struct Car {
    float r, C, fd, Imot, scx, changeRpm, changeTime, duration;
    int mass;
    float ratio[7];  // by phase: 0 launch (first gear), 1 … 4
    float k[7];
};

int findRow(const TorqueCurve& curve, int p, float rpm)
{
    float x = 0;
    while (!(x > rpm || p > curve.lastRow))
        x = curve.rpm[static_cast<std::size_t>(p++)];
    return std::max(p - 2, 0);
}

Series referenceRun(const Car& car, const TorqueCurve& curve)
{
    constexpr float pi = 3.1416f;
    const double r3 = double(car.r) * car.r * car.r;
    const double inertiaOfCar = car.mass * double(car.r) * car.r;
    const double rolling = car.mass * 0.112815 * car.r;
    auto aero = [&](double w) { return 0.601 * car.scx * w * w * r3; };
    Series s;

    // Launch: constant torque of row 2 until the first-gear speed of row 1.
    float G = car.ratio[0] * car.fd;
    const float vL = static_cast<float>(car.C * 3.6 * curve.rpm[1] / (car.fd * 60.0f * car.ratio[0]));
    const float launchDrive = G * curve.torque[2] / car.k[0];
    double w = 0;
    while (!(s.speed.back() > vL)) {
        w += 0.01 * 0.915 * (launchDrive - aero(w) - rolling * G) / inertiaOfCar;
        const float rpm = static_cast<float>(w * G * 30 / pi);
        s.append(car.C * 60.0f * rpm / (G * 1000.0f));
    }
    // First gear starts from the launch's end speed itself.
    float handOn = vL;

    for (int phase = 1; phase <= 4; ++phase) {
        if (phase > 1) {  // the gear change before it
            G = car.fd;
            float rpm = G * 1000.0f * handOn / (car.C * 60.0f);
            for (int j = 0; car.changeTime >= static_cast<float>(j) * 0.01f && car.duration >= s.last() * 0.01; ++j) {
                const float omega = pi * rpm / (G * 30.0f);
                const double next = omega + 0.01 * 0.915 * (0 - aero(omega) - rolling) / inertiaOfCar;
                rpm = static_cast<float>(next * G * 30 / pi);
                s.append(car.C * 60.0f * rpm / (G * 1000.0f));
            }
            handOn = s.speed[s.speed.size() - 2];
        }
        G = car.fd * car.ratio[phase];
        float rpm = G * 1000.0f * handOn / (car.C * 60.0f);
        int row = findRow(curve, 0, rpm);
        const double inertia = inertiaOfCar + car.Imot * G + 1.2f;
        double t = 0;
        for (;;) {
            t = s.last() * 0.01;
            if ((phase < 4 && rpm > car.changeRpm) || t > car.duration || rpm > curve.topRpm)
                break;
            const float omega = pi * rpm / (G * 30.0f);
            const float drive = G * curve.torque[static_cast<std::size_t>(row)] / car.k[phase];
            const double next = omega + 0.01 * 0.915 * (drive - aero(omega) - rolling) / inertia;
            rpm = static_cast<float>(next * G * 30 / pi);
            row = findRow(curve, row, rpm);
            s.append(car.C * 60.0f * rpm / (G * 1000.0f));
            s.noteGear();
        }
        if (phase == 4 && t < car.duration) {
            const float held = car.C * 60.0f * rpm / (G * 1000.0f);
            while (car.duration >= (s.last() + 1) * 0.01) {
                s.append(held);
                s.noteGear();
            }
        }
        handOn = s.speed[s.speed.size() - 2];
    }
    return s;
}

TEST(AccelerationFigures, WholeRunMatchesTheModelComputedApart)
{
    SimulationSetup setup;     // SCx 0,6, the 60 to 95 N·m hump up to 7000 tr/min
    ASSERT_TRUE(setup.run());  // 60 s
    Car car{};
    car.r = static_cast<float>((12 * 0.0254 + 2 * 165 * 60 / 100000.0) / 2);
    car.C = car.r * 6.2832f;
    car.fd = 3.44f;
    car.Imot = 0.11f;
    car.scx = 0.6f;
    car.changeRpm = 4500;
    car.changeTime = 0.5f;
    car.duration = 60;
    car.mass = 650;
    const float ratios[] = {3.2f, 3.2f, 2.06f, 1.35f, 1.0f};
    const int losses[] = {12, 12, 10, 10, 8};
    for (int p = 0; p <= 4; ++p) {
        car.ratio[p] = ratios[p];
        car.k[p] = static_cast<float>(1 / (1 - losses[p] / 100.0));
    }
    const Series expected = referenceRun(car, setup.curve);

    const ResultSeries& s = setup.series();
    ASSERT_EQ(s.index, expected.last());
    for (std::int32_t i = 1; i <= s.index; i += 97) {
        const auto at = static_cast<std::size_t>(i);
        EXPECT_NEAR(s.time[at], expected.time[at], 1e-5 * expected.time[at]) << i;
        EXPECT_NEAR(s.speed[at], expected.speed[at], 1e-4 * expected.speed[at]) << i;
        EXPECT_NEAR(s.distance[at], expected.distance[at], 1e-4 * expected.distance[at]) << i;
    }
    const ResultLabels& labels = setup.model->labels();
    EXPECT_EQ(labels.lbT0100, formatPattern(expected.t0100, Pattern::OneDecimal));
    EXPECT_EQ(labels.lb400mDA, formatPattern(expected.t400, Pattern::OneDecimal));
    EXPECT_EQ(labels.lb1000mDA, formatPattern(expected.t1000, Pattern::OneDecimal));
    EXPECT_NEAR(setup.model->maxSpeed(), expected.top, 1e-4 * expected.top);
    // What the run shows, for a reader of this test: a Mini of its time.
    EXPECT_GT(expected.t400, 17.0f);
    EXPECT_LT(expected.t400, 22.0f);
}

}  // namespace
}  // namespace vornax
