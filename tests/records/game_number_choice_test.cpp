#include "records/game_number_choice.h"

#include <gtest/gtest.h>

#include "model/text.h"

namespace vis {
namespace {

TEST(GameNumberChoiceTest, ChecksTypedNumbers) {
    struct Case {
        std::string_view typed;
        DealNumberCheck check;
        std::string padded;
    };
    for (const Case& c : std::vector<Case>{
             {"12a", DealNumberCheck::kNotDigits, ""},
             {"-5", DealNumberCheck::kNotDigits, ""},
             {"12345678901234", DealNumberCheck::kNotDigits, ""},
             {"", DealNumberCheck::kEmpty, ""},
             {"  ", DealNumberCheck::kEmpty, ""},
             {"0", DealNumberCheck::kZero, ""},
             {"0000", DealNumberCheck::kZero, ""},
             {"42", DealNumberCheck::kValid, "0000000000042"},
             {"1234567890123", DealNumberCheck::kValid, "1234567890123"},
         }) {
        SCOPED_TRACE(c.typed);
        const CheckedDealNumber result = CheckDealNumber(c.typed);
        EXPECT_EQ(result.check, c.check);
        EXPECT_EQ(result.padded, c.padded);
    }
}

// A log line as the game log writes it.
std::string LogLine(std::string_view date, std::string_view time, std::string_view game,
                    std::string_view player, bool won, std::string_view deal) {
    return std::string(date) + " " + std::string(time) + " 000100 0002 " + PadOrCut(game, 50) +
           " " + PadOrCut(player, 30) + " " + (won ? "Won  " : "Lost ") + "01 000010 " +
           PadOrCut(deal, 15) + " 500";
}

TEST(GameNumberChoiceTest, PreviousGamesNewestFirst) {
    const std::vector<std::string> log = {
        LogLine("20240101", "10:00:00", "Klondike", "Ann", false, "0000000000001"),
        LogLine("20240102", "10:00:00", "Freecell", "Bob", true, "0000000000002")};
    const auto rows = PreviousGames(log);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].deal, "0000000000002");
    EXPECT_EQ(rows[0].game, "Freecell");
    EXPECT_TRUE(rows[0].won);
    EXPECT_EQ(rows[0].date, "20240102");
    EXPECT_EQ(rows[0].player, "Bob");
    EXPECT_FALSE(rows[1].won);

    std::vector<std::string> many(150, log[0]);
    EXPECT_EQ(PreviousGames(many).size(), kPreviousGamesShown);
}

TEST(GameNumberChoiceTest, LostGamesDropDealsEverWon) {
    const std::vector<std::string> log = {
        // Lost twice and won once: never listed.
        LogLine("20240101", "10:00:00", "Klondike", "Ann", false, "0000000000001"),
        LogLine("20240102", "10:00:00", "Klondike", "Ann", false, "0000000000001"),
        LogLine("20240103", "10:00:00", "Klondike", "Bob", true, "0000000000001"),
        // Lost by two players: one row, the first player's.
        LogLine("20240105", "09:00:00", "Klondike", "Zed", false, "0000000000002"),
        LogLine("20240104", "09:00:00", "Klondike", "Ann", false, "0000000000002"),
        LogLine("20240106", "09:00:00", "Klondike", "Ann", false, "0000000000003"),
        // Another game.
        LogLine("20240107", "09:00:00", "Freecell", "Ann", false, "0000000000004")};
    const auto rows = LostGames(log, "Klondike   ");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].deal, "0000000000003");
    EXPECT_EQ(rows[1].deal, "0000000000002");
    EXPECT_EQ(rows[1].player, "Ann");
    EXPECT_EQ(rows[1].date, "20240104");
}

}  // namespace
}  // namespace vis
