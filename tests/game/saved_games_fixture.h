// A program directory with two small games, a player, and a stand-in for
// the layers above the model, for the tests of saving, opening, holding,
// restarting and customizing games.
#pragma once

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "engine/end_of_game.h"
#include "engine/game_clock.h"
#include "engine/move_log.h"
#include "game/new_game.h"
#include "model/config_file.h"
#include "model/deal_test_engine.h"
#include "model/games_test_fixture.h"
#include "model/position_snapshot.h"
#include "model/rule_index.h"
#include "records/game_statistics.h"

namespace vis::test {

// The end of a game, the clock and the deal as the program runs them; the
// layout, autoplay and favourites left out.
class TestGameHooks : public NewGameHooks {
public:
    bool CanPlayToFoundation(const GameContext& ctx, CardNumber card, int foundation) override {
        return judge.CanPlayToFoundation(ctx, card, foundation);
    }
    void ScoreFoundationMove(GameContext& ctx) override { judge.ScoreFoundationMove(ctx); }
    void ComputeStartingScore(GameContext& ctx) override { judge.ComputeStartingScore(ctx); }
    bool EndRunningGame(GameContext& ctx) override { return EndGame(ctx); }
    void ResetClock(GameContext& ctx) override { vis::ResetClock(ctx); }
    void StartClock(GameContext& ctx) override { vis::StartClock(ctx); }
    void ComputeLayout(GameContext&) override {}
    bool IsAutoplayOn(const GameContext&) override { return false; }
    bool AutoplayStep(GameContext&) override { return false; }
    void RememberDealNumber(GameContext&) override {}
    void AfterDeal(GameContext&) override {}

    SuitUpDealEngine judge;
};

// Every finished game handed to the records.
class ResultLog : public GameRecorder {
public:
    void RecordFinishedGame(GameContext& ctx, bool won, int elapsedSeconds,
                            const ClockReading&) override {
        results.push_back(ctx.state.Get(field::kGameNumber) + " " + ctx.state.Get(field::kPlayer) +
                          (won ? " won " : " lost ") + std::to_string(elapsedSeconds));
    }
    std::vector<std::string> results;
};

// Foundations hold up to 13 cards, as a Klondike's do: these tests move cards there.
inline std::map<int, int> SmallKlondikeRules() {
    std::map<int, int> rules = KlondikeRules();
    rules.erase(rule::kAutoplayAvailable);
    rules.insert({{rule::kHasStock, 1},
                  {rule::kHasWaste, 1},
                  {rule::kStockGroupPlaced, 1},
                  {rule::kFoundationMaxCards, 13}});
    return rules;
}

class SavedGamesFixture : public GamesFixture {
protected:
    SavedGamesFixture() {
        std::filesystem::create_directories(dir / "DATA");
        ctx.state.Set(field::kConfigPath, "DATA\\CFG.DAT");
        ctx.state.Set(field::kPlayer, "Ann");
        ctx.state.Set(field::kCardSize, "B");
        ctx.state.Set(field::kScoringScheme, "01");
        ctx.state.Set(field::kRunWon, "0000");
        ctx.state.Set(field::kRunLost, "0000");
        ctx.state.Set(field::kConfirmQuitGame, "N");
        ctx.state.Set(field::kDealAnimation, "N");
        ctx.state.Set(field::kSoundsEnabled, "Y");
        ctx.state.Set(field::kSoundsRestart, "Y");
        ctx.game.random.seed(7);
        ctx.recorder = &recorder;
        ui.SetNow({10 * 3600, 2026, 12, 10});
        std::map<int, int> twoBases = SmallKlondikeRules();
        twoBases[rule::kFoundationBase] = 2;
        WriteGames({{5, 1, "Klondike"}, {5, 2, "Twos First"}, {5, 3, "Wide Klondike", true}},
                   {SmallKlondikeRules(), twoBases, SmallKlondikeRules()});
    }

    bool Start(int game, const std::string& player = "Ann") {
        return StartGame(
            ctx, hooks,
            {.number = game, .name = GameName(ctx, game), .player = player, .persist = false});
    }

    // One undoable move: the top card of tableau pile `from` onto foundation 1.
    void MoveToFoundation(int from) {
        PushSnapshot(ctx, HistoryDirection::kUndo);
        std::string& pile = ctx.piles.fila[static_cast<std::size_t>(from)];
        const std::string card = pile.substr(pile.size() - 3);
        pile.erase(pile.size() - 3);
        ctx.piles.dest[0] += card;
    }

    // Lets `seconds` of play pass on the game clock.
    void Play(int seconds) {
        ClockReading now = ui.Now();
        now.secondsOfDay += seconds;
        ui.SetNow(now);
        ClockTick(ctx);
    }

    bool Logged(const std::string& entry) const {
        return std::find(ui.Log().begin(), ui.Log().end(), entry) != ui.Log().end();
    }
    int CountLogged(const std::string& prefix) const {
        return static_cast<int>(
            std::count_if(ui.Log().begin(), ui.Log().end(),
                          [&](const std::string& e) { return e.rfind(prefix, 0) == 0; }));
    }

    // "DATA\STAT.DAT" holding `record` for each game and player, sections
    // in the order given.
    void WriteStatistics(const std::vector<std::pair<int, std::string>>& keys,
                         const GameStatsRecord& record) {
        std::string text = "[Version]\r\nVersion=0300\r\n";
        int section = -1;
        for (const auto& [game, player] : keys) {
            if (game != section) text += "[" + GameSectionName(game) + "]\r\n";
            section = game;
            text += player + "=" + FormatGameStatsRecord(record) + "\r\n";
        }
        WriteFile(dir / "DATA" / "STAT.DAT", text);
    }

    std::string Pref(const char* key) const {
        return ReadPref(ConfigFilePath(ctx.state), "Preference", key, "-");
    }

    TestGameHooks hooks;
    ResultLog recorder;
};

}  // namespace vis::test
