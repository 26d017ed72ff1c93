#include "records/win_rate.h"

#include <gtest/gtest.h>

#include "records/game_log.h"
#include "records/game_statistics.h"
#include "records_fixture.h"

namespace vis {
namespace {

class WinRateTest : public test::RecordsTest {
protected:
    // A log line of the current game and player.
    std::string Logged(bool won) const {
        return GameLogLine(ctx.state, won, 60, "10:00:00", "20260101");
    }
};

TEST_F(WinRateTest, BlocksCountTheGamesOfOneGameAndPlayerInOrder) {
    SetGame(7, "Klondike");
    const std::string longName(35, 'L');  // the log keeps 30 characters
    SetPlayer(longName);
    std::vector<std::string> log;
    for (int i = 0; i < 5; ++i) log.push_back(Logged(i != 4));
    SetPlayer("Bob");
    log.push_back(Logged(true));
    SetGame(8, "Spider");
    SetPlayer(longName);
    log.push_back(Logged(true));
    SetGame(7, "Klondike");
    log.push_back(Logged(false));
    log.push_back("damaged line");

    struct Case {
        int game;
        std::string player;
        int blockGames;
        std::vector<WinRateBlock> expected;
    };
    const Case cases[] = {
        {7, longName, 2, {{2, 2}, {2, 2}, {2, 0}}},
        {7, longName, 20, {{6, 4}}},
        {7, longName.substr(0, 30), 4, {{4, 4}, {2, 0}}},
        {7, "Bob", 20, {{1, 1}}},
        {8, longName, 20, {{1, 1}}},
        {9, longName, 20, {}},
        {-1, longName, 20, {}},
        {7, longName, 0, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.game) + " " + c.player + " " + std::to_string(c.blockGames));
        EXPECT_EQ(WinRateBlocks(log, c.game, c.player, c.blockGames), c.expected);
    }
}

TEST(GameStatsRecordTest, WholeOnlyWhenEveryReadFieldIsANumber) {
    struct Case {
        const char* text;
        bool whole;
    };
    const Case cases[] = {
        {"000002 000001 000002 000000 000001 000000 000000000123 000000000000", true},
        // The reserved field is never read.
        {"000002 000001 000002 000000 000001 000000 000000000123 xxxxxxxxxxxx", true},
        {"000002 00x001 000002 000000 000001 000000 000000000123 000000000000", false},
        {"000002 000001 000002 000000 000001 000000 ************", false},
        {"000002 000001", false},
        {"", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(IsWholeGameStatsRecord(c.text), c.whole);
    }
}

}  // namespace
}  // namespace vis
