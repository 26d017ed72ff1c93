// The text edge of moves: the target words of scripts and saved games read
// as moves and written back.
#include <gtest/gtest.h>

#include "engine/move.h"

namespace vis {
namespace {

TEST(MoveTextTest, EveryTargetWordReadsAsItsMoveAndWritesBack) {
    struct Case {
        std::string_view word;
        Move move;
        std::string_view writtenBack;
    };
    Move autoplayHome = Move::Cards(7, {PileList::Dest, 2});
    autoplayHome.autoplay = true;
    const Case cases[] = {
        {"Dest3", Move::Cards(7, {PileList::Dest, 2}), "Dest3"},
        {"Dest_Autoplay3", autoplayHome, "Dest_Autoplay3"},
        {"Fila12", Move::Cards(7, {PileList::Fila, 11}), "Fila12"},
        {"Appogg2", Move::Cards(7, {PileList::Appogg, 1}), "Appogg2"},
        {"Waste", Move::Cards(7, {PileList::Mazzo, kSecondWasteIndex}), "Waste"},
        {"Stock02", Move::Cards(7, {PileList::Mazzo, kWasteIndex}), "Stock02"},
        {"Mazzo_Vis", Move::Stock(StockOperation::kToWaste), "Mazzo_Vis"},
        {"Mazzo_Waste", Move::Stock(StockOperation::kToSecondWaste), "Mazzo_Waste"},
        {"Mazzo_Redeal", Move::Stock(StockOperation::kRedeal), "Mazzo_Redeal"},
        // Any other stock word only gathers.
        {"Mazzo", Move::Stock(StockOperation::kRedeal), "Mazzo_Redeal"},
        {"Add_Tableaus", Move::Deal({PileDealKind::kTableaus}), "Add_Tableaus"},
        {"Add_Tableaus_Last", Move::Deal({PileDealKind::kTableausLast}), "Add_Tableaus_Last"},
        {"Add_Tableau_07", Move::Deal({PileDealKind::kOneTableau, 6}), "Add_Tableau_07"},
        {"Add_Reserves", Move::Deal({PileDealKind::kReserves}), "Add_Reserves"},
        {"Add_Reserve_2", Move::Deal({PileDealKind::kOneReserve, 1}), "Add_Reserve_2"},
        {"Fill_Tableaus", Move::Deal({PileDealKind::kFillTableaus}), "Fill_Tableaus"},
        {"Selezionate_Dest", Move::Operation(MoveKind::kRemoveSelection), "Selezionate_Dest"},
        {"Selezionate_Fila", Move::Operation(MoveKind::kRefillFromStock), "Selezionate_Fila"},
        {"Stock_To_Pile_Monte_Carlo", Move::Operation(MoveKind::kCloseUpAndRefill),
         "Stock_To_Pile_Monte_Carlo"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.word));
        Move expected = c.move;
        // Operations carry no card of their own.
        if (expected.kind != MoveKind::kCards) expected.card = 7;
        const std::optional<Move> parsed = ParseMove(7, c.word);
        ASSERT_TRUE(parsed.has_value());
        EXPECT_EQ(*parsed, expected);
        EXPECT_EQ(MoveText(*parsed), c.writtenBack);
    }
}

TEST(MoveTextTest, WordsNamingNoTargetAreRefused) {
    for (std::string_view word :
         {"", "Nowhere", "Fila0", "Fila29", "Dest17", "Dest_Autoplay0", "Dest_Autoplay", "Appogg9",
          "Add_Tableau_7", "Add_Tableau_29", "Add_Reserve_12", "Selezionate"})
        EXPECT_FALSE(ParseMove(7, word).has_value()) << word;
}

}  // namespace
}  // namespace vis
