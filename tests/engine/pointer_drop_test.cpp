#include "engine/pointer_drop.h"

#include "engine/pointer_table_fixture.h"

namespace vis::test {
namespace {

TEST(OverlapAreaTest, CornersFirstThenProbedHeights) {
    constexpr Rect kPile{100, 100, 171, 196};
    struct Case {
        const char* what;
        Rect block;
        std::optional<int> area;
        Rect pile = kPile;
    };
    const Case cases[] = {
        {"top-left corner inside", {120, 130, 191, 226}, 51 * 66},
        {"bottom-right corner inside", {80, 60, 151, 156}, 51 * 56},
        {"top-right corner inside", {50, 150, 121, 246}, 46 * 21},
        {"bottom-left corner inside", {150, 50, 221, 146}, 21 * 46},
        {"tall run, left edge over the pile", {120, 50, 191, 300}, 51 * 250},
        {"tall run, right edge over the pile", {60, 50, 131, 300}, 31 * 250},
        {"edges belong to the pile: touching gives area 0", {171, 100, 242, 196}, 0},
        {"beside the pile", {200, 100, 271, 196}, std::nullopt},
        {"above the pile", {120, 0, 191, 99}, std::nullopt},
        // A band thinner than the probe step between two probes is missed.
        {"thin band between probes", {120, 60, 191, 250}, std::nullopt, {100, 120, 171, 140}},
        {"thin band on a probe", {120, 70, 191, 250}, 51 * 180, {100, 120, 171, 140}},
    };
    for (const Case& c : cases) EXPECT_EQ(OverlapArea(c.block, c.pile), c.area) << c.what;
}

class DropRankingTest : public PointerTable {};

TEST_F(DropRankingTest, EqualAreasRankReserveFoundationTableauWaste) {
    ctx.rules.Set(rule::kReserveCount, 1);
    TableLayout& layout = ctx.game.layout;
    // Four piles of different kinds on one place, and Fila1 beside them.
    const PileOrigin place = layout.tableau[1];
    layout.foundations[0] = place;
    layout.reserves[0] = place;
    layout.stockGroup[kWasteIndex] = place;
    const Rect block{60, 150, 131, 246};  // over Fila2's place and part of Fila1
    const std::vector<DropCandidate> ranked = RankDropCandidates(ctx, H(5), block);
    ASSERT_EQ(ranked.size(), 4u);  // Fila1, the fifth, is left off
    const int area = 31 * 96;
    EXPECT_EQ(ranked[0], (DropCandidate{DropKind::kReserve, 0, -1, area}));
    EXPECT_EQ(ranked[1], (DropCandidate{DropKind::kFoundation, 0, -1, area}));
    EXPECT_EQ(ranked[2], (DropCandidate{DropKind::kTableau, 1, -1, area}));
    EXPECT_EQ(ranked[3], (DropCandidate{DropKind::kWaste, 0, -1, area}));
}

TEST_F(DropRankingTest, LargerAreaFirstAndHigherIndexOnATie) {
    struct Case {
        const char* what;
        int blockLeft;
        std::vector<std::string> keys;
    };
    const Case cases[] = {
        {"equal overlap of Fila1 and Fila2", 55, {"Fila2", "Fila1"}},
        {"more of Fila1", 50, {"Fila1", "Fila2"}},
        {"more of Fila2", 60, {"Fila2", "Fila1"}},
        {"only Fila2", 100, {"Fila2"}},
    };
    for (const Case& c : cases) {
        const Rect block{c.blockLeft, 150, c.blockLeft + 71, 246};
        std::vector<std::string> keys;
        for (const DropCandidate& candidate : RankDropCandidates(ctx, H(5), block))
            keys.push_back(DropTargetKey(candidate));
        EXPECT_EQ(keys, c.keys) << c.what;
    }
}

TEST_F(DropRankingTest, FillPhaseLetsOnlyTableauCardsGoHome) {
    ctx.rules.Set(rule::kFillPhase, 1);
    ctx.game.fillCounter = 0;
    ctx.game.layout.foundations[0] = ctx.game.layout.tableau[1];
    Put("Fila1", {H(1)});
    Put("Mazzo_Vis", {H(2)});
    const Rect block{100, 150, 171, 246};
    const auto fromTableau = RankDropCandidates(ctx, H(1), block);
    ASSERT_EQ(fromTableau.size(), 1u);
    EXPECT_EQ(fromTableau[0].kind, DropKind::kFoundation);
    EXPECT_TRUE(RankDropCandidates(ctx, H(2), block).empty());
}

class DropTest : public PointerTable {};

TEST_F(DropTest, PressAndReleaseWithoutMovingChangesNothing) {
    Put("Fila1", {S(6)});
    Put("Fila3", {H(5)});
    const TableState before = State();
    Press(On(H(5)));
    EXPECT_EQ(ctx.game.draggedCard, H(5));
    Release(On(H(5)));
    EXPECT_EQ(State(), before);
    EXPECT_EQ(Steps(), 0);
    EXPECT_EQ(ctx.game.draggedCard, 0);
    EXPECT_TRUE(Logged("repaint Fila3: 005 -> 005"));
}

TEST_F(DropTest, ABlockReleasedOverNothingIsSentBack) {
    ctx.state.Set(field::kCardsShadowed, "Y");
    ctx.state.Set(field::kSoundsCardDown, "Y");
    ctx.state.Set(field::kSoundsCardUp, "Y");
    Put("Fila3", {H(5)});
    const TableState before = State();
    Press(On(H(5)));
    EXPECT_TRUE(Logged("sound event: card_up"));
    // The shadowed card jumped 7 pixels up and left.
    EXPECT_EQ(ctx.game.pointer.blockAt, (Point{190 - 7, 150 - 7}));
    MoveTo({900, 700});
    EXPECT_EQ(ui.TablePointer(), 13);
    Release({900, 700});
    EXPECT_EQ(ui.TablePointer(), 3);
    EXPECT_EQ(State(), before);
    EXPECT_TRUE(Logged("slide block 892,692 -> 190,150"));
    EXPECT_TRUE(Logged("sound event: card_down"));
}

TEST_F(DropTest, EqualOverlapGoesToTheHigherIndexUnlessItRefuses) {
    struct Case {
        const char* what;
        CardNumber onFila2;
        const char* expectedPile;
    };
    const Case cases[] = {
        {"both accept", C(6), "Fila2"},
        {"Fila2 refuses", D(6), "Fila1"},
    };
    for (const Case& c : cases) {
        ctx.piles.Clear();
        Put("Fila1", {S(6)});
        Put("Fila2", {c.onFila2});
        Put("Fila4", {H(5)});
        const Point from = On(H(5));
        Press(from);
        const Point grab = ctx.game.pointer.grabOffset;
        // The block's left edge at 55: 26 pixels over each of the two piles.
        const Point to{55 + grab.x, kTableauTop + kFanStep + grab.y};
        MoveTo(to);
        Release(to);
        EXPECT_EQ(TopCard(Pile(c.expectedPile)), H(5)) << c.what;
        EXPECT_TRUE(Pile("Fila4").empty()) << c.what;
    }
}

TEST_F(DropTest, ARunMovesInItsOrderAndABrokenRunIsNotLifted) {
    ctx.rules.Set(rule::kRunCheck, 1);
    Put("Fila1", {C(9)});
    Put("Fila2", {S(13), H(8), C(7), D(6)});
    ASSERT_TRUE(Drag(H(8), "Fila1"));
    EXPECT_EQ(Pile("Fila1"), PileText({C(9), H(8), C(7), D(6)}));
    EXPECT_EQ(Pile("Fila2"), PileText({S(13)}));
    Undo();
    EXPECT_EQ(Pile("Fila2"), PileText({S(13), H(8), C(7), D(6)}));

    Put("Fila2", {S(13), H(8), D(7), D(6)});  // red on red: not a run
    Press(On(H(8)));
    EXPECT_EQ(ctx.game.draggedCard, 0);
    Release(On(H(8)));
    EXPECT_EQ(Pile("Fila2"), PileText({S(13), H(8), D(7), D(6)}));
}

TEST_F(DropTest, PressOnAFaceDownTopCardTurnsItUp) {
    Put("Fila1", {S(13), H(8)}, 2);
    Press(On(H(8)));
    EXPECT_TRUE(ctx.deck.IsFaceUp(H(8)));
    EXPECT_EQ(ctx.game.draggedCard, 0);
    EXPECT_EQ(Steps(), 1);
}

TEST_F(DropTest, TheWasteTakesASuitNeighbourWhenItBuilds) {
    ctx.rules.Set(rule::kWasteBuilds, 2);
    struct Case {
        const char* what;
        CardNumber card;
        bool taken;
    };
    const Case cases[] = {
        {"one above, same suit", S(10), true},  {"one below, same suit", S(8), true},
        {"King on an Ace wraps", S(13), false},  // S(9) is on the waste, not an Ace
        {"other suit", C(10), false},           {"two apart", S(11), false},
    };
    for (const Case& c : cases) {
        ctx.piles.Clear();
        Put("Mazzo_Vis", {S(9)});
        Put("Fila3", {c.card});
        ASSERT_TRUE(Drag(c.card, "Mazzo_Vis")) << c.what;
        EXPECT_EQ(TopCard(Pile("Mazzo_Vis")) == c.card, c.taken) << c.what;
    }
    ctx.piles.Clear();
    Put("Mazzo_Vis", {S(1)});
    Put("Fila3", {S(13)});
    ASSERT_TRUE(Drag(S(13), "Mazzo_Vis"));
    EXPECT_EQ(TopCard(Pile("Mazzo_Vis")), S(13)) << "King on an Ace";
}

TEST_F(DropTest, TheWasteIsNoTargetWithoutItsRule) {
    Put("Mazzo_Vis", {S(9)});
    Put("Fila3", {S(10)});
    ASSERT_TRUE(Drag(S(10), "Mazzo_Vis"));
    EXPECT_EQ(Pile("Fila3"), PileText({S(10)}));
}

// Records the drops that the gap games and the row game carry out
// themselves.
class OwnDropHooks : public AutoplayPlayHooks {
public:
    bool DropOnCardPlace(GameContext&, CardNumber card, int tableau, int slot) override {
        calls.push_back("place " + CardText(card) + " Fila" + std::to_string(tableau + 1) + "/" +
                        std::to_string(slot));
        return true;
    }
    bool DropInCardRow(GameContext&, CardNumber card, CardNumber target) override {
        calls.push_back("row " + CardText(card) + " on " + CardText(target));
        return true;
    }
    std::vector<std::string> calls;
};

TEST_F(DropTest, GapGamesAndTheRowGameDropThroughTheirOwnHooks) {
    struct Case {
        const char* what;
        int family;
        std::string call;
    };
    const Case cases[] = {
        // The block covers the second card's place fully, the others partly.
        {"every card place is a target", 32, "place 005 Fila1/1"},
        // The first candidate of the same rank or suit is the target.
        {"one row of cards", 19, "row 005 on 007"},
    };
    for (const Case& c : cases) {
        ctx.piles.Clear();
        ctx.rules.Set(rule::kFamily, c.family);
        Put("Fila1", {S(9), C(2), H(7)});
        Put("Fila4", {H(5)});
        OwnDropHooks own;
        const Point from = On(H(5));
        PointerDown(ctx, own, PointerButton::kLeft, {}, from.x, from.y);
        const Point grab = ctx.game.pointer.grabOffset;
        const Point to{10 + grab.x, kTableauTop + kFanStep + grab.y};
        PointerMove(ctx, own, {}, to.x, to.y);
        PointerUp(ctx, own, PointerButton::kLeft, to.x, to.y);
        EXPECT_EQ(own.calls, std::vector<std::string>{c.call}) << c.what;
    }
}

}  // namespace
}  // namespace vis::test
