#include <gtest/gtest.h>

#include "engine/end_of_game.h"
#include "engine/game_clock.h"
#include "engine/game_completion.h"
#include "engine/scoring.h"
#include "model/headless_ui.h"
#include "model/rule_index.h"

namespace vis {
namespace {

class EndOfGameTest : public ::testing::Test {
protected:
    EndOfGameTest() {
        ctx.state.Set(field::kScoringScheme, "01");
        ctx.rules.Set(rule::kDeckSize, 52);
        ctx.rules.Set(rule::kTableauCount, 7);
        ctx.rules.Set(rule::kFoundationCount, 4);
        ctx.flags[Flag::kGameInProgress] = true;
    }
    void Family(int family) { ctx.rules.Set(rule::kFamily, family); }

    HeadlessUi ui;
    GameContext ctx{ui};
};

// Records what the end of a game hands over.
class RecordingRecorder : public GameRecorder {
public:
    void RecordFinishedGame(GameContext&, bool won, int seconds, const ClockReading&) override {
        results.push_back({won, seconds});
    }
    std::vector<std::pair<bool, int>> results;
};

TEST_F(EndOfGameTest, StandardScoreCountsCardsHomeAndDiscarded) {
    EXPECT_EQ(ComputeScore(ctx), -52);
    ctx.piles.dest[0] = "001002";
    ctx.piles.mazzo[kSecondWasteIndex] = "003";
    ctx.rules.Set(rule::kScoreValueA, 2);
    EXPECT_EQ(ComputeScore(ctx), -52 + 10 + 10 + 5);
    ctx.state.Set(field::kScoringScheme, "02");
    EXPECT_EQ(ComputeScore(ctx), 0);
}

TEST_F(EndOfGameTest, FamilyScores) {
    struct Case {
        int family;
        std::vector<std::pair<int, std::string>> tableau;  // pile index, text
        std::string discard;
        int expected;
    };
    const Case cases[] = {
        {32, {{0, "002003004"}, {1, "015"}, {2, "002016"}, {3, "003"}}, "", -52 + 15 + 5 + 5},
        {34, {{0, "014"}, {1, "002"}, {2, "001"}}, "", -52 + 20},
        {35, {}, "001002", -52 + 20},
        {40, {{0, "001"}, {1, "015"}, {2, "003"}}, "", -52 + 15},
        {42, {{0, "013001002"}, {1, "005007"}}, "", -52 + 15 + 5},
        {43, {{0, "009008007006005004003002001"}}, "", -52 + 225},
        {44, {{0, "013"}, {1, "012"}, {2, "011010009008007006005004003002001"}}, "", -52},
        {47, {}, "001", -52 + 260},
        {47, {{0, "005"}}, "001", -52 + 5},
    };
    for (const auto& c : cases) {
        ctx.piles.Clear();
        for (const auto& [pile, text] : c.tableau)
            ctx.piles.fila[static_cast<std::size_t>(pile)] = text;
        ctx.piles.mazzo[kSecondWasteIndex] = c.discard;
        Family(c.family);
        EXPECT_EQ(ComputeScore(ctx), c.expected) << "family " << c.family;
    }
}

TEST_F(EndOfGameTest, CompletionByFamily) {
    EXPECT_TRUE(IsGameComplete(ctx));  // nothing left outside the foundations
    ctx.piles.appogg[3] = "005";
    EXPECT_FALSE(IsGameComplete(ctx));  // a card left in a reserve
    ctx.piles.Clear();

    Family(4);  // gaps only
    ctx.piles.fila[0] = "000000";
    EXPECT_TRUE(IsGameComplete(ctx));
    Family(45);
    for (int i = 0; i < 4; ++i) ctx.piles.fila[static_cast<std::size_t>(i)] = "001";
    EXPECT_TRUE(IsGameComplete(ctx));
    Family(27);
    EXPECT_FALSE(IsGameComplete(ctx));
    Family(32);
    ctx.piles.Clear();
    for (int i = 0; i < 7; ++i) ctx.piles.fila[static_cast<std::size_t>(i)] = "002003";
    ctx.piles.fila[0] = "002003000";
    EXPECT_TRUE(IsGameComplete(ctx));
    ctx.piles.fila[1] = "002016099";  // a two, then another suit
    EXPECT_FALSE(IsGameComplete(ctx));
    Family(40);
    ctx.rules.Set(rule::kWinningScore, 10);
    ctx.state.Set(field::kScore, "10");
    EXPECT_TRUE(IsGameComplete(ctx));
}

TEST_F(EndOfGameTest, ClockRunsOverMidnightAndSkipsPauses) {
    ui.SetNow({86390});
    StartClock(ctx);
    ui.SetNow({20});
    ClockTick(ctx);
    EXPECT_EQ(ElapsedSeconds(ctx), 29);  // 23:59:59 - 23:59:50, then 20 more
    EXPECT_EQ(ui.ClockShown(), "0:00:29");

    ui.SetNow({1000});
    StartClock(ctx);
    ui.SetNow({1100});
    SetPaused(ctx, true);
    EXPECT_FALSE(ctx.flags[Flag::kClockRunning]);
    ui.SetNow({1160});
    SetPaused(ctx, false);
    ui.SetNow({1170});
    ClockTick(ctx);
    EXPECT_EQ(ElapsedSeconds(ctx), 110);
    EXPECT_EQ(ClockText(3725), "1:02:05");
}

TEST_F(EndOfGameTest, EndGameRecordsOnceAndShowsTheWin) {
    RecordingRecorder recorder;
    ctx.recorder = &recorder;
    ui.SetNow({100});
    StartClock(ctx);
    ui.SetNow({160});
    ctx.flags[Flag::kGameWon] = true;
    EXPECT_TRUE(EndGame(ctx));
    EXPECT_FALSE(EndGame(ctx));  // no game in progress any more
    ASSERT_EQ(recorder.results.size(), 1u);
    EXPECT_EQ(recorder.results[0], std::make_pair(true, 60));
    EXPECT_EQ(ui.Log().back(), "game won dialog");
    EXPECT_FALSE(ctx.flags[Flag::kGameInProgress]);
    EXPECT_FALSE(ui.InputBlocked());
    EXPECT_EQ(ui.BusyDepth(), 0);
}

TEST_F(EndOfGameTest, WinningScoreAloneDecides) {
    ctx.rules.Set(rule::kWinningScore, 100);
    ctx.state.Set(field::kScore, "90");
    ctx.flags[Flag::kGameWon] = true;
    EXPECT_FALSE(EndGame(ctx));
}

TEST_F(EndOfGameTest, TheFourthKingOnTheThirteenthPileLosesTheClockGame) {
    Family(40);
    ctx.rules.Set(rule::kTableauCount, 13);
    ctx.rules.Set(rule::kScoreValueB, 260);
    ctx.piles.fila[12] = "013026039";
    UpdateScore(ctx);
    EXPECT_TRUE(ctx.flags[Flag::kGameInProgress]);
    ctx.piles.fila[12] += "052";
    UpdateScore(ctx);
    EXPECT_FALSE(ctx.flags[Flag::kGameInProgress]);
    EXPECT_EQ(ui.Messages().back(), "The game is lost.");
}

// A dialog over the game stops the clock as a pause does; the clock goes
// on only for the game it was held for.
TEST_F(EndOfGameTest, TheClockStandsWhileADialogIsOpen) {
    enum class During { kNothing, kNewDeal, kGameEnded };
    for (const During during : {During::kNothing, During::kNewDeal, During::kGameEnded}) {
        SCOPED_TRACE(static_cast<int>(during));
        ctx.flags[Flag::kGameInProgress] = true;
        ui.SetNow({.secondsOfDay = 1000});
        StartClock(ctx);
        ui.SetNow({.secondsOfDay = 1030});
        {
            ClockHeldForDialog held(ctx);
            EXPECT_FALSE(ctx.flags[Flag::kClockRunning]);
            EXPECT_EQ(ui.ClockShown(), "0:00:30");
            ui.SetNow({.secondsOfDay = 1300});
            if (during == During::kNewDeal) {
                ResetClock(ctx);
                StartClock(ctx);
            }
            if (during == During::kGameEnded) ctx.flags[Flag::kGameInProgress] = false;
        }
        ui.SetNow({.secondsOfDay = 1310});
        ClockTick(ctx);
        switch (during) {
            case During::kNothing:  // 30 s before the dialog, 10 s after
                EXPECT_EQ(ui.ClockShown(), "0:00:40");
                break;
            case During::kNewDeal:  // the new game's own time
                EXPECT_EQ(ui.ClockShown(), "0:00:10");
                break;
            case During::kGameEnded:
                EXPECT_FALSE(ctx.flags[Flag::kClockRunning]);
                break;
        }
    }
}

}  // namespace
}  // namespace vis
