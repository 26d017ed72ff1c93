// The building codes of foundations and tableau piles: each code names one
// small check, looked up in a table.
#pragma once

#include "engine/build_situation.h"

namespace vis {

// The check of the query's building code; codes without a check of their
// own build by the generic rule with any suit.
bool BuildingCodeAccepts(const BuildSituation& s);

}  // namespace vis
