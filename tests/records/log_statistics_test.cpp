#include "records/log_statistics.h"

#include <gtest/gtest.h>

#include "records/game_log.h"
#include "records_fixture.h"

namespace vis {
namespace {

class LogStatisticsTest : public test::RecordsTest {
protected:
    std::string Line(const std::string& game, const std::string& player, bool won,
                     const std::string& date = "20260107") {
        SetGame(12, game);
        SetPlayer(player);
        SetScore(won ? 120 : -52);
        SetDeal("0000000000042");
        return GameLogLine(ctx.state, won, 61, "10:05:09", date);
    }
};

TEST_F(LogStatisticsTest, CsvQuotesWhatWouldBreakAColumnAndDisarmsFormulas) {
    struct Case {
        std::string game;
        std::string player;
        std::string date;
        std::string expected;  // the data line
    };
    const Case cases[] = {
        {"Klondike", "Ann", "20260107",
         "2026-01-07,10:05:09,000061,12,Klondike,Ann,Lost,01,-52,0000000000042"},
        {"Kings, \"Queens\"", "Ann", "20260107",
         "2026-01-07,10:05:09,000061,12,\"Kings, \"\"Queens\"\"\",Ann,Lost,01,-52,0000000000042"},
        {"=HYPERLINK(1)", "+Bob", "20260107",
         "2026-01-07,10:05:09,000061,12,'=HYPERLINK(1),'+Bob,Lost,01,-52,0000000000042"},
        // A damaged date stays as it was logged.
        {"Klondike", "Ann", "2026x107",
         "2026x107,10:05:09,000061,12,Klondike,Ann,Lost,01,-52,0000000000042"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.game);
        EXPECT_EQ(GameLogCsv({Line(c.game, c.player, false, c.date)}),
                  "Date,End time,Seconds,Game number,Game,Player,Result,Scoring,Score,Deal "
                  "number\r\n" +
                      c.expected + "\r\n");
    }
}

TEST_F(LogStatisticsTest, SelectionComparesWholeNamesAndSkipsBlankLines) {
    const std::vector<std::string> log = {Line("Klondike", "Ann", true), "",
                                          Line("Klondike (3 cards)", "Anna", false),
                                          Line("Spider", "Ann", false)};
    EXPECT_EQ(SelectLogLines(log, std::nullopt, std::nullopt),
              (std::vector<std::string>{log[3], log[2], log[0]}));
    EXPECT_EQ(SelectLogLines(log, "Klondike", std::nullopt), std::vector<std::string>{log[0]});
    EXPECT_EQ(SelectLogLines(log, std::nullopt, "Ann"), (std::vector<std::string>{log[3], log[0]}));
    EXPECT_TRUE(SelectLogLines(log, "Spider", "Anna").empty());
}

}  // namespace
}  // namespace vis
