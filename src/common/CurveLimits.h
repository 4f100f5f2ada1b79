// How many lines an engine-speed curve may have for the power computation,
// and so how many rows a power curve holds: the tables of the power window,
// of the torque curve the acceleration model reads, and of the average are
// this long, and the files they write and read were always made to fit.
#pragma once

namespace vornax {

// Lines of an engine-speed curve the power computation reads (rows 0 ... 5000
// of its table), and lines of a power curve file (data and factor lines).
inline constexpr int kMaxPowerLines = 5001;

}  // namespace vornax
