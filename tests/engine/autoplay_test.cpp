#include "engine/autoplay.h"

#include "engine/end_of_game.h"

#include "engine/pointer_table_fixture.h"

namespace vis::test {
namespace {

class AutoplayTest : public PointerTable {
public:
    // The foundations that received cards, in the order they did.
    std::vector<std::string> HomeMoves() const {
        std::vector<std::string> moves;
        for (const std::string& entry : ui.Log())
            if (entry.rfind("repaint Dest", 0) == 0)
                moves.push_back(entry.substr(8, 5) + " <- " + entry.substr(entry.size() - 3));
        return moves;
    }
};

TEST_F(AutoplayTest, AnExposedAceGoesHomeWithEverythingItFrees) {
    AutoplayOn();
    Put("Fila1", {H(1), S(9)});
    Put("Fila2", {H(10)});
    Put("Fila3", {C(13), H(2)});
    Put("Fila4", {D(12), H(3)}, 2);  // both face down
    ASSERT_TRUE(Drag(S(9), "Fila2"));
    EXPECT_EQ(Pile("Dest1"), PileText({H(1), H(2), H(3)}));
    EXPECT_TRUE(Logged("sound event: Autoplay"));
    EXPECT_FALSE(Logged("sound event: Foundation"));
    // Autoplay turned up the face-down card it played and the one it exposed.
    EXPECT_EQ(Pile("Fila4"), PileText({D(12)}));
    EXPECT_TRUE(ctx.deck.IsFaceUp(D(12)));
}

TEST_F(AutoplayTest, WithReservesEachTableauCardHomeRestartsAtTheReserves) {
    struct Case {
        const char* what;
        int reserves;
        const char* heartThreeOn;
        std::vector<std::string> moves;
    };
    const Case cases[] = {
        {"with a reserve the next cycle starts there",
         1,
         "Appogg1",
         {"Dest1 <- 002", "Dest1 <- 003", "Dest2 <- 014"}},
        {"without reserves the tableau sweep goes on",
         0,
         "Mazzo_Vis",
         {"Dest1 <- 002", "Dest2 <- 014", "Dest1 <- 003"}},
    };
    AutoplayOn();
    for (const Case& c : cases) {
        ctx.piles.Clear();
        ui.ClearLog();
        ctx.rules.Set(rule::kReserveCount, c.reserves);
        Put("Dest1", {H(1)});
        Put(c.heartThreeOn, {H(3)});
        Put("Fila1", {H(2)});
        Put("Fila2", {D(1)});
        ASSERT_TRUE(AutoplayPass(ctx, autoplayHooks)) << c.what;
        EXPECT_EQ(HomeMoves(), c.moves) << c.what;
    }
}

TEST_F(AutoplayTest, FoundationsWaitingForTheirFirstRankAreLeftToThePlayer) {
    AutoplayOn();
    for (int i = 0; i < 4; ++i) ctx.rules.Set(rule::kFoundationBase + i, 92);
    Put("Fila1", {H(5)});
    Put("Fila2", {D(5)});
    Put("Fila3", {S(9), H(6)});
    EXPECT_FALSE(AutoplayPass(ctx, autoplayHooks));
    EXPECT_TRUE(Pile("Dest1").empty());
    // The player starts a foundation by hand; autoplay then follows.
    ASSERT_TRUE(Drag(H(5), "Dest1"));
    EXPECT_EQ(Pile("Dest1"), PileText({H(5), H(6)}));
    EXPECT_EQ(Pile("Dest2"), PileText({D(5)}));
}

TEST_F(AutoplayTest, AGameWithoutAutoplayRunsNoPassEvenWithTheSwitchOn) {
    AutoplayOn();
    ctx.rules.Set(rule::kAutoplayAvailable, 0);
    SetAutoplayEnabled(ctx, false);
    EXPECT_FALSE(ui.IsCommandGroupEnabled(CommandGroup::kAutoplay));
    EXPECT_FALSE(IsAutoplayOn(ctx));
    Put("Fila1", {H(1), S(9)});
    Put("Fila2", {H(10)});
    ASSERT_TRUE(Drag(S(9), "Fila2"));
    EXPECT_TRUE(Pile("Dest1").empty());
    EXPECT_EQ(Pile("Fila1"), PileText({H(1)}));
}

TEST_F(AutoplayTest, SettingTheSameEnabledStateAgainDoesNothing) {
    SetAutoplayEnabled(ctx, true);
    ui.ClearLog();
    SetAutoplayEnabled(ctx, true);
    EXPECT_TRUE(ui.Log().empty());
    SetAutoplayEnabled(ctx, false);
    EXPECT_TRUE(Logged("commands autoplay off"));
}

TEST_F(AutoplayTest, ToggleTurnsOnAndPlaysAtOnceThenOff) {
    ui.SetCommandGroupEnabled(CommandGroup::kAutoplay, true);
    ctx.rules.Set(rule::kAutoFillTableau, 3);
    Put("Mazzo", {H(2)}, 1);
    Put("Fila1", {H(1)});
    ToggleAutoplay(ctx, autoplayHooks);
    EXPECT_TRUE(ctx.game.autoplaySwitch);
    EXPECT_TRUE(ui.AutoplaySwitchShown());
    // The Ace went home, the gap took the stock card, and it followed.
    EXPECT_EQ(Pile("Dest1"), PileText({H(1), H(2)}));
    EXPECT_TRUE(Pile("Mazzo").empty());

    Put("Fila1", {H(3)});
    ToggleAutoplay(ctx, autoplayHooks);
    EXPECT_FALSE(ctx.game.autoplaySwitch);
    EXPECT_FALSE(ui.AutoplaySwitchShown());
    EXPECT_EQ(Pile("Fila1"), PileText({H(3)}));
}

TEST_F(AutoplayTest, TheWinningMoveEndsTheGameAndStopsThePass) {
    AutoplayOn();
    for (int suit = 0; suit < 4; ++suit) {
        std::string pile;
        for (int rank = 1; rank <= 13; ++rank)
            if (suit != 3 || rank != 13) pile += CardText(suit * 13 + rank);
        ctx.piles.dest[static_cast<std::size_t>(suit)] = pile;
    }
    Put("Fila1", {S(13)});
    EXPECT_TRUE(AutoplayPass(ctx, autoplayHooks));
    EXPECT_EQ(CardCount(Pile("Dest4")), 13);
    EXPECT_EQ(CountLogged("game won dialog"), 1);
    EXPECT_FALSE(ctx.flags[Flag::kGameInProgress]);
    EXPECT_FALSE(ctx.game.autoplayStop);
}

// The end of the game reached from inside a pass, as a memory game's last
// pair would reach it.
class EndingHooks : public AutoplayPlayHooks {
public:
    void ShowDropCounter(GameContext& ctx) override { EndGame(ctx); }
};

TEST_F(AutoplayTest, TheEndOfTheGameStopsARunningPassAtOnce) {
    AutoplayOn();
    Put("Fila1", {H(1)});
    Put("Fila2", {D(1)});
    Put("Fila3", {S(1)});
    EndingHooks ending;
    EXPECT_FALSE(AutoplayPass(ctx, ending));
    EXPECT_EQ(HomeMoves(), std::vector<std::string>{"Dest1 <- 001"});
    EXPECT_FALSE(ctx.game.autoplayStop);
}

}  // namespace
}  // namespace vis::test
