#include "records/game_statistics.h"

#include <gtest/gtest.h>

#include "records/game_log.h"
#include "records_fixture.h"

namespace vis {
namespace {

constexpr const char* kZero = "000000 000000 000000 000000 000000 000000 000000000000 000000000000";

// A record from its leading fields; the rest are zero.
GameStatsRecord Rec(std::initializer_list<std::int64_t> fields) {
    GameStatsRecord r;
    std::int64_t* slots[] = {&r.won,
                             &r.lost,
                             &r.longestWinningStreak,
                             &r.longestLosingStreak,
                             &r.currentWinningStreak,
                             &r.currentLosingStreak,
                             &r.totalScore};
    std::size_t i = 0;
    for (const std::int64_t value : fields) *slots[i++] = value;
    return r;
}

class GameStatisticsTest : public test::RecordsTest {
protected:
    GameStatisticsTest() {
        SetGame(1, "Klondike");
        SetPlayer("Player 1");
    }
    void Play(bool won, int score) {
        SetScore(score);
        RecordGameStatistics(ctx, won);
    }
    std::string StoredRecord(int game, const std::string& player) {
        return Value("STAT.DAT", GameSectionName(game), player);
    }
};

TEST(GameStatsRecordTest, FieldsStandAtTheirPositionsWithReservedZeros) {
    const GameStatsRecord r = Rec({1, 22, 333, 4444, 55555, 666666, -7});
    const std::string text = FormatGameStatsRecord(r);
    EXPECT_EQ(text, "000001 000022 000333 004444 055555 666666 -00000000007 000000000000");
    EXPECT_EQ(text.size(), kGameStatsRecordLength);
    EXPECT_EQ(ParseGameStatsRecord(text), r);
}

TEST(GameStatsRecordTest, FromTheFirstFieldThatIsNoNumberOnEverythingCountsAsZero) {
    struct Case {
        const char* text;
        GameStatsRecord expected;
    };
    const Case cases[] = {
        {"", Rec({})},
        {"000005 000002 00x003 000004 000005 000006 000000000123 000000000000", Rec({5, 2})},
        {"****** 000002 000003 000004 000005 000006 000000000123 000000000000", Rec({})},
        {"000005 000002 000003 000004 000005 000006 ************ 000000000000",
         Rec({5, 2, 3, 4, 5, 6, 0})},
        {"000007 0000", Rec({7, 0})},
        {"000007", Rec({7})},
        {"-00003 000001", Rec({-3, 1})},
        {"000001 000002 000003 000004 000005 000006 999999999999",
         Rec({1, 2, 3, 4, 5, 6, 999999999999})},
        {"garbage that is not a record at all", Rec({})},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseGameStatsRecord(c.text), c.expected) << c.text;
}

TEST_F(GameStatisticsTest, FirstGameEverCreatesTheFileWithItsVersionSection) {
    Play(true, 123);
    EXPECT_EQ(Read("STAT.DAT"),
              "[Version]\r\nVersion=0300\r\n\r\n[0001]\r\nPlayer 1=000001 000000 000001 000000 "
              "000001 000000 000000000123 000000000000\r\n");
    EXPECT_EQ(ctx.state.Get(field::kRunWon), "0001");
    EXPECT_EQ(ctx.state.Get(field::kRunLost), "0000");
}

TEST_F(GameStatisticsTest, StreaksAndTotalsFollowTheResults) {
    struct Case {
        const char* name;
        std::vector<std::pair<bool, int>> games;
        const char* record;
        const char* runWon;
        const char* runLost;
    };
    const Case cases[] = {
        {"a loss after three wins",
         {{true, 10}, {true, 20}, {true, 30}, {false, -40}},
         "000003 000001 000003 000001 000000 000001 000000000020 000000000000",
         "0003",
         "0001"},
        {"a negative total keeps its sign first",
         {{false, -50}},
         "000000 000001 000000 000001 000000 000001 -00000000050 000000000000",
         "0000",
         "0001"},
        {"the longest losing streak survives a win",
         {{false, 0}, {false, 0}, {true, 5}, {false, 0}},
         "000001 000003 000001 000002 000000 000001 000000000005 000000000000",
         "0001",
         "0003"},
    };
    for (const auto& c : cases) {
        SetGame(static_cast<int>(&c - cases) + 10, c.name);
        ctx.state.Set(field::kRunWon, "0000");
        ctx.state.Set(field::kRunLost, "0000");
        for (const auto& [won, score] : c.games) Play(won, score);
        EXPECT_EQ(StoredRecord(ctx.state.GetInt(field::kGameNumber), "Player 1"), c.record)
            << c.name;
        EXPECT_EQ(ctx.state.Get(field::kRunWon), c.runWon) << c.name;
        EXPECT_EQ(ctx.state.Get(field::kRunLost), c.runLost) << c.name;
    }
}

TEST_F(GameStatisticsTest, DamagedRecordIsRewrittenInFullAtTheNextGame) {
    struct Case {
        const char* section;
        std::vector<std::string> after;
    };
    const Case cases[] = {
        {"Player 1=000005 000002 00x003\r\n",
         {"Player 1=000006 000002 000001 000000 000001 000000 000000000007 000000000000"}},
        {"Player 1\r\n",  // the key without its "="
         {"Player 1=000001 000000 000001 000000 000001 000000 000000000007 000000000000"}},
        {"Player 1=\r\nnoise\r\n",
         {"Player 1=000001 000000 000001 000000 000001 000000 000000000007 000000000000",
          "noise="}},
    };
    for (const auto& c : cases) {
        Write("STAT.DAT", std::string("[Version]\r\nVersion=0300\r\n\r\n[0001]\r\n") + c.section);
        Play(true, 7);
        EXPECT_EQ(ReadSectionLines(Data("STAT.DAT"), "0001"), c.after) << c.section;
    }
}

TEST_F(GameStatisticsTest, FileWithoutAFinalLineEndStillTakesTheRecord) {
    struct Case {
        const char* before;
        const char* after;
        const char* sectionEnd;  // a rewritten section ends in an empty line
    };
    const std::string rec =
        "Player 1=000001 000000 000001 000000 000001 000000 000000000007 000000000000\r\n";
    const Case cases[] = {
        {"[Version]\r\nVersion=0300", "[Version]\r\nVersion=0300\r\n\r\n[0001]\r\n", ""},
        {"[Version]\r\nVersion=0300\r\n\r\n[0001]", "[Version]\r\nVersion=0300\r\n\r\n[0001]\r\n",
         "\r\n"},
        {"", "[Version]\r\nVersion=0300\r\n\r\n[0001]\r\n", ""},
    };
    for (const auto& c : cases) {
        Write("STAT.DAT", c.before);
        Play(true, 7);
        EXPECT_EQ(Read("STAT.DAT"), c.after + rec + c.sectionEnd) << c.before;
    }
}

TEST_F(GameStatisticsTest, CountsStopAtTheirWidthInsteadOfWipingTheRecord) {
    Write("STAT.DAT",
          "[Version]\r\nVersion=0300\r\n\r\n[0001]\r\nPlayer 1=999999 000004 999999 "
          "000002 999999 000000 999999999990 000000000000\r\n");
    ctx.state.Set(field::kRunWon, "9999");
    Play(true, 50);
    EXPECT_EQ(StoredRecord(1, "Player 1"),
              "999999 000004 999999 000002 999999 000000 999999999999 000000000000");
    EXPECT_EQ(ctx.state.Get(field::kRunWon), "9999");
}

TEST_F(GameStatisticsTest, PlayerWhoseNameBeginsAnotherKeepsHisOwnRecord) {
    Write("STAT.DAT", std::string("[Version]\r\nVersion=0300\r\n\r\n[0001]\r\nAnna=000009 000009 "
                                  "000009 000009 000009 000000 000000000099 000000000000\r\n"));
    SetPlayer("Ann");
    Play(false, 3);
    EXPECT_EQ(StoredRecord(1, "Anna"),
              "000009 000009 000009 000009 000009 000000 000000000099 000000000000");
    EXPECT_EQ(StoredRecord(1, "Ann"),
              "000000 000001 000000 000001 000000 000001 000000000003 000000000000");
    EXPECT_EQ(ReadGameStatistics(ctx, nullptr, 1, "Ann").record.lost, 1);
    EXPECT_EQ(ReadGameStatistics(ctx, nullptr, 1, "Anna").record.won, 9);
}

TEST_F(GameStatisticsTest, RunCountersBelongOnlyToTheCurrentGameAndPlayer) {
    Play(true, 1);
    Play(false, 1);
    SetGame(2, "Freecell");
    Play(true, 1);  // the game start would reset the counters; this one keeps counting
    const StatisticsFile file(Data("STAT.DAT"));
    struct Case {
        int game;
        const char* player;
        bool runs;
    };
    const Case cases[] = {{2, "Player 1", true},
                          {2, "  Player 1  ", true},
                          {1, "Player 1", false},
                          {2, "Player 2", false}};
    for (const auto& c : cases) {
        for (const StatisticsFile* handle : {static_cast<const StatisticsFile*>(nullptr), &file}) {
            const GameStatistics stats = ReadGameStatistics(ctx, handle, c.game, c.player);
            EXPECT_EQ(stats.runWon, c.runs ? 2 : 0) << c.game << c.player;
            EXPECT_EQ(stats.runLost, c.runs ? 1 : 0) << c.game << c.player;
        }
    }
    EXPECT_EQ(file.Record(1, "Player 1"), Rec({1, 1, 1, 1, 0, 1, 2}));
    EXPECT_EQ(file.Record(2, "Player 1").won, 1);
    EXPECT_EQ(file.Record(3, "Player 1"), GameStatsRecord{});
}

TEST_F(GameStatisticsTest, ReadingWithoutAFileCreatesItAndGivesZeros) {
    EXPECT_EQ(ReadGameStatistics(ctx, nullptr, 5, "Nobody").record, GameStatsRecord{});
    EXPECT_EQ(Read("STAT.DAT"), "[Version]\r\nVersion=0300\r\n");
    EXPECT_EQ(StatisticsFile(Data("MISSING.DAT")).Record(1, "x"), GameStatsRecord{});
}

// Two games, two players (Bob never played game 2), and their log lines.
constexpr const char* kOne = "000001 000000 000001 000000 000001 000000 000000000010 000000000000";

void WriteClearScenario(test::RecordsScratch& s) {
    const std::string rec = kOne;
    s.Write("STAT.DAT", "[Version]\r\nVersion=0300\r\n\r\n[0001]\r\nAnn=" + rec + "\r\nBob=" + rec +
                            "\r\n\r\n[0002]\r\nAnn=" + rec + "\r\n");
    std::string log;
    const std::pair<int, const char*> logged[] = {
        {1, "Ann"}, {2, "Ann"}, {1, "Bob"}, {2, "Bob"}, {1, "Ann"}};
    for (const auto& [game, player] : logged) {
        s.SetGame(game, "Game " + std::to_string(game));
        s.SetPlayer(player);
        log += GameLogLine(s.ctx.state, true, 60, "10:00:00", "20240101") + "\r\n";
    }
    s.Write("STAT_LOG.DAT", log);
}

// (game, player) of the lines left in the log.
std::vector<std::pair<int, std::string>> LoggedGames(const GameContext& ctx) {
    std::vector<std::pair<int, std::string>> games;
    for (const auto& line : ReadGameLog(ctx))
        games.emplace_back(LogLineGame(line), LogLinePlayer(line));
    return games;
}

TEST(ClearStatisticsTest, EachScopeZeroesItsRecordsAndDropsItsLogLines) {
    const std::string rec = kOne;
    const std::string zero = kZero;
    struct Case {
        bool allPlayers;
        bool allGames;
        std::string stats;
        std::vector<std::pair<int, std::string>> log;
    };
    const Case cases[] = {
        {false,
         false,
         "[Version]\r\nVersion=0300\r\n\r\n[0001]\r\nAnn=" + rec + "\r\nBob=" + zero +
             "\r\n\r\n[0002]\r\nAnn=" + rec + "\r\n",
         {{1, "Ann"}, {2, "Ann"}, {2, "Bob"}, {1, "Ann"}}},
        {true,
         false,
         "[Version]\r\nVersion=0300\r\n\r\n[0001]\r\nAnn=" + zero + "\r\nBob=" + zero +
             "\r\n\r\n[0002]\r\nAnn=" + rec + "\r\n",
         {{2, "Ann"}, {2, "Bob"}}},
        {false,
         true,  // Bob had no record in game 2: he gets a zero one there
         "[Version]\r\nVersion=0300\r\n\r\n[0001]\r\nAnn=" + rec + "\r\nBob=" + zero +
             "\r\n\r\n[0002]\r\nAnn=" + rec + "\r\nBob=" + zero + "\r\n",
         {{1, "Ann"}, {2, "Ann"}, {1, "Ann"}}},
        {true, true, "[Version]\r\nVersion=0300\r\n", {}},
    };
    for (const auto& c : cases) {
        test::RecordsScratch s;
        WriteClearScenario(s);
        ClearStatistics(s.ctx, 1, "Bob", c.allPlayers, c.allGames);
        EXPECT_EQ(s.Read("STAT.DAT"), c.stats) << c.allPlayers << c.allGames;
        EXPECT_EQ(LoggedGames(s.ctx), c.log) << c.allPlayers << c.allGames;
        EXPECT_EQ(s.ui.BusyDepth(), 0);
    }
}

TEST(ClearStatisticsTest, LogComparesItsCutNameWithTheFullName) {
    test::RecordsScratch s;
    const std::string longName = "Bartholomew Montgomery-Smithso";  // 30 characters, as stored
    s.SetGame(1, "Klondike");
    s.SetPlayer(longName);
    s.Write("STAT_LOG.DAT", GameLogLine(s.ctx.state, false, 5, "10:00:00", "20240101") + "\r\n");
    ClearStatistics(s.ctx, 1, longName + "n", false, true);
    EXPECT_EQ(ReadGameLog(s.ctx).size(), 1u);
    ClearStatistics(s.ctx, 1, longName, false, true);
    EXPECT_TRUE(ReadGameLog(s.ctx).empty());
}

TEST(ClearStatisticsTest, MissingFilesStayMissing) {
    test::RecordsScratch s;
    for (const bool allPlayers : {false, true})
        for (const bool allGames : {false, true})
            ClearStatistics(s.ctx, 1, "Ann", allPlayers, allGames);
    // Only the lock that every update of the records takes.
    EXPECT_EQ(test::FileNames(s.dir / "DATA"), std::vector<std::string>{"STAT.LCK"});
}

}  // namespace
}  // namespace vis
