#include "engine/fill_gaps.h"

#include <map>

#include "engine/pointer_table_fixture.h"

namespace vis::test {
namespace {

class FillGapsTest : public PointerTable {
public:
    using Piles = std::map<std::string, std::vector<CardNumber>>;

    // Every tableau pile of `tableauPiles` holds a spade unless it is
    // listed empty; then `piles` are laid.
    void Setup(int tableauPiles, const std::vector<std::string>& empty, const Piles& piles) {
        ctx.piles.Clear();
        ctx.rules.Set(rule::kTableauCount, tableauPiles);
        for (int i = 0; i < tableauPiles; ++i) {
            const std::string key = "Fila" + std::to_string(i + 1);
            if (std::find(empty.begin(), empty.end(), key) == empty.end())
                Lay(*PileByKey(key), CardText(Second(S(1 + i))));
        }
        for (const auto& [key, cards] : piles) {
            std::string text;
            for (CardNumber card : cards) text += CardText(card);
            // The stock lies face down, everything else face up.
            Lay(*PileByKey(key), text, key == "Mazzo" ? CardCount(text) : 0);
        }
    }
};

TEST_F(FillGapsTest, EachRuleTakesItsSourceAndAmount) {
    struct Case {
        const char* what;
        RuleValues rules;
        std::vector<std::string> empty;
        Piles piles;
        Piles expected;
        bool found = true;
        int tableauPiles = 7;
    };
    const Case cases[] = {
        {"3: the stock first",
         {{rule::kAutoFillTableau, 3}},
         {"Fila3"},
         {{"Mazzo", {C(4), C(5)}}, {"Mazzo_Vis", {C(7)}}},
         {{"Fila3", {C(5)}}, {"Mazzo", {C(4)}}, {"Mazzo_Vis", {C(7)}}}},
        {"3: the waste once the stock is empty",
         {{rule::kAutoFillTableau, 3}},
         {"Fila3"},
         {{"Mazzo_Vis", {C(7), C(8)}}},
         {{"Fila3", {C(8)}}, {"Mazzo_Vis", {C(7)}}}},
        {"2: the waste first",
         {{rule::kAutoFillTableau, 2}},
         {"Fila3"},
         {{"Mazzo", {C(4)}}, {"Mazzo_Vis", {C(7), C(8)}}},
         {{"Fila3", {C(8)}}, {"Mazzo", {C(4)}}}},
        {"2: the stock when the waste is empty",
         {{rule::kAutoFillTableau, 2}},
         {"Fila3"},
         {{"Mazzo", {C(4), C(5)}}},
         {{"Fila3", {C(5)}}, {"Mazzo", {C(4)}}}},
        {"2: the grid block is not refilled",
         {{rule::kAutoFillTableau, 2}, {rule::kGridRows, 1}, {rule::kGridColumns, 3}},
         {"Fila3", "Fila4"},
         {{"Mazzo_Vis", {C(7), C(8)}}},
         {{"Fila3", {}}, {"Fila4", {C(8)}}, {"Mazzo_Vis", {C(7)}}}},
        {"2: nothing to fill from",
         {{rule::kAutoFillTableau, 2}},
         {"Fila3"},
         {},
         {{"Fila3", {}}},
         false},
        {"5: three from the waste",
         {{rule::kAutoFillTableau, 5}},
         {"Fila3"},
         {{"Mazzo_Vis", {C(6), C(7), C(8), C(9)}}},
         {{"Fila3", {C(9), C(8), C(7)}}, {"Mazzo_Vis", {C(6)}}}},
        {"6: only the corner piles",
         {{rule::kAutoFillTableau, 6}},
         {"Fila3", "Fila7"},
         {{"Mazzo_Vis", {C(7), C(8)}}},
         {{"Fila3", {}}, {"Fila7", {C(8)}}, {"Mazzo_Vis", {C(7)}}}},
        {"7: the stock from pile 11 on",
         {{rule::kAutoFillTableau, 7}},
         {"Fila3", "Fila11"},
         {{"Mazzo", {C(4), C(5)}}},
         {{"Fila3", {}}, {"Fila11", {C(5)}}, {"Mazzo", {C(4)}}},
         true,
         11},
        {"9: four from the stock",
         {{rule::kAutoFillTableau, 9}},
         {"Fila3"},
         {{"Mazzo", {C(2), C(3), C(4), C(5), C(6)}}},
         {{"Fila3", {C(6), C(5), C(4), C(3)}}, {"Mazzo", {C(2)}}}},
        {"1: the first reserve, pile by pile",
         {{rule::kAutoFillTableau, 1}, {rule::kReserveCount, 1}},
         {"Fila3", "Fila5"},
         {{"Appogg1", {C(2), C(3)}}},
         {{"Fila3", {C(3)}}, {"Fila5", {C(2)}}, {"Appogg1", {}}}},
        {"8: the reserves too",
         {{rule::kAutoFillTableau, 8}, {rule::kReserveCount, 2}},
         {"Fila3"},
         {{"Mazzo_Vis", {C(7), C(8)}}, {"Appogg1", {D(2)}}},
         {{"Fila3", {C(8)}}, {"Appogg2", {C(7)}}, {"Mazzo_Vis", {}}}},
        {"no rule",
         {{rule::kAutoFillTableau, 0}},
         {"Fila3"},
         {{"Mazzo", {C(4)}}},
         {{"Fila3", {}}},
         false},
        {"before the first card went home",
         {{rule::kAutoFillTableau, 3}, {rule::kFillPhase, 1}},
         {"Fila3"},
         {{"Mazzo", {C(4)}}},
         {{"Fila3", {}}},
         false},
    };
    for (const Case& c : cases) {
        ctx.rules.Set(rule::kFillPhase, 0);
        ctx.rules.Set(rule::kGridRows, 0);
        ctx.rules.Set(rule::kGridColumns, 0);
        ctx.rules.Set(rule::kReserveCount, 0);
        for (const RuleValue& r : c.rules) ctx.rules.Set(r.index, r.value);
        ctx.game.fillCounter = ctx.rules[rule::kFillPhase] != 0 ? 0 : 2;
        Setup(c.tableauPiles, c.empty, c.piles);
        EXPECT_EQ(FillGaps(ctx, autoplayHooks), c.found) << c.what;
        for (const auto& [key, cards] : c.expected) {
            std::string text;
            for (CardNumber card : cards) text += CardText(card);
            EXPECT_EQ(Pile(key), text) << c.what << ": " << key;
        }
    }
}

TEST_F(FillGapsTest, RuleFourStopsOnceATableauDropWasCounted) {
    ctx.rules.Set(rule::kAutoFillTableau, 4);
    Setup(7, {"Fila3"}, {{"Mazzo_Vis", {C(7), C(8)}}});
    ctx.history.undo.log = ",001,";
    EXPECT_FALSE(FillGaps(ctx, autoplayHooks));
    EXPECT_TRUE(Pile("Fila3").empty());
    ctx.history.undo.log = ",,";
    EXPECT_TRUE(FillGaps(ctx, autoplayHooks));
    EXPECT_EQ(Pile("Fila3"), CardText(C(8)));
}

TEST_F(FillGapsTest, UndoingTheMoveThatEmptiedAPileTakesTheFillBack) {
    ctx.rules.Set(rule::kAutoFillTableau, 3);
    Setup(7, {}, {{"Mazzo", {C(4), C(5)}}, {"Dest1", {H(1)}}, {"Fila2", {H(2)}}});
    const TableState before = State();
    ASSERT_TRUE(Drag(H(2), "Dest1"));
    const TableState after = State();
    EXPECT_EQ(Pile("Fila2"), CardText(C(5)));
    EXPECT_EQ(Steps(), 1);
    Undo();
    EXPECT_EQ(State(), before);
    Redo();
    EXPECT_EQ(State(), after);
}

TEST_F(FillGapsTest, AFillOnAFreshTableKeepsItsOwnUndoStep) {
    ctx.rules.Set(rule::kAutoFillTableau, 3);
    Setup(7, {"Fila3"}, {{"Mazzo", {C(4)}}});
    const TableState before = State();
    ASSERT_TRUE(FillGaps(ctx, autoplayHooks));
    EXPECT_EQ(Steps(), 1);
    Undo();
    EXPECT_EQ(State(), before);
}

}  // namespace
}  // namespace vis::test
