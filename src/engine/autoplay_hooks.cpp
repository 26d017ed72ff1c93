#include "engine/autoplay_hooks.h"

#include "engine/autoplay.h"
#include "engine/fill_gaps.h"

namespace vis {

bool AutoplayPlayHooks::IsAutoplayOn(const GameContext& ctx) {
    return vis::IsAutoplayOn(ctx);
}

bool AutoplayPlayHooks::FillGaps(GameContext& ctx) {
    return vis::FillGaps(ctx, *this);
}

}  // namespace vis
