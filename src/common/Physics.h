// The physical constants and unit factors of the car's power balance, in one
// place for the power computation, the acceleration simulation and the
// synthetic car that must agree with both. The values are those the
// program's computations have always used; changing one changes every
// measured curve.
#pragma once

namespace vornax::physics {

// Air drag: ½ · air density (kg/m³), times S·Cx (m²) and the speed cubed
// gives the drag power in W.
inline constexpr double kHalfAirDensity = 0.601;

// Rolling resistance per kg of car: rolling coefficient × g (m/s²) × an
// allowance for the rest of the drivetrain's drag. The power computation
// multiplies them out one by one in this order; the product is
// kRollingPerKg (N/kg) = 0,112815.
inline constexpr double kRollingCoefficient = 0.01;
inline constexpr double kGravity = 9.81;
inline constexpr double kRollingAllowance = 1.15;
inline constexpr double kRollingPerKg = kRollingCoefficient * kGravity * kRollingAllowance;
static_assert(kRollingPerKg == 0.112815);

// π as each computation writes it: the power computation with 12 digits, the
// acceleration simulation with the single 3,1416 (engine speed <-> angular
// speed). Their results depend on these exact values.
inline constexpr double kPowerPi = 3.14159265359;
inline constexpr float kSimulationPi = 3.1416f;

// π as the average writes it when it sums power (3,14: the stored average
// files were made so), and 2π as the acceleration simulation turns a wheel
// radius into its circumference (6,2832).
inline constexpr double kAveragePi = 3.14;
inline constexpr float kSimulationTwoPi = 6.2832f;

// Seconds per minute: rpm <-> revolutions per second; as a single for the
// computations kept in single precision (60 is exact in both).
inline constexpr double kSecondsPerMinute = 60.0;
inline constexpr float kSecondsPerMinuteSingle = 60.0f;

// km/h per m/s, and m/s per km/h.
inline constexpr double kKmhPerMps = 3.6;
inline constexpr double kMpsPerKmh = 1.0 / kKmhPerMps;

// Tyre sizes: mm per cm and cm per inch (a rim's diameter is in inches).
inline constexpr double kMmPerCm = 10.0;
inline constexpr double kCmPerInch = 2.54;
inline constexpr double kMetresPerInch = 0.0254;

}  // namespace vornax::physics
