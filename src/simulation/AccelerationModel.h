// The acceleration model: the configured car driven from standstill with the
// loaded torque curve, in steps of 0.01 s, through a launch with a slipping
// clutch, then each gear in turn separated by gear changes during which no
// torque reaches the wheels. Every step appends one sample (time s, speed
// km/h, distance m) to the result series and, in the gear phases, updates the
// result figures (top speed, 0-100 km/h, 400 m and 1000 m times).
//
// Arithmetic follows the program's stored results: quantities kept in single
// precision are rounded to float where they are stored, the drag, rolling and
// acceleration terms are doubles.
#pragma once

#include "common/Result.h"
#include "formats/AccelerationFile.h"
#include "store/Varia.h"
#include "simulation/TorqueCurve.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vornax {

struct PhaseQuantities;

// The texts of the window's input fields, as typed (decimal comma).
struct SimulationFields {
    std::string textPoid;        // mass, kg (whole number)
    std::string TextRP;          // final drive ratio
    std::string InertieVol;      // engine inertia, kg·m²
    std::string TextPneuL;       // tyre width, mm
    std::string TextPneuH;       // tyre height, % of the width
    std::string TextPneuD;       // rim diameter, inch
    std::string RPMCh = "4500";  // gear-change engine speed, tr/min
    std::string TMPch = "0,5";   // gear-change time, s
    std::string txtfin = "60";   // simulated duration, s

    // The six vehicle fields filled from the store (LbPoid, LbRp, LbImoteur,
    // LbLp, LbHp, LbDp), the others at their initial texts.
    static SimulationFields fromStore(const Varia& store);
};

// What one run reads: the window's fields, the store (gear ratios, losses,
// SCx, gearbox, unit factors, captions) and the torque curve.
struct SimulationInputs {
    const SimulationFields& fields;
    const Varia& store;
    const TorqueCurve& curve;
};

// The texts of the result labels. A figure the last run never attained is
// emptied; the others keep the last run's texts until overwritten.
struct ResultLabels {
    std::string lbVmaxi = "0";  // top speed, display unit, "#0.0"
    std::string lbvte;          // "<unit>/h en <gear> à <rpm> tr/min"
    std::string lbT0100 = "0";
    std::string lb400mDA = "0";
    std::string lb1000mDA = "0";
};

// Phase numbers passed to SimulatePhase: 0 launch, 1-6 gears, 7 gear change.
inline constexpr int kLaunchPhase = 0;
inline constexpr int kGearChangePhase = 7;

enum class PhaseEnd {
    Finished,
    Error,          // a value that does not convert or overflows, a division
                    // by zero, or a full series: the phase ended at once
    LaunchStalled,  // the launch can never reach its end speed
};

// Number of gears N: the gears the power window offers for the box
// (gearboxGears: 5 when lblboite reads as 7, 6 when it reads as 8, otherwise
// 4, also when lblboite is not a number).
int simulatedGears(const Varia& store);

// Refuses, with a message naming the field or entry, what would make a run
// meaningless: a curve of fewer than three data rows, an input field or a
// store entry the run converts that is not a number ("?" before the vehicle
// is confirmed), a torque factor of 0, a gear-change engine speed above the
// curve's top engine speed.
Status checkRunInputs(const SimulationInputs& in);

// Moves the curve row for engine speed rpm, searching upwards from `row`: the
// last row whose engine speed does not exceed rpm when the search starts at
// or below it; one row back when the first row read already exceeds it; the
// row before the last data row when rpm is above every row. Never below 0.
std::int16_t FindCurveRow(const TorqueCurve& curve, std::int16_t row, float rpm);

class AccelerationModel {
public:
    // Checks the inputs, then runs launch, gear 1, and for each further gear
    // a gear change and that gear. Fails without touching the series or the
    // labels when checkRunInputs refuses; fails after the launch when the car
    // cannot reach the launch end speed (the launch samples stay).
    Status simulate(const SimulationInputs& in);

    // Empties the series (sample 0 at 0 s, 0 km/h, 0 m) and sets the maximum
    // speed to 1 km/h.
    void startRun();

    // Simulates one phase from startSpeed (km/h), appending samples; on
    // return phaseEndSpeed() holds the speed handed to the next phase (left
    // as it was when the phase ended on an error).
    PhaseEnd SimulatePhase(int phase, float startSpeed, const SimulationInputs& in);

    const ResultSeries& series() const { return series_; }
    const ResultLabels& labels() const { return labels_; }
    float maxSpeed() const { return maxSpeed_; }
    float phaseEndSpeed() const { return phaseEndSpeed_; }
    float launchSpeed() const { return launchSpeed_; }
    std::int16_t curveRow() const { return curveRow_; }
    // True once a run has ended (the series holds a run's samples).
    bool hasRun() const { return hasRun_; }
    // Shown length K: the index of the last sample minus one when the last
    // run ended (0 before any run). The plot and the file use samples up to K.
    std::int32_t shownLength() const { return shownLength_; }

private:
    PhaseEnd launch(const PhaseQuantities& q, const TorqueCurve& curve);
    PhaseEnd gear(int phase, float startSpeed, const PhaseQuantities& q, const SimulationInputs& in);
    PhaseEnd gearChange(float startSpeed, const PhaseQuantities& q, const TorqueCurve& curve);
    bool append(float speed);
    void noteGearSample(int phase, float rpm, float coef);
    void flushLabels(const SimulationInputs& in);

    ResultSeries series_;
    ResultLabels labels_;
    float maxSpeed_ = 1.0f;
    float phaseEndSpeed_ = 0.0f;
    float launchSpeed_ = 0.0f;
    std::int16_t curveRow_ = 0;
    bool hasRun_ = false;
    std::int32_t shownLength_ = 0;

    // Figures reached during the current phase, turned into label texts when
    // the phase ends (formatting every step would cost more than the step).
    struct Pending {
        bool top = false, t0100 = false, t400 = false, t1000 = false;
        float topShown = 0, topRpm = 0, time0100 = 0, time400 = 0, time1000 = 0;
        int topPhase = 0;
    } pending_;
};

}  // namespace vornax
