// What the user calls a store entry: the caption of the field or choice that
// gives it its value, in the language in force ("Rapport de 3e" for LbTr,
// "Rapport de pont" for LbRp), so that messages name what the user sees and
// never the entry's internal name. The program's own words in them are
// English at the source (the command line shows them so) and translated.
#pragma once

#include "store/Varia.h"

#include <string>
#include <string_view>

namespace vornax {

// The caption of a vehicle or unit-factor entry; any other entry is named as
// it is.
std::string entryCaption(const Varia& store, std::string_view entry);

}  // namespace vornax
