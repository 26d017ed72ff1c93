// Play hooks with the real autoplay switch and gap filling. The special
// families' hooks derive from this class to keep both.
#pragma once

#include "engine/play_hooks.h"

namespace vis {

class AutoplayPlayHooks : public DefaultPlayHooks {
public:
    bool IsAutoplayOn(const GameContext& ctx) override;
    bool FillGaps(GameContext& ctx) override;
};

}  // namespace vis
