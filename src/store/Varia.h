// The parameter store: the one process-wide set of named text entries through
// which the windows share captions, unit names and factors (the language
// entries) and the current vehicle (the vehicle entries). The set of names is
// fixed; each entry holds text, numbers exactly as typed or read.
//
// Only the language loading and the vehicle editor's confirmation write it;
// everything else reads.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vornax {

enum class EntryKind {
    Language,  // written by the language loading
    Vehicle,   // written by the vehicle editor's confirmation
    Title,     // the product title, never written
};

struct EntryInfo {
    const char* name;
    const char* initial;
    EntryKind kind;
};

class Varia {
public:
    Varia();

    // Every entry in its fixed order, with its initial text.
    static const std::vector<EntryInfo>& entries();
    static bool isEntry(std::string_view name);

    // Text of an entry. An unknown name is a programming error (it throws
    // std::out_of_range).
    const std::string& get(std::string_view name) const;
    void set(std::string_view name, std::string text);

    // Conversions at the point of use: decimals as singles, whole numbers as
    // 16-bit integers (halves to even). nullopt when the text is not a number
    // ("?" before the first confirmation of the vehicle editor).
    std::optional<float> single(std::string_view name) const;
    std::optional<std::int16_t> int16(std::string_view name) const;

    // The vehicle entries as (name, text), in store order.
    std::vector<std::pair<std::string, std::string>> vehicleEntries() const;

private:
    std::size_t indexOf(std::string_view name) const;
    std::vector<std::string> texts_;
};

// The store of the running program. resetStore() puts every entry back to its
// initial text (a fresh start, for tests).
Varia& store();
void resetStore();

}  // namespace vornax
