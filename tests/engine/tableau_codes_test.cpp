// Building codes used on tableau piles, one verdict a row.
#include <gtest/gtest.h>

#include "engine/grid_moves.h"
#include "engine/move_rules.h"
#include "model/rule_index.h"
#include "move_rules_fixture.h"

namespace vis::test {
namespace {

TEST(TableauCodeTest, NothingAnythingAndSteps) {  // 4, 12, 14-16
    const Position onFive = {{"Fila1", {H(5)}}};
    ExpectVerdicts({
        {"4 nothing on a card", onFive, S(4), "Fila1", false, TableauCode(4)},
        {"4 nothing on an empty pile", {}, S(4), "Fila1", false, TableauCode(4)},
        {"12 anything on a card", onFive, S(11), "Fila1", true, TableauCode(12)},
        {"12 anything on an empty pile", {}, S(11), "Fila1", true, TableauCode(12)},
        {"14 two up", onFive, S(7), "Fila1", true, TableauCode(14)},
        {"14 round the suit", {{"Fila1", {H(12)}}}, S(1), "Fila1", true, TableauCode(14)},
        {"14 not one up", onFive, S(6), "Fila1", false, TableauCode(14)},
        {"15 three up", onFive, S(8), "Fila1", true, TableauCode(15)},
        {"16 four up", onFive, S(9), "Fila1", true, TableauCode(16)},
        {"14 an empty pile takes an Ace", {}, S(1), "Fila1", true, TableauCode(14)},
        {"14 and nothing else", {}, S(2), "Fila1", false, TableauCode(14)},
        {"15 an empty pile takes a two", {}, S(2), "Fila1", true, TableauCode(15)},
        {"16 an empty pile takes a three", {}, S(3), "Fila1", true, TableauCode(16)},
    });
}

TEST(TableauCodeTest, WhereTheCardComesFrom) {  // 7, 17, 18, 19, 27, 33, 67, 69
    const Position sources = {
        {"Fila1", {H(5)}}, {"Fila3", {S(4)}}, {"Mazzo_Vis", {C(4)}}, {"Appogg1", {D(4)}}};
    const Position stockLeft = {{"Fila3", {S(4)}}, {"Mazzo", {C(2)}}};
    ExpectVerdicts({
        {"7 an empty pile once the stock is out", sources, S(4), "Fila2", true, TableauCode(7)},
        {"7 not while the stock holds", stockLeft, S(4), "Fila2", false, TableauCode(7)},
        {"7 never on a card", sources, S(4), "Fila1", false, TableauCode(7)},
        {"17 a waste card on anything", sources, C(4), "Fila1", true, TableauCode(17)},
        {"17 no tableau card", sources, S(4), "Fila1", false, TableauCode(17)},
        {"18 a tableau card onto an empty pile", sources, S(4), "Fila2", true, TableauCode(18)},
        {"18 not onto a card", sources, S(4), "Fila1", false, TableauCode(18)},
        {"18 other cards onto anything", sources, D(4), "Fila1", true, TableauCode(18)},
        {"19 a waste card", sources, C(4), "Fila1", true, TableauCode(19)},
        {"19 no reserve card", sources, D(4), "Fila1", false, TableauCode(19)},
        {"19 no tableau card", sources, S(4), "Fila1", false, TableauCode(19)},
        {"27 alternating from the tableau", sources, S(4), "Fila1", true, TableauCode(27)},
        {"27 no reserve card",
         {{"Fila1", {H(5)}}, {"Appogg1", {S(4)}}},
         S(4),
         "Fila1",
         false,
         TableauCode(27)},
        {"27 same colour refused", sources, D(4), "Fila1", false, TableauCode(27)},
        {"33 a waste card onto one card", sources, C(4), "Fila1", true, TableauCode(33)},
        {"33 not onto two",
         {{"Fila1", {H(5), H(9)}}, {"Mazzo_Vis", {C(4)}}},
         C(4),
         "Fila1",
         false,
         TableauCode(33)},
        {"33 no tableau card", sources, S(4), "Fila1", false, TableauCode(33)},
        {"67 a waste card into an empty pile", sources, C(4), "Fila2", true, TableauCode(67)},
        {"67 no tableau card", sources, S(4), "Fila2", false, TableauCode(67)},
        {"67 not onto a card", sources, C(4), "Fila1", false, TableauCode(67)},
        {"69 anything into an empty pile", sources, S(4), "Fila2", true, TableauCode(69)},
        {"69 nothing onto a card", sources, S(4), "Fila1", false, TableauCode(69)},
    });
}

TEST(TableauCodeTest, UpOrDownAnySuit) {  // 26, 28, 34, 35, 60, 68
    const Position onFive = {{"Fila1", {H(5)}}};
    ExpectVerdicts({
        {"26 up", onFive, S(6), "Fila1", true, TableauCode(26)},
        {"26 down", onFive, S(4), "Fila1", true, TableauCode(26)},
        {"26 not on three cards",
         {{"Fila1", {H(9), H(7), H(5)}}},
         S(4),
         "Fila1",
         false,
         TableauCode(26)},
        {"26 no empty pile", {}, S(4), "Fila1", false, TableauCode(26)},
        {"28 anything opens", {}, S(9), "Fila1", true, TableauCode(28)},
        {"28 a two on an Ace", {{"Fila1", {H(1)}}}, S(2), "Fila1", true, TableauCode(28)},
        {"28 no King on an Ace", {{"Fila1", {H(1)}}}, S(13), "Fila1", false, TableauCode(28)},
        {"28 a Queen on a King", {{"Fila1", {H(13)}}}, S(12), "Fila1", true, TableauCode(28)},
        {"28 no Ace on a King", {{"Fila1", {H(13)}}}, S(1), "Fila1", false, TableauCode(28)},
        {"28 up or down", onFive, S(6), "Fila1", true, TableauCode(28)},
        {"60 same suit", onFive, H(6), "Fila1", true, TableauCode(60)},
        {"60 not another suit", onFive, S(6), "Fila1", false, TableauCode(60)},
        {"60 anything opens", {}, S(9), "Fila1", true, TableauCode(60)},
        {"34 down any suit", onFive, D(4), "Fila1", true, TableauCode(34)},
        {"34 not up", onFive, D(6), "Fila1", false, TableauCode(34)},
        {"34 an empty pile by its rule",
         {},
         D(6),
         "Fila1",
         false,
         Joined({TableauCode(34), TableauEmptyRule(13)})},
        {"35 an Ace on a King", {{"Fila1", {H(13)}}}, S(1), "Fila1", true, TableauCode(35)},
        {"35 a King on an Ace", {{"Fila1", {H(1)}}}, S(13), "Fila1", true, TableauCode(35)},
        {"35 not two apart", onFive, S(7), "Fila1", false, TableauCode(35)},
        {"35 an empty pile by its rule",
         {},
         S(13),
         "Fila1",
         true,
         Joined({TableauCode(35), TableauEmptyRule(13)})},
        {"68 round the suit", {{"Fila1", {H(13)}}}, S(1), "Fila1", true, TableauCode(68)},
        {"68 no empty pile", {}, S(1), "Fila1", false, TableauCode(68)},
    });
}

TEST(TableauCodeTest, SuitFollowingTheFirstTwoCards) {  // 30
    ExpectVerdicts(
        {
            {"one card: up", {{"Fila1", {H(5)}}}, H(6), "Fila1", true},
            {"one card: down", {{"Fila1", {H(5)}}}, H(4), "Fila1", true},
            {"a falling pile goes on down", {{"Fila1", {H(6), H(5)}}}, H(4), "Fila1", true},
            {"a falling pile does not turn",
             {{"Fila1", {H(6), H(5)}}},
             Second(H(6)),
             "Fila1",
             false},
            {"a rising pile goes on up", {{"Fila1", {H(4), H(5)}}}, H(6), "Fila1", true},
            {"a rising pile does not turn",
             {{"Fila1", {H(4), H(5)}}},
             Second(H(4)),
             "Fila1",
             false},
            {"no Ace on a King", {{"Fila1", {H(13)}}}, H(1), "Fila1", false},
            {"same suit only", {{"Fila1", {H(5)}}}, S(4), "Fila1", false},
            {"no empty pile", {}, H(4), "Fila1", false},
        },
        TableauCode(30));
}

TEST(TableauCodeTest, RowsOpenedByKingsOrQueens) {  // 38, 45, 48
    const Position noWaste = {{"Fila1", {H(13)}}, {"Fila2", {H(13), S(5)}}, {"Fila3", {C(9)}}};
    ExpectVerdicts({
        {"38 a King opens", {}, S(13), "Fila1", true, TableauCode(38)},
        {"38 nothing else opens", {}, S(12), "Fila1", false, TableauCode(38)},
        {"38 any card on a lone King", noWaste, S(5), "Fila1", true, TableauCode(38)},
        {"38 no Queen on a lone King", noWaste, S(12), "Fila1", false, TableauCode(38)},
        {"38 nothing on two cards", noWaste, S(4), "Fila2", false, TableauCode(38)},
        {"38 nothing on another card", noWaste, C(8), "Fila3", false, TableauCode(38)},
        {"45 a King opens", {}, S(13), "Fila1", true, TableauCode(45)},
        {"45 any card on a single card", noWaste, D(2), "Fila3", true, TableauCode(45)},
        {"45 down on more", noWaste, D(4), "Fila2", true, TableauCode(45)},
        {"45 not up on more", noWaste, D(6), "Fila2", false, TableauCode(45)},
        {"45 no King on a card", noWaste, D(13), "Fila3", false, TableauCode(45)},
        {"48 a Queen opens", {}, S(12), "Fila1", true, TableauCode(48)},
        {"48 any card but a Queen on a lone Queen",
         {{"Fila1", {H(12)}}},
         S(13),
         "Fila1",
         true,
         TableauCode(48)},
        {"48 no Queen on a lone Queen",
         {{"Fila1", {H(12)}}},
         S(12),
         "Fila1",
         false,
         TableauCode(48)},
    });
}

TEST(TableauCodeTest, WasteRowRuleWhileTheWasteHoldsCards) {  // 38, 45, 48
    const Position row = {{"Fila1", {C(2)}}, {"Fila2", {C(3)}}, {"Mazzo_Vis", {D(9), S(13)}}};
    const Position oneStarted = {{"Fila1", {C(2)}}, {"Mazzo_Vis", {D(9), S(5)}}};
    Position eight = {{"Mazzo_Vis", {D(9), S(5)}}};
    const std::string_view keys[] = {"Fila1", "Fila2", "Fila3", "Fila4", "Fila5",
                                     "Fila6", "Fila7", "Fila8", "Fila9"};
    for (int k = 0; k < 9; ++k) eight.push_back({keys[k], {C(k + 1)}});
    ExpectVerdicts({
        {"a King into the first empty pile", row, S(13), "Fila3", true, TableauCode(38)},
        {"not into a later empty pile", row, S(13), "Fila4", false, TableauCode(38)},
        {"not onto a card", row, S(13), "Fila2", false, TableauCode(38)},
        {"the first pile while the second is empty", oneStarted, S(5), "Fila1", true,
         TableauCode(38)},
        {"the last filled pile",
         {{"Fila1", {C(2)}}, {"Fila2", {C(3)}}, {"Mazzo_Vis", {S(5)}}},
         S(5),
         "Fila2",
         true,
         TableauCode(38)},
        {"not a pile before the end",
         {{"Fila1", {C(2)}}, {"Fila2", {C(3)}}, {"Mazzo_Vis", {S(5)}}},
         S(5),
         "Fila1",
         false,
         TableauCode(38)},
        {"the eighth pile ends a row", eight, S(5), "Fila8", true, TableauCode(38)},
        {"the seventh does not", eight, S(5), "Fila7", false, TableauCode(38)},
        {"never an empty pile for other ranks", oneStarted, S(5), "Fila2", false, TableauCode(38)},
        {"never a tableau card",
         {{"Fila1", {C(2)}}, {"Fila3", {S(5)}}, {"Mazzo_Vis", {D(9)}}},
         S(5),
         "Fila1",
         false,
         TableauCode(38)},
        {"45 a King into the first empty pile", row, S(13), "Fila3", true, TableauCode(45)},
        {"48 a Queen into the first empty pile", row, S(12), "Fila3", true, TableauCode(48)},
        {"48 a King is an ordinary card there", row, S(13), "Fila3", false, TableauCode(48)},
    });
}

TEST(TableauCodeTest, OpeningRankFromTheFillRule) {  // 54, 55
    const Position waste = {{"Mazzo_Vis", {S(13)}}, {"Fila2", {D(13)}}};
    const auto fill = [](int rank) { return TableauEmptyRule(rank); };
    ExpectVerdicts({
        {"54 the fill rank from the waste", waste, S(13), "Fila1", true,
         Joined({TableauCode(54), fill(13)})},
        {"54 not from the tableau", waste, D(13), "Fila1", false,
         Joined({TableauCode(54), fill(13)})},
        {"54 not from a reserve",
         {{"Appogg1", {S(13)}}},
         S(13),
         "Fila1",
         false,
         Joined({TableauCode(54), fill(13)})},
        {"54 not another rank",
         {{"Mazzo_Vis", {S(12)}}},
         S(12),
         "Fila1",
         false,
         Joined({TableauCode(54), fill(13)})},
        {"54 any rank under -1",
         {{"Mazzo_Vis", {S(12)}}},
         S(12),
         "Fila1",
         true,
         Joined({TableauCode(54), fill(-1)})},
        {"54 down any suit", {{"Fila1", {H(5)}}}, D(4), "Fila1", true, TableauCode(54)},
        {"54 a King on an Ace with wrap 1",
         {{"Fila1", {H(1)}}},
         D(13),
         "Fila1",
         true,
         Joined({TableauCode(54), ForTableau(rule::kTableauWrap, 1)})},
        {"54 no King on an Ace without it",
         {{"Fila1", {H(1)}}},
         D(13),
         "Fila1",
         false,
         TableauCode(54)},
        {"55 up in the same colour",
         {{"Fila1", {H(5)}}, {"Fila2", {D(6)}}},
         D(6),
         "Fila1",
         true,
         TableauCode(55)},
        {"55 not the other colour",
         {{"Fila1", {H(5)}}, {"Fila2", {S(6)}}},
         S(6),
         "Fila1",
         false,
         TableauCode(55)},
        {"55 the single waste card must go first",
         {{"Fila1", {H(5)}}, {"Fila2", {D(6)}}, {"Mazzo_Vis", {C(9)}}},
         D(6),
         "Fila1",
         false,
         TableauCode(55)},
        {"55 the single waste card itself",
         {{"Fila1", {H(5)}}, {"Mazzo_Vis", {D(6)}}},
         D(6),
         "Fila1",
         true,
         TableauCode(55)},
        {"55 nothing while the waste holds two",
         {{"Fila1", {H(5)}}, {"Mazzo_Vis", {C(9), D(6)}}},
         D(6),
         "Fila1",
         false,
         TableauCode(55)},
        {"55 an empty pile by the fill rank",
         {{"Mazzo_Vis", {D(13)}}},
         D(13),
         "Fila1",
         true,
         Joined({TableauCode(55), fill(13)})},
    });
}

TEST(TableauCodeTest, SuitAlongsideAPartnerPile) {  // 80, 81
    ExpectVerdicts({
        {"80 anything into an empty pile",
         {{"Mazzo_Vis", {D(9)}}},
         D(9),
         "Fila1",
         true,
         TableauCode(80)},
        {"80 same suit round the suit",
         {{"Fila1", {H(13)}}, {"Mazzo_Vis", {H(1)}}},
         H(1),
         "Fila1",
         true,
         TableauCode(80)},
        {"80 not another suit",
         {{"Fila1", {H(13)}}, {"Mazzo_Vis", {D(1)}}},
         D(1),
         "Fila1",
         false,
         TableauCode(80)},
        {"80 never from the tableau", {{"Fila2", {D(9)}}}, D(9), "Fila1", false, TableauCode(80)},
        {"81 anything while its reserve is empty",
         {{"Fila1", {H(5)}}, {"Mazzo_Vis", {D(9)}}},
         D(9),
         "Fila1",
         true,
         TableauCode(81)},
        {"81 a started reserve asks for the suit",
         {{"Fila1", {H(5)}}, {"Appogg1", {C(3)}}, {"Mazzo_Vis", {D(6)}}},
         D(6),
         "Fila1",
         false,
         TableauCode(81)},
    });
}

TEST(TableauCodeTest, GridMovesIntoEmptyCells) {  // 70, 71
    // A grid three cells wide: Fila1-3 the first row, Fila4-6 the second ...
    const RuleValues grid = {{rule::kGridWidth, 3}};
    const auto from = [](std::string_view key) {
        return Position{{key, {S(7)}}, {"Fila9", {H(2)}}};
    };
    const Position jumpRow = {{"Fila3", {S(7)}}, {"Fila2", {H(2)}}};
    const Position jumpColumn = {{"Fila7", {S(7)}}, {"Fila4", {H(2)}}};
    ExpectVerdicts({
        {"70 from the left", from("Fila4"), S(7), "Fila5", true, Joined({grid, TableauCode(70)})},
        {"70 from the right", from("Fila6"), S(7), "Fila5", true, Joined({grid, TableauCode(70)})},
        {"70 from above", from("Fila2"), S(7), "Fila5", true, Joined({grid, TableauCode(70)})},
        {"70 from below", from("Fila8"), S(7), "Fila5", true, Joined({grid, TableauCode(70)})},
        {"70 not from a corner", from("Fila1"), S(7), "Fila5", false,
         Joined({grid, TableauCode(70)})},
        {"70 not across the row's end", from("Fila4"), S(7), "Fila3", false,
         Joined({grid, TableauCode(70)})},
        {"70 not onto a card", from("Fila4"), S(7), "Fila9", false,
         Joined({grid, TableauCode(70)})},
        {"70 not from the waste",
         {{"Mazzo_Vis", {S(7)}}},
         S(7),
         "Fila5",
         false,
         Joined({grid, TableauCode(70)})},
        {"71 over a card in the row", jumpRow, S(7), "Fila1", true,
         Joined({grid, TableauCode(71)})},
        {"71 over a card in the column", jumpColumn, S(7), "Fila1", true,
         Joined({grid, TableauCode(71)})},
        {"71 not over an empty cell",
         {{"Fila3", {S(7)}}},
         S(7),
         "Fila1",
         false,
         Joined({grid, TableauCode(71)})},
        {"71 not a neighbour",
         {{"Fila2", {S(7)}}},
         S(7),
         "Fila1",
         false,
         Joined({grid, TableauCode(71)})},
        {"71 not across the row's end",
         {{"Fila4", {S(7)}}, {"Fila3", {H(2)}}},
         S(7),
         "Fila2",
         false,
         Joined({grid, TableauCode(71)})},
    });
}

TEST(GridMovesTest, TheJumpedCellIsNamed) {
    Table table({{"Fila7", {S(7)}}, {"Fila4", {H(2)}}, {"Fila3", {C(5)}}, {"Fila2", {D(5)}}},
                {{rule::kGridWidth, 3}});
    EXPECT_EQ(JumpedCell(table.Ctx(), S(7), 0), 3);
    EXPECT_EQ(JumpedCell(table.Ctx(), C(5), 0), 1);
    EXPECT_EQ(JumpedCell(table.Ctx(), D(5), 0), -1);  // a neighbour, not a jump
    table.SetRule(rule::kGridWidth, 0);
    EXPECT_EQ(JumpedCell(table.Ctx(), S(7), 0), -1);  // no grid at all
}

}  // namespace
}  // namespace vis::test
