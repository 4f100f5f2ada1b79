#include "signal/WavCheckLine.h"

#include "common/NumberText.h"
#include "common/Translation.h"
#include "signal/ChannelChoice.h"
#include "signal/PreciseCurve.h"
#include "signal/SignalVerdict.h"
#include "signal/SparkCheck.h"

namespace vornax {
namespace {

// Every figure of the window takes a decimal comma, in every language.
constexpr bool kDecimalPoint = false;

std::string seconds(double s) { return formatPattern(s, Pattern::OneDecimal); }

std::string uncertainty(const PreciseUncertainty& u) { return uncertaintyLine(u.first, u.second, kDecimalPoint); }

}  // namespace

CheckLine sparkLine(const SparkLineInput& input)
{
    static const std::vector<double> none;
    const std::vector<double>& times = input.sparkTimes ? *input.sparkTimes : none;
    CheckLine line;
    if (input.tooFewSparks) {
        line.text = tx("vornax::WavWindow", "Pas assez d'étincelles au seuil %1 entre le début et la fin : changez le "
                                            "seuil ou appuyez sur Auto")
                        .arg(std::to_string(input.threshold));
        return line;
    }
    const SparkCheck check = times.empty() ? SparkCheck{} : checkSparks(times);
    if (!times.empty())
        line.untrusted = signalVerdictLine(judgeSparks(times, check, input.sparksPerRev), kDecimalPoint);
    if (!line.untrusted.empty()) {
        line.loud = true;
        line.text = tx("vornax::WavWindow", "COURBE NON FIABLE, %1 : essayez l'autre canal, le seuil Auto ou l'autre "
                                            "nombre d'étincelles par tour")
                        .arg(line.untrusted);
        return line;
    }
    // How many sparks the detection found, and what the check made of them.
    if (!times.empty()) {
        const std::string found = sparkCheckLine(check, kDecimalPoint);
        const std::string count = std::to_string(times.size());
        line.text = found.empty() ? tx("vornax::WavWindow", "%1 étincelles, aucune manquée").arg(count).str()
                                  : tx("vornax::WavWindow", "%1 étincelles : %2").arg(count).arg(found).str();
    }
    if (input.precise)
        line.text += (line.text.empty() ? "" : "   ") + uncertainty(*input.precise);
    return line;
}

CheckLine soundLine(const SoundLineInput& t)
{
    CheckLine line;
    line.text = tx("vornax::WavWindow", "Son du moteur : %1 allumages par tour, accélération de %2 à %3 s suivie à "
                                        "%4 %, confiance %5 dB")
                    .arg(singleText(float(t.firingsPerRev)))
                    .arg(seconds(t.pullStart))
                    .arg(seconds(t.pullEnd))
                    .arg(formatPattern(100.0 * t.followedShare, Pattern::OneDecimal))
                    .arg(formatPattern(t.medianConfidenceDb, Pattern::OneDecimal));
    if (t.channels > 1)
        line.text += ", " + channelUsedLine(t.channel, t.channels);
    if (!t.steadyLinesHz.empty()) {
        std::string lines;
        for (const double hz : t.steadyLinesHz)
            lines += (lines.empty() ? "" : ", ") + formatPattern(hz, Pattern::OneDecimal);
        line.text += ", " + std::string(tx("vornax::WavWindow", "raies fixes ôtées à %1 Hz").arg(lines));
    }
    for (const std::string& w : t.warnings)
        line.text += " ; " + w;
    if (t.precise)
        line.text += "   " + uncertainty(*t.precise);
    if (!t.powerDoubt.empty()) {
        // The track holds but the firing's phase does not: the precise curve
        // would give a power far off; not saved either.
        line.untrusted = t.powerDoubt;
        line.loud = true;
        line.text = tx("vornax::WavWindow", "PUISSANCE INCERTAINE : %1. %2").arg(t.powerDoubt).arg(line.text);
    }
    if (!t.sure || t.orderSuspect) {
        // Said loudly, and the curve is not saved: this track is no measurement.
        line.untrusted = tx("vornax::WavWindow", "le suivi du son du moteur n'est pas sûr");
        line.loud = true;
        line.text = tx("vornax::WavWindow", "SUIVI INCERTAIN : cliquez sur la bonne raie du spectrogramme ou "
                                            "vérifiez le moteur. %1")
                        .arg(line.text);
    }
    return line;
}

}  // namespace vornax
