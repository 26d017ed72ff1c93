#include "engine/complete_sequences.h"

#include "engine/move_execution_fixture.h"

namespace vis::test {
namespace {

// Spades run from 040 (Ace) to 052 (King); hearts from 001 to 013.
constexpr const char* kSpadesKingToTwo = "052051050049048047046045044043042041";
constexpr const char* kSpadesTwoToKing = "041042043044045046047048049050051052";

class CompleteSequencesTest : public PlayTest {
public:
    CompleteSequencesTest() {
        ctx.rules.Set(rule::kFoundationCount, 8);
        ctx.rules.Set(rule::kTableauCount, 10);
        for (int f = 0; f < 8; ++f) {
            ctx.rules.Set(rule::kFoundationBase + f, 83);
            ctx.game.layout.foundations[static_cast<std::size_t>(f)] = {
                static_cast<std::int16_t>(100 + f), 10};
        }
    }
};

TEST_F(CompleteSequencesTest, KingToAceGoesHomeByItselfInTheMovesStep) {
    Lay({PileList::Fila, 0}, std::string("001") + kSpadesKingToTwo, 1);
    Lay({PileList::Fila, 1}, "040");
    Lay({PileList::Dest, 0}, "014015016017018019020021022023024025026");  // a finished suit
    const TableState before = State();

    EXPECT_TRUE(Move(40, "Fila1"));
    EXPECT_EQ(Dest(1), std::string("040") + kSpadesTwoToKing);
    EXPECT_EQ(Fila(0), "001");
    EXPECT_TRUE(ctx.deck.IsFaceUp(1));  // the card beneath turns up with it
    EXPECT_TRUE(Fila(1).empty());
    EXPECT_EQ(Steps(), 1);
    EXPECT_TRUE(Logged("sound loop: Redeal"));
    EXPECT_EQ(ui.Log().back(), "sound event: _tmp_stop_");

    Undo();
    EXPECT_EQ(State(), before);
}

TEST_F(CompleteSequencesTest, SequenceFollowsTheFoundationsPattern) {
    struct Case {
        const char* name;
        int emptyRule;
        int building;
        std::string pile;  // bottom first, every card face up
        bool removed;
    };
    std::string brokenSuit = kSpadesKingToTwo;
    brokenSuit.replace(18, 3, "033");  // the seven of clubs among the spades
    const Case cases[] = {
        {"same suit, King down to Ace", 83, 0, std::string(kSpadesKingToTwo) + "040", true},
        {"a card of another suit", 83, 0, brokenSuit + "040", false},
        {"twelve cards only", 83, 0, std::string("013") + kSpadesKingToTwo, false},
        {"Ace up to King", 95, 0, std::string("040") + kSpadesTwoToKing, true},
        {"Ace up to King needs rule 95", 83, 0, std::string("040") + kSpadesTwoToKing, false},
        {"any suit under building 2", 82, 2, "013051011049009047007045005043003041001", true},
        {"alternate colours under building 3", 82, 3, "013051011049009047007045005043003041001",
         true},
        {"same colour refused under building 3", 82, 3, "013051037049009047007045005043003041001",
         false},
        {"suits must match under building 0", 82, 0, "013051011049009047007045005043003041001",
         false},
    };
    for (const Case& c : cases) {
        ctx.piles.Clear();
        for (int f = 0; f < 8; ++f) ctx.rules.Set(rule::kFoundationBase + f, c.emptyRule);
        ctx.rules.Set(rule::kTableauBuilding, c.building);
        Lay({PileList::Fila, 0}, c.pile);
        EXPECT_EQ(RemoveCompleteSequence(ctx, hooks, 0), c.removed) << c.name;
        EXPECT_EQ(Fila(0).empty(), c.removed) << c.name;
        EXPECT_EQ(CardCount(Dest(0)), c.removed ? 13 : 0) << c.name;
    }
}

TEST_F(CompleteSequencesTest, FaceDownCardInTheSequenceStopsIt) {
    Lay({PileList::Fila, 0}, std::string(kSpadesKingToTwo) + "040");
    ctx.deck.SetCardFace(52, kFaceDown);
    EXPECT_FALSE(RemoveCompleteSequence(ctx, hooks, 0));
}

TEST_F(CompleteSequencesTest, AnySuitSequenceNeedsABalancedBase) {
    for (int f = 0; f < 8; ++f) ctx.rules.Set(rule::kFoundationBase + f, 82);
    ctx.rules.Set(rule::kTableauBuilding, 2);
    Lay({PileList::Fila, 0},
        "013051011049009047007045005043003041001");  // the Ace of hearts on top
    // Four of the eight foundations already start with a red card.
    Lay({PileList::Dest, 1}, "053");
    Lay({PileList::Dest, 2}, "066");
    Lay({PileList::Dest, 3}, "014");
    Lay({PileList::Dest, 4}, "054");
    EXPECT_FALSE(RemoveCompleteSequence(ctx, hooks, 0));
    Dest(4).clear();
    EXPECT_TRUE(RemoveCompleteSequence(ctx, hooks, 0));
    EXPECT_EQ(BottomCard(Dest(0)), 1);
}

TEST_F(CompleteSequencesTest, GoesToTheFirstFreeSequenceFoundation) {
    ctx.rules.Set(rule::kFoundationBase, 1);  // an ordinary foundation first
    Lay({PileList::Dest, 1}, "001");
    Lay({PileList::Fila, 4}, std::string(kSpadesKingToTwo) + "040");
    EXPECT_TRUE(RemoveCompleteSequence(ctx, hooks, 4));
    EXPECT_EQ(CardCount(Dest(2)), 13);
}

TEST_F(CompleteSequencesTest, NothingHappensWithoutAFreeSequenceFoundation) {
    for (int f = 0; f < 8; ++f) Lay({PileList::Dest, f}, CardText(14 + f));
    Lay({PileList::Fila, 0}, std::string(kSpadesKingToTwo) + "040");
    EXPECT_FALSE(RemoveCompleteSequence(ctx, hooks, 0));
    EXPECT_EQ(CardCount(Fila(0)), 13);
}

TEST_F(CompleteSequencesTest, FoundationOffTheTableSendsTheSequenceToTheDiscard) {
    ctx.game.layout.foundations[0] = {kFoundationUnset, kFoundationUnset};
    Lay({PileList::Fila, 0}, std::string(kSpadesKingToTwo) + "040");
    EXPECT_TRUE(RemoveCompleteSequence(ctx, hooks, 0));
    EXPECT_EQ(Discard(), std::string("040") + kSpadesTwoToKing);
    EXPECT_TRUE(Dest(0).empty());
}

}  // namespace
}  // namespace vis::test
