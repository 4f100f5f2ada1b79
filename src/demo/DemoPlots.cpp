#include "demo/DemoPlots.h"

#include "power/PowerChart.h"
#include "store/StoreReadings.h"
#include "signal/SignalPlots.h"
#include "simulation/SpeedTimePlot.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace vornax {
namespace {

constexpr Rgb kSmoothColour{0, 70, 220};
constexpr Rgb kTrueColour{0, 150, 60};
constexpr Rgb kTruePowerColour{130, 0, 0};
constexpr Rgb kTrueTorqueColour{0, 0, 120};
constexpr double kCurveWidth = 2.0;

}  // namespace

std::optional<PlotList> engineSpeedPicture(const Curve& raw, const std::vector<RunPoint>& saved,
                                           const std::vector<MotionSample>& truth, const Varia& store)
{
    const auto plot = graphtemp(raw);
    if (!plot)
        return std::nullopt;
    PlotPicture picture = speedCurvePicture(*plot, store);
    picture.widenCurves(kCurveWidth);
    // A spark's time is its file position over the rate, so it counts the
    // 44 header bytes and the first data byte; the truth starts at 0.
    constexpr double kHeaderSeconds = 45.0 / 44100.0;
    const auto at = [&](double time, double rpm) -> PlotPoint { return {time - plot->timeLeft, plot->speedTop - rpm}; };
    std::vector<PlotPoint> smooth, real;
    for (const RunPoint& p : saved)
        smooth.push_back(at(p.time, p.rpm));
    for (const MotionSample& s : truth)
        real.push_back(at(s.time + kHeaderSeconds, s.rpm));
    picture.plot.polyline(smooth, kSmoothColour, kCurveWidth);
    picture.plot.polyline(real, kTrueColour, kCurveWidth, true);
    picture.frame.title = "Engine speed from the sparks";
    picture.frame.legend = {{"One point per spark", kSpeedPlotCurveColour},
                            {"Smoothed curve (.ReT)", kSmoothColour},
                            {"True engine speed", kTrueColour, kCurveWidth, true}};
    return picture.drawn();
}

Result<PlotList> powerPicture(const PowerResult& result, const EngineCurve& engine, const Varia& store)
{
    const auto units = displayUnits(store);
    if (!units)
        return Failure{units.error()};
    const float watts = units->wattsPerPowerUnit;
    const float nm = units->torquePerNm;
    PlotPicture picture = powerChartPicture(result, store);
    picture.widenCurves(kCurveWidth);
    const ChartScale& s = result.scale;
    double rpmLo = s.rpmRight, rpmHi = s.rpmLeft;
    for (int r = 10; r <= result.pointCount - 39; ++r) {
        rpmLo = std::min<double>(rpmLo, result.table[static_cast<std::size_t>(r)].rpm);
        rpmHi = std::max<double>(rpmHi, result.table[static_cast<std::size_t>(r)].rpm);
    }
    std::vector<PlotPoint> truePower, trueTorque;
    for (double rpm = rpmLo; rpm <= rpmHi; rpm += 10.0) {
        truePower.push_back({chartX(s, rpm), chartPowerY(s, engine.power(rpm) / watts)});
        trueTorque.push_back({chartX(s, rpm), chartTorqueY(s, engine.torque(rpm) * nm)});
    }
    picture.plot.polyline(truePower, kTruePowerColour, kCurveWidth, true);
    picture.plot.polyline(trueTorque, kTrueTorqueColour, kCurveWidth, true);
    picture.frame.title = "Power and torque: measured (solid) and true (dashed)";
    picture.frame.legend = {{"Measured power", kPowerColour},
                            {"Measured torque", kTorqueColour},
                            {"True power", kTruePowerColour, kCurveWidth, true},
                            {"True torque", kTrueTorqueColour, kCurveWidth, true}};
    return picture.drawn();
}

Result<PlotList> accelerationPicture(const AccelerationModel& model, const Varia& store)
{
    const auto perKmh = speedFactor(store);
    if (!perKmh)
        return Failure{perKmh.error()};
    const SpeedTimePicture drawn =
        DrawSpeedTime(model.series(), model.shownLength(), model.maxSpeed(), *perKmh, 1.0, 1.0);
    PlotPicture picture = accelerationPicture(drawn, store);
    picture.widenCurves(kCurveWidth);
    picture.frame.title = "Standing start through the gears";
    picture.frame.legend = {{"Speed", kSpeedCurveColour}, {"Distance", kDistanceCurveColour}};
    const ResultLabels& labels = model.labels();
    for (const auto& [caption, figure] :
         {std::pair{store.get("Lb0100km"), labels.lbT0100}, std::pair{store.get("Lb400mDa"), labels.lb400mDA},
          std::pair{store.get("Lb1000mDA"), labels.lb1000mDA}})
        if (!figure.empty())
            picture.frame.notes.push_back(caption + ": " + figure + " s");
    return picture.drawn();
}

}  // namespace vornax
