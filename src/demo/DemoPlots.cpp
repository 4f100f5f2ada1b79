#include "demo/DemoPlots.h"

#include "demo/Chart.h"

#include <algorithm>
#include <limits>

namespace vornax {
namespace {

constexpr Rgb kRed{210, 30, 30};
constexpr Rgb kDarkRed{120, 0, 0};
constexpr Rgb kBlue{30, 60, 210};
constexpr Rgb kDarkBlue{0, 0, 110};
constexpr Rgb kGrey{160, 160, 160};
constexpr Rgb kGreen{0, 140, 60};
constexpr Rgb kOrange{235, 130, 0};

using Points = std::vector<std::pair<double, double>>;

std::pair<double, double> range(const Points& a, const Points& b = {}, bool second = true)
{
    double lo = std::numeric_limits<double>::infinity(), hi = -lo;
    for (const Points* p : {&a, &b})
        for (const auto& [x, y] : *p) {
            const double v = second ? y : x;
            lo = std::min(lo, v);
            hi = std::max(hi, v);
        }
    if (!(lo <= hi))
        return {0, 1};
    return {lo, hi};
}

float factor(const Varia& store, const char* entry, float fallback)
{
    const auto v = store.single(entry);
    return v && *v != 0.0f ? *v : fallback;
}

// The true engine speed at time t (s), linear between the run's samples.
double trueRpm(const std::vector<MotionSample>& truth, double t)
{
    const auto after = std::lower_bound(truth.begin(), truth.end(), t,
                                        [](const MotionSample& m, double time) { return m.time < time; });
    if (after == truth.begin())
        return truth.front().rpm;
    if (after == truth.end())
        return truth.back().rpm;
    const MotionSample& a = *(after - 1);
    const double f = (t - a.time) / (after->time - a.time);
    return a.rpm + f * (after->rpm - a.rpm);
}

}  // namespace

Picture engineSpeedPicture(const Curve& raw, const std::vector<RunPoint>& saved,
                           const std::vector<MotionSample>& truth, const Varia& store)
{
    // A spark's time is its file position over the rate, so it counts the
    // 44 header bytes and the first data byte; the truth starts at 0.
    constexpr double kHeaderSeconds = 45.0 / 44100.0;
    Points sparks, smooth, real, deviation;
    for (int r = 1; r <= raw.pointCount; ++r)
        sparks.emplace_back(raw.rows[static_cast<std::size_t>(r)].time, raw.rows[static_cast<std::size_t>(r)].speed);
    for (const RunPoint& p : saved) {
        smooth.emplace_back(p.time, p.rpm);
        if (!truth.empty())
            deviation.emplace_back(p.time, p.rpm - trueRpm(truth, p.time - kHeaderSeconds));
    }
    for (const MotionSample& s : truth)
        real.emplace_back(s.time + kHeaderSeconds, s.rpm);
    const std::string rpmUnit = store.get("LbUniteRegime");

    // The first sparks and the end-of-file point are far off; the scale
    // follows the smoothed and true curves.
    auto [lo, hi] = range(smooth, real);
    const auto [dLo, dHi] = range(deviation);
    const double dMax = std::max({std::abs(dLo), std::abs(dHi), 10.0});
    ChartSetup setup;
    setup.title = "ENGINE SPEED FROM THE SPARKS";
    setup.xName = "TIME (S)";
    setup.leftName = "ENGINE SPEED (" + rpmUnit + ")";
    setup.rightName = "SMOOTHED - TRUE (" + rpmUnit + ")";
    setup.xRange = range(sparks, real, false);
    setup.leftRange = {lo - 0.05 * (hi - lo), hi + 0.05 * (hi - lo)};
    // The difference keeps to the lower part of the chart, under the curves.
    setup.rightRange = {-dMax, 5 * dMax};
    Picture picture(kDemoPictureWidth, kDemoPictureHeight);
    drawChart(picture, setup,
              {{sparks, kGrey, Side::Left, 1, 0, "ONE POINT PER SPARK"},
               {smooth, kBlue, Side::Left, 4, 0, "SMOOTHED CURVE (.RET)"},
               {real, kGreen, Side::Left, 2, 6, "TRUE ENGINE SPEED"},
               {deviation, kOrange, Side::Right, 2, 0, "SMOOTHED - TRUE (RIGHT)"}});
    return picture;
}

Picture powerPicture(const PowerResult& result, const EngineCurve& engine, const Varia& store)
{
    const float watts = factor(store, "LbConvertionWatt", 1.0f);
    const float nm = factor(store, "LbConvertionNm", 1.0f);
    Points power, torque, truePower, trueTorque;
    for (int r = 10; r <= result.pointCount - 40; ++r) {
        const PowerRow& row = result.table[static_cast<std::size_t>(r)];
        power.emplace_back(row.rpm, row.power);
        torque.emplace_back(row.rpm, row.torque);
    }
    const auto [rpmLo, rpmHi] = range(power, {}, false);
    for (double rpm = rpmLo; rpm <= rpmHi; rpm += 10.0) {
        truePower.emplace_back(rpm, engine.power(rpm) / watts);
        trueTorque.emplace_back(rpm, engine.torque(rpm) * nm);
    }
    const std::string p = store.get("LbUnitePuissance");
    const std::string c = store.get("LbUniteCouple");
    ChartSetup setup;
    setup.title = "POWER AND TORQUE: MEASURED (SOLID) AND TRUE (DASHED)";
    setup.xName = "ENGINE SPEED (" + store.get("LbUniteRegime") + ")";
    setup.leftName = store.get("LbPuissance") + " (" + p + ")";
    setup.rightName = store.get("LbCouple") + " (" + c + ")";
    setup.xRange = {rpmLo, rpmHi};
    const auto [pLo, pHi] = range(power, truePower);
    const auto [cLo, cHi] = range(torque, trueTorque);
    setup.leftRange = {std::min(0.0, pLo), pHi * 1.05};
    setup.rightRange = {std::min(0.0, cLo), cHi * 1.05};
    setup.legendBottomRight = true;
    Picture picture(kDemoPictureWidth, kDemoPictureHeight);
    drawChart(picture, setup,
              {{power, kRed, Side::Left, 4, 0, "MEASURED POWER"},
               {torque, kBlue, Side::Right, 4, 0, "MEASURED TORQUE"},
               {truePower, kDarkRed, Side::Left, 2, 6, "TRUE POWER"},
               {trueTorque, kDarkBlue, Side::Right, 2, 6, "TRUE TORQUE"}});
    return picture;
}

Picture accelerationPicture(const AccelerationModel& model, const Varia& store)
{
    const float coef = factor(store, "Lbcoefkm", 1.0f);
    const ResultSeries& s = model.series();
    Points speed, distance;
    for (std::int32_t i = 1; i < model.shownLength(); ++i) {
        const auto k = static_cast<std::size_t>(i);
        speed.emplace_back(s.time[k], coef * s.speed[k]);
        distance.emplace_back(s.time[k], s.distance[k]);
    }
    const std::string unit = store.get("LbkmhMph") + "/H";
    ChartSetup setup;
    setup.title = "STANDING START THROUGH THE GEARS";
    setup.xName = "TIME (S)";
    setup.leftName = "SPEED (" + unit + ")";
    setup.rightName = "DISTANCE (M)";
    setup.xRange = range(speed, {}, false);
    setup.leftRange = {0.0, range(speed).second * 1.05};
    setup.rightRange = {0.0, range(distance).second * 1.05};
    Picture picture(kDemoPictureWidth, kDemoPictureHeight);
    drawChart(picture, setup,
              {{speed, kRed, Side::Left, 2, 0, "SPEED"}, {distance, kBlue, Side::Right, 2, 0, "DISTANCE"}});
    return picture;
}

}  // namespace vornax
