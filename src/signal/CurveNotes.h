// How an engine-speed curve was made, kept beside its curve file in a small
// text file of its own ("run.ReT" gets "run.ReT.info"), since the curve file
// holds only its points and its readers accept nothing else. One "key=value"
// line each, CR LF, numbers with the decimal comma:
//
//   curve=9f3a0c1d2e4b5a67    fingerprint of the curve file's bytes
//   recording=run.wav         the recording's name, without folder
//   method=standard           standard, precise or unsmoothed
//   threshold=165  polarity=high  sparks-per-rev=0,5
//   level=1  bezier-skip=10  average=1  bezier=1       (standard)
//   rpm-uncertainty=0,052  power-uncertainty=0,31      (precise, % at 1 sigma)
//
// The notes count only while the fingerprint matches the curve file: a curve
// written again by anything that does not write notes leaves them stale, and
// stale notes are ignored. Unknown keys are ignored, so later notes load.
#pragma once

#include "common/Result.h"
#include "signal/Smoothing.h"
#include "signal/SparkDetection.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vornax {

enum class CurveMethod { Unsmoothed, Standard, Precise };

struct CurveNotes {
    std::string recording;  // name without folder; "" when unknown
    CurveMethod method = CurveMethod::Unsmoothed;
    std::optional<int> threshold;
    std::optional<bool> lowPolarity;
    std::optional<float> sparksPerRev;
    SmoothingSettings smoothing;                                   // with the standard method
    std::optional<double> rpmUncertaintyPct, powerUncertaintyPct;  // with the precise method
};

// "run.ReT" → "run.ReT.info".
std::filesystem::path curveNotesPath(const std::filesystem::path& curveFile);

// 64-bit FNV-1a of the bytes, as 16 hexadecimal digits.
std::string curveFingerprint(std::string_view bytes);

std::string curveNotesText(const CurveNotes& notes, std::string_view curveBytes);
// nullopt when the text is not notes of these curve bytes (fingerprint
// missing or different, no method, a method or number it does not know).
std::optional<CurveNotes> parseCurveNotes(std::string_view text, std::string_view curveBytes);

// Writes the notes of the curve file just saved (read back for its
// fingerprint), atomically.
Status saveCurveNotes(const std::filesystem::path& curveFile, const CurveNotes& notes);
// The notes of a curve file; nullopt when there are none or they are stale.
std::optional<CurveNotes> loadCurveNotes(const std::filesystem::path& curveFile);

}  // namespace vornax
