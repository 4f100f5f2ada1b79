#include "pictures/PlotPictures.h"

#include "common/NumberText.h"
#include "formats/AccelerationFile.h"
#include "power/PowerChart.h"
#include "power/PowerTexts.h"
#include "common/Translation.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

namespace vornax {
namespace {

std::string titled(const std::string& word, const std::string& unit)
{
    if (word.empty())
        return unit;
    return unit.empty() ? word : word + " (" + unit + ")";
}

std::string rpmUnit(const Varia& store)
{
    const std::string unit = store.get("LbUniteRegime");
    return unit.empty() ? "tr/min" : unit;
}

}  // namespace

void PlotPicture::widenCurves(double width)
{
    for (PlotItem& item : plot.items)
        if (auto* p = std::get_if<PlotPolyline>(&item))
            p->width = width;
}

PlotPicture speedCurvePicture(const SpeedPlot& plot, const Varia& store)
{
    PlotPicture picture;
    picture.plot = plot.plot;
    picture.frame.left.assign(plot.speedLabels.begin(), plot.speedLabels.end());
    picture.frame.bottom.assign(plot.timeLabels.begin(), plot.timeLabels.end());
    picture.frame.leftTitle = rpmUnit(store);
    picture.frame.bottomTitle = "s";
    return picture;
}

PlotPicture powerChartPicture(const PowerResult& result, const Varia& store, const PowerCorrection& correction)
{
    PlotPicture picture;
    picture.plot = powerChart(result);
    const AxisLabels labels = axisLabels(result.scale);
    PlotFrame& f = picture.frame;
    f.left.assign(labels.power.begin(), labels.power.end());
    f.right.assign(labels.torque.begin(), labels.torque.end());
    f.bottom.assign(labels.rpm.begin(), labels.rpm.end());
    f.leftTitle = titled(store.get("LbPuissance"), store.get("LbUnitePuissance"));
    f.rightTitle = titled(store.get("LbCouple"), store.get("LbUniteCouple"));
    f.bottomTitle = rpmUnit(store);
    const SummaryLines summary = summaryLines(result.extremes, store, correction);
    f.notes = {summary.power, summary.torque};
    return picture;
}

std::pair<Rgb, Rgb> comparisonColours(std::size_t k)
{
    // The window's own colours, so that a picture and the window agree.
    const compare::SlotColours colours = compare::slotColours(static_cast<int>(k % compare::kSlotCount));
    return {colours.torque, colours.power};
}

Result<PlotPicture> comparisonPicture(const compare::CurveSet& slots, const Varia& store)
{
    compare::PlotMemory memory;
    const compare::PlotOptions shown{true, true};
    const compare::PlotDrawing drawing = compare::plotCurves(slots, shown, compare::plotTextsFrom(store), memory);
    if (drawing.stop != compare::PlotStop::None || !drawing.scaleWidth)
        return Failure{tx("PlotPictures", "the curves have no extent to draw (a flat or empty curve)")};
    return PlotPicture{drawing.plot, comparisonFrame(drawing, slots, shown, store)};
}

PlotFrame comparisonFrame(const compare::PlotDrawing& drawing, const compare::CurveSet& slots,
                          const compare::PlotOptions& shown, const Varia& store)
{
    const compare::PlotTexts texts = compare::plotTextsFrom(store);
    PlotFrame f;
    const auto label = [&](int n) { return drawing.labels[static_cast<std::size_t>(n)].value_or(std::string()); };
    for (int n = 1; n <= 10; ++n) {
        f.left.push_back(label(n));
        f.right.push_back(label(10 + n));
    }
    for (int n = 21; n <= 29; ++n)
        f.bottom.push_back(label(n));
    f.leftTitle = titled(texts.power, label(30));
    f.rightTitle = titled(texts.torque, label(31));
    f.bottomTitle = rpmUnit(store);
    f.notes = {drawing.label76, drawing.label77};
    // The legend naming each file is part of the plot's own list, as in the
    // window; below the plot, each file's own maxima, which the window's two
    // max lines give only for the highest curve.
    f.legendBelow = true;  // one file to a row: its power, then its torque
    for (const compare::CurveSlot& slot : slots) {
        if (!slot.ticked)
            continue;
        // Each file's own maxima, found as the plot finds the overall ones.
        compare::PlotMemory own;
        const float power = compare::curveMax(slot, compare::Column::Power, 0, own);
        const float torque = compare::curveMax(slot, compare::Column::Torque, 0, own);
        const std::string name = std::filesystem::path(slot.path).filename().string();
        const auto maximum = [&](float value, const std::string& unit, float rpm) {
            return " max " + formatPattern(value, Pattern::TwoDecimals) + unit + " / " +
                   formatPattern(rpm, Pattern::Whole) + " " + rpmUnit(store);
        };
        if (shown.showPower)
            f.legend.push_back(
                {name + " – " + texts.power + maximum(power, texts.powerUnit, own.rpmAtMaxPower), slot.powerColour});
        if (shown.showTorque)
            f.legend.push_back({name + " – " + texts.torque + maximum(torque, texts.torqueUnit, own.rpmAtMaxTorque),
                                slot.torqueColour});
    }
    return f;
}

PlotPicture accelerationPicture(const SpeedTimePicture& drawn, const Varia& store, const std::string& distanceUnit)
{
    PlotPicture picture;
    picture.plot = drawn.plot;
    PlotFrame& f = picture.frame;
    for (int i = 5; i >= 0; --i) {
        f.left.push_back(drawn.speedLabels[static_cast<std::size_t>(i)].value_or(std::string()));
        f.right.push_back(drawn.distanceLabels[static_cast<std::size_t>(i)]);
    }
    f.bottom.assign(drawn.timeLabels.begin(), drawn.timeLabels.end());
    const std::string speedUnit = store.get("LbkmhMph");
    f.leftTitle = speedUnit.empty() ? "km/h" : speedUnit + "/h";
    f.rightTitle = distanceUnit;
    f.bottomTitle = "s";
    return picture;
}

Result<PlotFileKind> plotFileKind(const std::vector<std::string>& lines)
{
    std::vector<const std::string*> data;
    for (const std::string& line : lines)
        if (line.find(';') != std::string::npos && data.size() < 2)
            data.push_back(&line);
    if (data.empty())
        return Failure{
            tx("PlotPictures", "neither a curve, a power curve nor an acceleration file (no line holds a \";\")")};
    if (std::count(data[0]->begin(), data[0]->end(), ';') == 1)
        return PlotFileKind::Curve;
    if (data.size() == 2) {
        const auto first = [](const std::string& line) { return parseSingle(line.substr(0, line.find(';'))); };
        const auto a = first(*data[0]), b = first(*data[1]);
        if (a && b && std::abs(double(*b) - double(*a) - double(kAccelerationStep)) < 0.0005)
            return PlotFileKind::Acceleration;
    }
    return PlotFileKind::Power;
}

}  // namespace vornax
