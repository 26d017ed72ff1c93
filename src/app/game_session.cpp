#include "app/game_session.h"

#include "engine/autoplay.h"
#include "records/hi_scores.h"
#include "records/recent_deals.h"

namespace vis {

void ProgramHooks::RememberDealNumber(GameContext& ctx) {
    vis::RememberDealNumber(ctx);
}

GameSession::GameSession(UiPort& ui) : ctx(ui), recorder(DefaultHiScoreServices()) {
    ctx.recorder = &recorder;
    hooks.SetAutoplayPass([this](GameContext& game) { return AutoplayPass(game, play); });
}

}  // namespace vis
