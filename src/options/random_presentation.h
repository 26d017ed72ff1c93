// The random background, card faces and card back a new deal may choose.
// Only the state block changes: the saved choices come back at the next
// start.
#pragma once

#include <functional>

#include "model/state_block.h"

namespace vis {

struct RandomPresentation {
    bool faces = false;  // another face set: the card pictures want reloading
    bool back = false;   // another back
};

// `hasPicture` tells whether the library holds background picture n;
// `draw(low, high)` draws uniformly from low to high inclusive.
RandomPresentation PickRandomPresentation(StateBlock& state, bool richColours,
                                          const std::function<bool(int)>& hasPicture,
                                          const std::function<int(int, int)>& draw);

}  // namespace vis
