// A store holding the French language and the editor's default vehicle, as
// the command line has it before a synthetic run.
#pragma once

#include "store/Language.h"
#include "store/Varia.h"
#include "vehicle/HeadlessCommit.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

namespace vornax::testing {

inline Varia& defaultCarStore()
{
    resetStore();
    loadLanguageFile(store(), VORNAX_LANG_DIR "/francais.txt");
    const Status committed = commitVehicleHeadless(store(), {});
    EXPECT_TRUE(committed) << committed.error();
    return store();
}

}  // namespace vornax::testing
