// The acceleration window's input fields and the four choices between the
// stored vehicle value ("Origine") and another value ("Autre"): which fields
// each choice governs, which store entries it restores, and how each numeric
// field filters keys and repairs its decimal separator.
#pragma once

#include "store/Varia.h"

#include <string>
#include <utility>
#include <vector>

namespace vornax {

struct VehicleChoice {
    const char* frame;                                        // the frame that holds the pair and its fields
    const char* caption;                                      // store entry of the frame's title
    const char* stored;                                       // option button: the stored value, fields locked
    const char* other;                                        // option button: another value, fields editable
    std::vector<std::pair<const char*, const char*>> fields;  // field, store entry
};

// PoidsOption, RPOption, VIoption and Option (the tyre), in window order.
const std::vector<VehicleChoice>& vehicleChoices();

// What choosing the stored value writes: each governed field with the text of
// its store entry. The choice only locks or unlocks; it never writes the store.
std::vector<std::pair<std::string, std::string>> storedValues(const VehicleChoice& pair, const Varia& store);

enum class InputKeys {
    Any,      // no filter
    Digits,   // "0123456789" and backspace
    Decimal,  // digits, backspace, "," and "."
};

struct InputFieldRule {
    const char* name;
    InputKeys keys;
    bool commaRepair;  // "." becomes "," when the field loses the focus
};

// Every input field of the window with its filter and repair.
const std::vector<InputFieldRule>& inputFieldRules();

}  // namespace vornax
