#include "engine/engine_hooks.h"

#include "engine/end_of_game.h"
#include "engine/game_clock.h"
#include "engine/move_rules.h"
#include "engine/scoring.h"
#include "view/geometry/card_size.h"
#include "view/geometry/compute_layout.h"

namespace vis {

bool EngineHooks::CanPlayToFoundation(const GameContext& ctx, CardNumber card, int foundation) {
    return vis::CanPlayToFoundation(ctx, card, foundation);
}

void EngineHooks::ScoreFoundationMove(GameContext& ctx) {
    AddDealScore(ctx, 1);
}

void EngineHooks::ComputeStartingScore(GameContext& ctx) {
    UpdateScore(ctx);
}

bool EngineHooks::EndRunningGame(GameContext& ctx) {
    return EndGame(ctx);
}

void EngineHooks::ResetClock(GameContext& ctx) {
    vis::ResetClock(ctx);
}

void EngineHooks::StartClock(GameContext& ctx) {
    vis::StartClock(ctx);
}

void EngineHooks::ComputeLayout(GameContext& ctx) {
    SetFanSteps(ctx);
    UpdateShadowMargin(ctx);
    vis::ComputeLayout(ctx, window_, screen_);
}

bool EngineHooks::IsAutoplayOn(const GameContext& ctx) {
    return play_.IsAutoplayOn(ctx);
}

bool EngineHooks::AutoplayStep(GameContext& ctx) {
    return autoplayPass_ && autoplayPass_(ctx);
}

}  // namespace vis
