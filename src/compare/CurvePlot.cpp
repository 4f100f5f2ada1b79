#include "compare/CurvePlot.h"

#include "common/NumberText.h"
#include "common/PlotMapping.h"
#include "common/Translation.h"
#include "store/Varia.h"

#include <cmath>

namespace vornax::compare {
namespace {

// Bounds are widened by 5 % of themselves: the product is formed in double
// and the bound rounded back to a single.
float widened(float bound) { return static_cast<float>(double(bound) + double(bound) * 0.05); }
float narrowed(float bound) { return static_cast<float>(double(bound) - double(bound) * 0.05); }

std::string oneDecimal(float value) { return formatPattern(value, Pattern::OneDecimal); }

// Label values from the top (k = 9, the maximum) down to the bottom (k = 0,
// the minimum), into `first` .. `first` + 9.
void valueLabels(PlotDrawing& drawing, int first, float minimum, float maximum, float range)
{
    drawing.labels[first] = oneDecimal(maximum);
    for (int k = 8; k >= 1; --k)
        drawing.labels[first + 9 - k] = oneDecimal(minimum + range * static_cast<float>(k) / 9.0f);
    drawing.labels[first + 9] = oneDecimal(minimum);
}

void emptyLabels(PlotDrawing& drawing, int unitLabel, int first)
{
    drawing.labels[unitLabel] = std::string();
    for (int i = first; i < first + 10; ++i)
        drawing.labels[i] = std::string();
}

// Speed labels are whole rpm in a 16-bit integer, halves to even.
std::optional<std::string> speedLabel(double rpm)
{
    const double rounded = std::nearbyint(rpm);
    if (!(rounded >= -32768.0 && rounded <= 32767.0))
        return std::nullopt;
    return formatPattern(rounded, Pattern::Whole);
}

void polyline(const CurveSlot& slot, float minRpm, Rgb colour, bool dashed, PlotList& plot,
              float (*y)(const PowerPoint&, const PlotBounds&), const PlotBounds& bounds)
{
    std::vector<PlotPoint> points;
    for (int i = 1; i <= slot.pointCount - 1; ++i) {
        const PowerPoint p = slot.point(i);
        if (i > 1 && slot.point(i - 1).rpm > p.rpm)
            break;  // the run ends where the engine speed drops
        points.push_back({double(p.rpm - minRpm), double(y(p, bounds))});
    }
    plot.polyline(points, colour, 1.0, dashed);
}

// " (name)" after a summary line, for a maximum held by a slot with a file.
std::string namedBy(const CurveSlot* slot)
{
    return slot && !slot->path.empty() ? " (" + curveName(slot->path) + ")" : std::string();
}

PlotLegend legendOf(const CurveSet& slots, const PlotOptions& options)
{
    PlotLegend legend;
    for (const CurveSlot& slot : slots) {
        if (!slot.ticked || slot.path.empty())
            continue;
        PlotLegendEntry entry{curveName(slot.path), {}};
        if (options.showPower)
            entry.samples.push_back({slot.powerColour, false});
        if (options.showTorque)
            entry.samples.push_back({slot.torqueColour, true});
        legend.entries.push_back(std::move(entry));
    }
    return legend;
}

}  // namespace

PlotTexts plotTextsFrom(const Varia& store)
{
    return {store.get("LbPuissance"), store.get("LbUnitePuissance"), store.get("LbCouple"), store.get("LbUniteCouple")};
}

float curveMax(const CurveSlot& slot, Column column, float running, PlotMemory& memory)
{
    for (int i = 1; i <= slot.pointCount - 1; ++i) {
        const PowerPoint p = slot.point(i);
        const float v = valueOf(p, column);
        if (v > running) {
            running = v;
            if (column == Column::Power)
                memory.rpmAtMaxPower = p.rpm;
            else if (column == Column::Torque)
                memory.rpmAtMaxTorque = p.rpm;
        }
    }
    return running;
}

float curveMin(const CurveSlot& slot, Column column, float running)
{
    for (int i = 1; i <= slot.pointCount - 1; ++i) {
        const float v = valueOf(slot.point(i), column);
        if (v < running)
            running = v;
    }
    return running;
}

void plotSlot(const CurveSlot& slot, const PlotBounds& bounds, const PlotOptions& options, PlotList& plot)
{
    if (options.showTorque)
        polyline(
            slot, bounds.minRpm, slot.torqueColour, true, plot,
            [](const PowerPoint& p, const PlotBounds& b) {
                return b.torqueScale * b.maxTorque - b.torqueScale * p.torque;
            },
            bounds);
    if (options.showPower)
        polyline(
            slot, bounds.minRpm, slot.powerColour, false, plot,
            [](const PowerPoint& p, const PlotBounds& b) { return b.maxPower - p.power; }, bounds);
}

PlotDrawing plotCurves(const CurveSet& slots, const PlotOptions& options, const PlotTexts& texts, PlotMemory& memory)
{
    PlotDrawing drawing;

    // Lower bounds and the speed range start from slot 0's first point,
    // whether or not slot 0 is ticked (zeros when it was never loaded).
    const PowerPoint origin = slots[0].point(0);
    float maxPower = 0, maxTorque = 0;
    float minPower = origin.power, minTorque = origin.torque;
    float minRpm = origin.rpm, maxRpm = origin.rpm;
    const CurveSlot* powerHolder = nullptr;
    const CurveSlot* torqueHolder = nullptr;
    for (const CurveSlot& slot : slots) {
        if (!slot.ticked)
            continue;
        const float powerBefore = maxPower, torqueBefore = maxTorque;
        maxPower = curveMax(slot, Column::Power, maxPower, memory);
        if (maxPower > powerBefore)
            powerHolder = &slot;
        minPower = curveMin(slot, Column::Power, minPower);
        maxTorque = curveMax(slot, Column::Torque, maxTorque, memory);
        if (maxTorque > torqueBefore)
            torqueHolder = &slot;
        minTorque = curveMin(slot, Column::Torque, minTorque);
        maxRpm = curveMax(slot, Column::Rpm, maxRpm, memory);
        minRpm = curveMin(slot, Column::Rpm, minRpm);
    }

    const std::string rpmUnit = tx("CurvePlot", "tr/min");
    drawing.label76 = texts.power + " max: " + formatPattern(maxPower, Pattern::TwoDecimals) + texts.powerUnit + " / " +
                      formatPattern(memory.rpmAtMaxPower, Pattern::OneDecimal) + " " + rpmUnit + namedBy(powerHolder);
    drawing.label77 = texts.torque + " max: " + formatPattern(maxTorque, Pattern::TwoDecimals) + texts.torqueUnit +
                      " / " + formatPattern(memory.rpmAtMaxTorque, Pattern::OneDecimal) + " " + rpmUnit +
                      namedBy(torqueHolder);
    if (powerHolder && !powerHolder->path.empty())
        drawing.powerMaxCurve = curveName(powerHolder->path);
    if (torqueHolder && !torqueHolder->path.empty())
        drawing.torqueMaxCurve = curveName(torqueHolder->path);

    maxPower = widened(maxPower);
    maxTorque = widened(maxTorque);
    maxRpm = widened(maxRpm);
    minPower = narrowed(minPower);
    minTorque = narrowed(minTorque);
    minRpm = narrowed(minRpm);
    const float rpmRange = maxRpm - minRpm;
    float powerRange = maxPower - minPower;
    const float torqueRange = maxTorque - minTorque;
    for (float v : {maxPower, maxTorque, maxRpm, minPower, minTorque, minRpm, rpmRange, powerRange, torqueRange})
        if (!std::isfinite(v)) {
            drawing.stop = PlotStop::Margins;
            return drawing;
        }

    const float ratio = torqueRange / powerRange;
    if (powerRange == 0.0f || !std::isfinite(ratio)) {
        drawing.stop = PlotStop::Ratio;
        return drawing;
    }
    memory.readout = {minRpm, minPower, minTorque, ratio};

    float torqueScale = 1;
    if (options.showPower) {
        drawing.labels[30] = texts.powerUnit;
        valueLabels(drawing, 1, minPower, maxPower, powerRange);
    } else {
        emptyLabels(drawing, 30, 1);
        powerRange = torqueRange;
        if (torqueRange == 0.0f) {
            drawing.stop = PlotStop::PowerAxis;
            return drawing;
        }
        torqueScale = powerRange / torqueRange;
    }

    if (options.showTorque) {
        drawing.labels[31] = texts.torqueUnit;
        valueLabels(drawing, 11, minTorque, maxTorque, torqueRange);
        torqueScale = powerRange / torqueRange;
        if (torqueRange == 0.0f || !std::isfinite(torqueScale)) {
            drawing.stop = PlotStop::TorqueAxis;
            return drawing;
        }
    } else {
        emptyLabels(drawing, 31, 11);
    }

    static constexpr double kSpeedSteps[] = {0.125, 0.25, 0.375, 0.5, 0.625, 0.75, 0.875};
    std::array<double, 9> speeds{};
    speeds[0] = minRpm;
    for (int k = 0; k < 7; ++k)
        speeds[k + 1] = double(minRpm) + double(rpmRange) * kSpeedSteps[k];
    speeds[8] = maxRpm;
    for (int k = 0; k < 9; ++k) {
        drawing.labels[21 + k] = speedLabel(speeds[k]);
        if (!drawing.labels[21 + k]) {
            drawing.stop = PlotStop::SpeedAxis;
            return drawing;
        }
    }

    drawing.cleared = true;
    const double height = powerRange, width = rpmRange;
    if (!PlotMapping::validExtent(height)) {
        drawing.stop = PlotStop::ScaleHeight;
        return drawing;
    }
    drawing.scaleHeight = height;
    if (!PlotMapping::validExtent(width)) {
        drawing.stop = PlotStop::ScaleWidth;
        return drawing;
    }
    drawing.scaleWidth = width;
    drawing.plot.scaleWidth = width;
    drawing.plot.scaleHeight = height;

    const Rgb black{0, 0, 0};
    for (int i = 0; i <= 9; ++i) {
        const double y = height - height * i / 9.0;
        drawing.plot.line(0, y, width, y, black);
    }
    for (int i = 0; i <= 8; ++i) {
        const double x = width - width * i / 8.0;
        drawing.plot.line(x, height, x, 0, black);
    }

    const PlotBounds bounds{minRpm, maxPower, maxTorque, torqueScale};
    for (const CurveSlot& slot : slots)
        if (slot.ticked)
            plotSlot(slot, bounds, options, drawing.plot);
    if (!options.showPower && !options.showTorque)
        // A grid alone would look like curves that failed to load.
        drawing.plot.text(width / 2, height / 2,
                          tx("CurvePlot", "Tick \"%1\" or \"%2\" to see the curves").arg(texts.power).arg(texts.torque),
                          TextAnchor::Centre, {0, 0, 0}, 14.0);
    else
        drawing.plot.legend(legendOf(slots, options));
    return drawing;
}

}  // namespace vornax::compare
