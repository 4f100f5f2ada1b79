// The eleven curve slots of the comparison window and the reader that loads a
// power curve file into one of them.
//
// A power curve file holds data lines "rpm;torque;power" (torque and power in
// the display units in force when it was written) followed by two factor lines
// (watts per power unit, torque units per newton-metre). Files written by the
// average have no factor lines. The reader brings torque and power to the
// display units in force now; engine speed is never converted.
#pragma once

#include "common/PlatformServices.h"
#include "common/Result.h"
#include "formats/PowerCurveFile.h"
#include "store/StoreReadings.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vornax::compare {

constexpr int kSlotCount = 11;
// A slot holds at most this many lines of a file (indices 0 to 32000).
constexpr int kMaxCurveLines = 32001;

// Column numbers as the extremes address them.
enum class Column { Rpm = 0, Torque = 1, Power = 2 };
float valueOf(const PowerPoint& point, Column column);

// A slot's unit factor: empty, the text of a factor line read from a file, or
// the store's factor taken as a number when the slot had none. Once set it
// stays for later files without factor lines.
class UnitFactor {
public:
    bool empty() const { return !text_ && !number_; }
    void setText(std::string text)
    {
        text_ = std::move(text);
        number_.reset();
    }
    void setNumber(float value)
    {
        number_ = value;
        text_.reset();
    }
    // The factor as a single; nullopt when empty or its text is not a number.
    std::optional<float> value() const;
    // For messages and tests: the text, or the number's shortest text.
    std::string describe() const;

private:
    std::optional<std::string> text_;
    std::optional<float> number_;
};

// Each slot's own colours, so that eleven curves tell apart on one plot: a
// torque colour and a power colour of one hue for each slot, the torque the
// darker. Slot 0 keeps the blue torque and red power of the axis labels.
struct SlotColours {
    Rgb torque, power;
};
SlotColours slotColours(int k);

struct CurveSlot {
    std::string path;  // empty: no file chosen
    std::int16_t pointCount = 0;
    UnitFactor powerFactor, torqueFactor;
    bool ticked = false;  // the show box
    Rgb torqueColour{0, 0, 255};
    Rgb powerColour{255, 0, 0};

    // Point i; beyond what was ever read it holds zeros. Points of an earlier,
    // longer file stay beyond the current point count.
    PowerPoint point(int i) const;
    const std::vector<PowerPoint>& points() const { return points_; }

private:
    friend Status loadCurveLines(const std::vector<std::string>&, CurveSlot&, const DisplayUnits&);
    std::vector<PowerPoint> points_;
};

using CurveSet = std::array<CurveSlot, kSlotCount>;

// Reads the lines of a power curve file into the slot. All or nothing: a file
// the reader cannot take leaves the slot as it was and gives a failure naming
// the 1-based line. Empty lines at the end are ignored (two of them after the
// data are two empty factor lines). Refused: more than 32001 lines, a data line without two
// ";" or with a field that is not a number, a line without ";" other than the
// last two, factor lines that are not numbers or are zero.
Status loadCurveLines(const std::vector<std::string>& lines, CurveSlot& slot, const DisplayUnits& units);

// Reads the file at `path` into the slot (`fichierPo`). Failures name the file.
Status fichierPo(const std::filesystem::path& path, CurveSlot& slot, const DisplayUnits& units);

// The load button's caption for a chosen file: its name without folder and
// without its last four characters (the ".txt"); a name of fewer than four
// characters is kept whole.
std::string slotCaption(std::string_view path);

// The chosen file's name without its folder (either separator), as the plot's
// legend and summary lines name the curve.
std::string curveName(std::string_view path);

}  // namespace vornax::compare
