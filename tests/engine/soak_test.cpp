// Random play over every catalog game: many deals each, every other one with
// the autoplay switch on, random legal commands of the player until none is
// left or the step limit is reached.
// Every legal command must be carried out, no card may ever be duplicated
// or lost, and the whole history must take the table back to the deal and
// forward again to where play stopped.
#include <gtest/gtest.h>

#include <random>

#include "engine/catalog_game_fixture.h"
#include "engine/move_log.h"
#include "model/position_snapshot.h"

namespace vis {
namespace {

constexpr int kDealsPerGame = 20;
constexpr int kMostSteps = 2000;
constexpr int kFirstGame = 1;
constexpr int kLastGame = 40;

struct PlayedOut {
    PositionSnapshot dealt;
    PositionSnapshot end;
    int passNumber = 1;
    int dealCounter = 0;
    int steps = 0;
};

int RedoSteps(const GameContext& ctx) {
    return static_cast<int>(ctx.history.redo.stock.size()) / 3;
}

class SoakTest : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override { game.ctx.state.Set(field::kConfirmQuitGame, "N"); }

    // Plays random legal commands from the dealt table.
    PlayedOut PlayOut(int deal) {
        GameContext& ctx = game.ctx;
        PlayedOut played;
        played.dealt = TakeSnapshot(ctx);
        std::mt19937 random(static_cast<unsigned>(GetParam() * 1000 + deal));
        // The steps taken back and not yet replayed: any other command that
        // changes the table starts a new line of play.
        int stepsAhead = 0;
        for (; played.steps < kMostSteps && ctx.flags[Flag::kGameInProgress]; ++played.steps) {
            const std::vector<PlayCommand> legal = LegalCommands(ctx);
            if (legal.empty()) break;
            std::uniform_int_distribution<std::size_t> pick(0, legal.size() - 1);
            const PlayCommand command = legal[pick(random)];
            // The seed replays the same commands: the step and the command
            // are enough to find a fault again.
            const std::string where =
                "step " + std::to_string(played.steps) + ": " + PlayCommandText(command);
            EXPECT_TRUE(CarryOutCommand(ctx, game.play, command)) << where;
            EXPECT_TRUE(IsConsistent(ctx)) << where;
            if (command.verb == PlayVerb::kUndo)
                ++stepsAhead;
            else if (command.verb == PlayVerb::kRedo)
                --stepsAhead;
            else
                stepsAhead = 0;
            EXPECT_EQ(RedoSteps(ctx), stepsAhead) << where;
            if (::testing::Test::HasFailure()) break;
            game.ui.ClearLog();
        }
        played.end = TakeSnapshot(ctx);
        played.passNumber = ctx.game.passNumber;
        played.dealCounter = ctx.game.dealCounter;
        return played;
    }

    test::CatalogGame game;
};

TEST_P(SoakTest, RandomPlayKeepsEveryCardAndTheWholeHistory) {
    GameContext& ctx = game.ctx;
    for (int deal = 1; deal <= kDealsPerGame; ++deal) {
        const std::string dealNumber = std::to_string(deal * 104729LL * 15485863LL);
        SCOPED_TRACE("deal " + dealNumber);
        ctx.game.autoplaySwitch = false;
        ASSERT_TRUE(game.Deal(GetParam(), dealNumber));
        // Switched on after the deal, so that the history starts at the
        // table as dealt.
        ctx.game.autoplaySwitch = deal % 2 == 0;
        ASSERT_TRUE(IsConsistent(ctx));
        const PlayedOut played = PlayOut(deal);
        ASSERT_FALSE(HasFailure());

        // Silent steps: a finished game takes them too, as a replayed demo.
        int undone = 0;
        while (!ctx.history.undo.IsEmpty() && StepHistory(ctx, HistoryDirection::kUndo, true)) {
            ++undone;
            ASSERT_TRUE(IsConsistent(ctx)) << "undo " << undone;
        }
        EXPECT_EQ(TakeSnapshot(ctx), played.dealt) << "after " << undone << " undos";
        EXPECT_EQ(ctx.game.passNumber, 1);
        EXPECT_EQ(ctx.game.dealCounter, 0);
        // Play may have stopped after undos: the steps taken back by then
        // stay ahead on the redo side.
        for (int redone = 1; redone <= undone; ++redone) {
            ASSERT_TRUE(StepHistory(ctx, HistoryDirection::kRedo, true));
            ASSERT_TRUE(IsConsistent(ctx)) << "redo " << redone;
        }
        EXPECT_EQ(TakeSnapshot(ctx), played.end) << "after " << undone << " redos";
        EXPECT_EQ(ctx.game.passNumber, played.passNumber);
        EXPECT_EQ(ctx.game.dealCounter, played.dealCounter);
        ASSERT_FALSE(HasFailure());
    }
}

INSTANTIATE_TEST_SUITE_P(EveryCatalogGame, SoakTest, ::testing::Range(kFirstGame, kLastGame + 1),
                         [](const ::testing::TestParamInfo<int>& param) {
                             return "Game" + std::to_string(param.param);
                         });

}  // namespace
}  // namespace vis
