#include "records/game_log.h"

#include <gtest/gtest.h>

#include "records_fixture.h"

namespace vis {
namespace {

std::string Blanks(std::size_t n) {
    return std::string(n, ' ');
}

class GameLogTest : public test::RecordsTest {
protected:
    GameLogTest() {
        SetGame(7, "Klondike");
        SetPlayer("Player 1");
        SetScore(-52);
        SetDeal("1234567890123");
    }
};

TEST_F(GameLogTest, LineHoldsElevenFieldsAtTheirColumns) {
    struct Case {
        bool won;
        const char* gameName;
        const char* time;
        std::string expected;
    };
    const std::string longName(60, 'N');
    const Case cases[] = {
        {false, "Klondike", "13:05:09",
         "20240307 13:05:09 000125 0007 Klondike" + Blanks(42) + " Player 1" + Blanks(22) +
             " Lost 01 -52    1234567890123   0500"},
        {true, longName.c_str(), "13.05.09",
         "20240307 13.05.09 000125 0007 " + std::string(50, 'N') + " Player 1" + Blanks(22) +
             " Won  01 -52    1234567890123   0500"},
    };
    for (const auto& c : cases) {
        ctx.state.Set(field::kGameName, c.gameName);
        const std::string line = GameLogLine(ctx.state, c.won, 125, c.time, "20240307");
        EXPECT_EQ(line, c.expected);
        EXPECT_EQ(line.size(), kGameLogLineLength);
        EXPECT_EQ(LogLineGame(line), 7);
        EXPECT_EQ(LogLinePlayer(line), "Player 1");
    }
}

TEST_F(GameLogTest, LinesAreAppendedOldestFirstWithCrLf) {
    AppendGameLog(ctx, true, 1, "10:00:00", "20240101");
    SetPlayer("Player 2");
    AppendGameLog(ctx, false, 2, "11:00:00", "20240102");
    const std::string text = Read("STAT_LOG.DAT");
    ASSERT_EQ(text.size(), 2 * (kGameLogLineLength + 2));
    EXPECT_EQ(text.substr(kGameLogLineLength, 2), "\r\n");
    const auto lines = ReadGameLog(ctx);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(LogLinePlayer(lines[0]), "Player 1");
    EXPECT_EQ(LogLinePlayer(lines[1]), "Player 2");
}

TEST_F(GameLogTest, ALastLineCutShortDoesNotSwallowTheNextGame) {
    Write("STAT_LOG.DAT", "20240101 10:00:00 0001");
    AppendGameLog(ctx, true, 1, "10:00:00", "20240101");
    const auto lines = ReadGameLog(ctx);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "20240101 10:00:00 0001");
    EXPECT_EQ(lines[1], GameLogLine(ctx.state, true, 1, "10:00:00", "20240101"));
}

TEST(GameLogFieldsTest, DamagedLinesReadAsNoGameAndNoPlayer) {
    struct Case {
        std::string line;
        int game;
        std::string player;
    };
    const Case cases[] = {
        {"", -1, ""},
        {"short line", -1, ""},
        {std::string(25, 'x') + "abcd", -1, ""},
        {std::string(25, 'x') + "-001", -1, ""},
        {std::string(25, 'x') + "0012" + std::string(52, 'y') + "Ann", 12, "Ann"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LogLineGame(c.line), c.game) << c.line;
        EXPECT_EQ(LogLinePlayer(c.line), c.player) << c.line;
    }
}

}  // namespace
}  // namespace vis
