// The play engine behind starting and dealing a game: the real move rules,
// score, clock, table layout and end of game, wired into the seams the deal
// leaves open. The program and the command-line tool each hold one.
#pragma once

#include <functional>

#include "engine/play_hooks.h"
#include "model/new_game_hooks.h"
#include "model/table_layout.h"
#include "view/geometry/table_window.h"

namespace vis {

class EngineHooks : public NewGameHooks {
public:
    explicit EngineHooks(PlayHooks& play) : play_(play) {}

    // The part of the window the table is laid out in, and the display.
    void SetWindow(const TableWindow& window, ScreenSize screen) {
        window_ = window;
        screen_ = screen;
    }
    // One autoplay pass; without it nothing plays itself after a deal.
    void SetAutoplayPass(std::function<bool(GameContext&)> pass) {
        autoplayPass_ = std::move(pass);
    }

    PlayHooks& Play() { return play_; }

    bool CanPlayToFoundation(const GameContext& ctx, CardNumber card, int foundation) override;
    void ScoreFoundationMove(GameContext& ctx) override;
    void ComputeStartingScore(GameContext& ctx) override;
    bool EndRunningGame(GameContext& ctx) override;
    void ResetClock(GameContext& ctx) override;
    void StartClock(GameContext& ctx) override;
    void ComputeLayout(GameContext& ctx) override;
    bool IsAutoplayOn(const GameContext& ctx) override;
    bool AutoplayStep(GameContext& ctx) override;
    // The recent deal numbers and the favourites belong to the program's
    // game selection; headless there are none.
    void RememberDealNumber(GameContext&) override {}
    void AfterDeal(GameContext&) override {}

private:
    PlayHooks& play_;
    TableWindow window_{.top = 5, .width = 1024, .bottom = 700, .formHeight = 768};
    ScreenSize screen_;
    std::function<bool(GameContext&)> autoplayPass_;
};

}  // namespace vis
