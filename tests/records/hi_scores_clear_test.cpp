#include <gtest/gtest.h>

#include "records/hi_scores.h"
#include "records/record_files.h"
#include "records_fixture.h"

namespace vis {
namespace {

// Invented tables for games 1 and 2 with results of Ann and Bob; Ann's
// overall-score section is spelt "ann".
void BuildScenario(test::RecordsScratch& s) {
    s.SetGame(1, "Klondike");
    const std::tuple<int, const char*, int, int> results[] = {{1, "Ann", 60, 100},
                                                              {1, "Bob", 45, 50},
                                                              {1, "Ann", 44, 10},
                                                              {2, "Ann", 30, 10},
                                                              {2, "Bob", 70, 10}};
    for (const auto& [game, player, score, seconds] : results) {
        HiScoreResult r;
        r.game = game;
        r.player = player;
        r.endTime = "10:00:00";
        r.endDate = "20240101";
        r.seconds = seconds;
        r.score = score;
        r.won = true;
        OfferHiScore(s.ctx, s.services, r);
    }
    std::string overall = s.Read("STAT_GLO.DAT");
    overall.replace(overall.find("[Ann]"), 5, "[ann]");
    s.Write("STAT_GLO.DAT", overall);
}

struct TableCount {
    int ann = 0;
    int empty = 0;
};

TableCount Count(const test::RecordsScratch& s, int game) {
    TableCount count;
    for (int r = 1; r <= kHiScoreRanks; ++r) {
        const std::string entry = s.Value("STAT_SCR.DAT", ZeroPad(game, 4), HiScoreKey("01", r));
        if (IsEmptyHiScoreEntry(entry)) ++count.empty;
        if (entry.size() > 32 && TrimRight(entry.substr(32, 30)) == "Ann") ++count.ann;
    }
    return count;
}

using Overall = std::vector<std::tuple<std::string, std::int64_t, std::int64_t>>;

Overall OverallOf(test::RecordsScratch& s) {
    Overall out;
    for (const auto& o : ReadOverallScores(s.ctx)) out.emplace_back(o.player, o.score, o.seconds);
    return out;
}

TEST(ClearHiScoresTest, ScopesRemoveEntriesAndTheirOverallScore) {
    struct Case {
        const char* name;
        bool allPlayers;
        bool allGames;
        int annInGame1, emptyInGame1, annInGame2, emptyInGame2;
        Overall overall;
    };
    const Case cases[] = {
        {"Ann in game 1", false, false, 0, 2, 1, 0, {{"ann", 30, 10}, {"Bob", 115, 60}}},
        {"everyone in game 1", true, false, 0, 20, 1, 0, {{"ann", 30, 10}, {"Bob", 70, 10}}},
        {"Ann in every game", false, true, 0, 2, 0, 1, {{"ann", 0, 0}, {"Bob", 115, 60}}},
    };
    for (const auto& c : cases) {
        test::RecordsScratch s;
        BuildScenario(s);
        ASSERT_EQ(OverallOf(s), (Overall{{"ann", 90, 110}, {"Bob", 115, 60}}));
        ASSERT_EQ(Count(s, 1).ann, 2);
        ClearHiScores(s.ctx, s.services.fillerDigit, 1, "01", c.allPlayers, c.allGames, "Ann ");
        EXPECT_EQ(Count(s, 1).ann, c.annInGame1) << c.name;
        EXPECT_EQ(Count(s, 1).empty, c.emptyInGame1) << c.name;
        EXPECT_EQ(Count(s, 2).ann, c.annInGame2) << c.name;
        EXPECT_EQ(Count(s, 2).empty, c.emptyInGame2) << c.name;
        EXPECT_EQ(OverallOf(s), c.overall) << c.name;
        EXPECT_TRUE(s.ui.Messages().empty()) << c.name;
        EXPECT_EQ(s.ui.BusyDepth(), 0);
    }
}

TEST(ClearHiScoresTest, LaterEntriesMoveUp) {
    test::RecordsScratch s;
    BuildScenario(s);
    ClearHiScores(s.ctx, s.services.fillerDigit, 1, "01", false, false, "Ann");
    const std::string first = s.Value("STAT_SCR.DAT", "0001", "01-01");
    const std::string fourth = s.Value("STAT_SCR.DAT", "0001", "01-04");
    EXPECT_EQ(first.substr(0, 6), "000052");
    EXPECT_EQ(fourth.substr(0, 6) + TrimRight(fourth.substr(32, 30)), "000045Bob");
}

TEST(ClearHiScoresTest, EverythingClearedStaysEmptyUntilRealResultsArrive) {
    test::RecordsScratch s;
    BuildScenario(s);
    ClearHiScores(s.ctx, s.services.fillerDigit, -1, "01", true, true, "");
    EXPECT_EQ(s.Read("STAT_SCR.DAT"),
              "[Version]\r\nVersion=0300\r\n\r\n[Clear scores]\r\nCleared=Y\r\n");
    EXPECT_FALSE(std::filesystem::exists(s.Data("STAT_GLO.DAT")));
    for (const auto& entry : ReadHiScoreTable(s.ctx, s.services, 1, "01"))
        EXPECT_EQ(entry, EmptyHiScoreEntry());
    HiScoreResult r;
    r.game = 1;
    r.player = "Bob";
    r.score = 3;
    EXPECT_EQ(OfferHiScore(s.ctx, s.services, r), 0);
    EXPECT_EQ(Count(s, 1).empty, 19);
}

TEST(ClearHiScoresTest, AllPlayersInAllGamesAlsoClearsAnOrphanedOverallScore) {
    test::RecordsScratch s;
    BuildScenario(s);
    std::filesystem::remove(s.Data("STAT_SCR.DAT"));
    ClearHiScores(s.ctx, s.services.fillerDigit, -1, "01", true, true, "");
    EXPECT_FALSE(std::filesystem::exists(s.Data("STAT_GLO.DAT")));
    EXPECT_TRUE(std::filesystem::exists(s.Data("STAT_SCR.DAT")));
}

TEST(ClearHiScoresTest, OtherScopesLeaveAMissingFileMissing) {
    test::RecordsScratch s;
    ClearHiScores(s.ctx, s.services.fillerDigit, 1, "01", false, false, "Ann");
    ClearHiScores(s.ctx, s.services.fillerDigit, 1, "01", true, false, "Ann");
    ClearHiScores(s.ctx, s.services.fillerDigit, 1, "01", false, true, "Ann");
    // Only the lock that every update of the records takes.
    EXPECT_EQ(test::FileNames(s.dir / "DATA"), std::vector<std::string>{"STAT.LCK"});
}

}  // namespace
}  // namespace vis
