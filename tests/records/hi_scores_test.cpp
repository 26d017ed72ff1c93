#include "records/hi_scores.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "model/rule_index.h"
#include "records_fixture.h"

namespace vis {
namespace {

std::string Blanks(std::size_t n) {
    return std::string(n, ' ');
}

std::string Rank(const test::RecordsScratch& s, int game, int rank) {
    return s.Value("STAT_SCR.DAT", ZeroPad(game, 4), HiScoreKey("01", rank));
}

std::vector<int> StoredScores(const test::RecordsScratch& s, int game) {
    std::vector<int> scores;
    for (int r = 1; r <= kHiScoreRanks; ++r)
        scores.push_back(ParseIntOr(Rank(s, game, r).substr(0, 6), 0));
    return scores;
}

HiScoreResult Result(int score, int seconds, bool won = true) {
    HiScoreResult r;
    r.game = 1;
    r.player = "Ann";
    r.endTime = "21:10:00";
    r.endDate = "20240401";
    r.seconds = seconds;
    r.score = score;
    r.won = won;
    r.dealNumber = "5555555555555";
    return r;
}

class HiScoresTest : public test::RecordsTest {
protected:
    HiScoresTest() {
        SetGame(1, "Klondike");
        SetPlayer("Ann");
    }
};

TEST(HiScoreEntryTest, FieldsStandAtTheirColumns) {
    HiScoreResult r;
    r.score = -52;
    r.seconds = 125;
    r.endDate = "20240307";
    r.endTime = "13:05:09";
    r.player = "Player with a name longer than thirty";
    r.dealNumber = "1234567890123";
    r.won = false;
    EXPECT_EQ(HiScoreEntryText(r),
              "-00052 000125 20240307 13:05:09 Player with a name longer than"
              " 1234567890123   Lost");
    r.won = true;
    r.player = "Ann";
    r.seconds = 5000000;  // longer than six digits hold
    EXPECT_EQ(HiScoreEntryText(r),
              "-00052 999999 20240307 13:05:09 Ann" + Blanks(27) + " 1234567890123   Won ");
    EXPECT_EQ(EmptyHiScoreEntry(), Blanks(84) + "x");
    EXPECT_TRUE(IsEmptyHiScoreEntry(EmptyHiScoreEntry()));
    EXPECT_TRUE(IsEmptyHiScoreEntry(""));
    EXPECT_TRUE(IsEmptyHiScoreEntry("     "));
    EXPECT_FALSE(IsEmptyHiScoreEntry("    1 000005"));
}

TEST(InventedScoresTest, StepsFollowTheGamesRules) {
    struct Case {
        InventedScoreRules rules;
        std::array<int, kHiScoreRanks> scores;
    };
    const Case cases[] = {
        {{-1, 52}, {52, 49, 46, 43, 40, 37, 34, 31, 28, 25, 22, 19, 16, 14, 12, 10, 8, 6, 4, 2}},
        {{-1, 104}, {104, 98, 92, 86, 80, 74, 68, 62, 56, 50, 44, 38, 32, 27, 22, 17, 12, 7, 2, 1}},
        {{500, 104}, {52, 49, 46, 43, 40, 37, 34, 31, 28, 25, 22, 19, 16, 14, 12, 10, 8, 6, 4, 2}},
        {{60, 52}, {30, 27, 24, 21, 18, 15, 12, 9, 6, 3, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}},
        {{40, 52}, {20, 18, 16, 14, 12, 10, 8, 6, 4, 2, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}},
        {{0, 52}, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(InventedScores(c.rules), c.scores) << c.rules.maxScore << " " << c.rules.deckSize;
}

TEST_F(HiScoresTest, EmptyTableGetsInventedEntriesWhenRead) {
    const HiScoreTable table = ReadHiScoreTable(ctx, services, 1, "01");
    EXPECT_EQ(rulesAskedFor, 1);
    EXPECT_EQ(table[0],
              "000052 000260 20240307 13:05:09 * Arvo" + Blanks(24) + " 000000000000000 Won  x");
    EXPECT_EQ(table[19].substr(0, 14), "000002 000010 ");
    EXPECT_EQ(Rank(*this, 1, 1), table[0]);
    EXPECT_EQ(Rank(*this, 1, 20), table[19]);
    const std::string text = Read("STAT_SCR.DAT");
    EXPECT_EQ(text.substr(0, 35), "[Version]\r\nVersion=0300\r\n\r\n[0001]\r\n");
    EXPECT_EQ(text.size(), 35 + 20 * (6 + kHiScoreEntryLength + 2));
    std::set<std::string> names;
    for (const auto& entry : table) names.insert(entry.substr(32, 30));
    EXPECT_EQ(names.size(), 20u);
}

TEST(HiScorePlacingTest, ResultEntersInFrontOfTheFirstWeakerRank) {
    // Invented ranks: 52, 49, 46, 43, 40, ... 2 with times five times the score.
    struct Case {
        const char* name;
        int score;
        int seconds;
        bool won;
        int rank;
    };
    const Case cases[] = {
        {"a lost game beating rank 5", 41, 999, false, 4},
        {"equal score and time to rank 3", 46, 230, true, 3},
        {"equal score, shorter time than rank 3", 46, 229, true, 2},
        {"best of all", 60, 1, true, 0},
        {"below the last rank", 1, 1, true, -1},
        {"equal to the last rank", 2, 10, true, -1},
    };
    for (const auto& c : cases) {
        test::RecordsScratch s;
        ReadHiScoreTable(s.ctx, s.services, 1, "01");
        std::vector<int> expected = StoredScores(s, 1);
        const HiScoreResult result = Result(c.score, c.seconds, c.won);
        EXPECT_EQ(OfferHiScore(s.ctx, s.services, result), c.rank) << c.name;
        if (c.rank >= 0) {
            expected.insert(expected.begin() + c.rank, c.score);
            expected.pop_back();
            const std::string entry = Rank(s, 1, c.rank + 1);
            EXPECT_EQ(entry, HiScoreEntryText(result) + " x") << c.name;
            EXPECT_EQ(entry.substr(79, 4), c.won ? "Won " : "Lost") << c.name;
        }
        EXPECT_EQ(StoredScores(s, 1), expected) << c.name;
    }
}

TEST_F(HiScoresTest, RankThatDoesNotParseComparesAsTheRankBeforeIt) {
    const std::string tail = " 20240101 10:00:00 Bob" + Blanks(27) + " 1" + Blanks(14) + " Won  x";
    Write("STAT_SCR.DAT", "[Version]\r\nVersion=0300\r\n\r\n[0001]\r\n01-01=000050 000100" + tail +
                              "\r\n01-02=00x050 000090" + tail + "\r\n01-03=000040 000100" + tail +
                              "\r\n");
    // Rank 2 compares as score 50 with its own time 90: not beaten by 50 in 100.
    EXPECT_EQ(OfferHiScore(ctx, services, Result(50, 100)), 2);
    EXPECT_EQ(Rank(*this, 1, 2).substr(0, 6), "00x050");
    EXPECT_EQ(Rank(*this, 1, 4).substr(0, 6), "000040");
    EXPECT_EQ(Rank(*this, 1, 5), EmptyHiScoreEntry());
}

// A table whose first rank was lost keeps the results below it: the
// invented entries are only for a table with nothing in it.
TEST_F(HiScoresTest, ABlankFirstRankDoesNotReplaceTheOtherResults) {
    const std::string tail = " 20240101 10:00:00 Bob" + Blanks(27) + " 1" + Blanks(14) + " Won  x";
    Write("STAT_SCR.DAT",
          "[Version]\r\nVersion=0300\r\n\r\n[0001]\r\n01-01=\r\n01-02=000050 000100" + tail +
              "\r\n01-03=000040 000100" + tail + "\r\n");
    const HiScoreTable table = ReadHiScoreTable(ctx, services, 1, "01");
    EXPECT_NE(rulesAskedFor, 1) << "no entries invented";
    EXPECT_EQ(table[1].substr(0, 6), "000050");
    EXPECT_GE(OfferHiScore(ctx, services, Result(45, 100)), 0);
    const std::vector<int> scores = StoredScores(*this, 1);
    for (const int kept : {50, 45, 40})
        EXPECT_NE(std::find(scores.begin(), scores.end(), kept), scores.end()) << kept;
}

TEST_F(HiScoresTest, NewEntryIsAnnouncedUnlessSwitchedOff) {
    struct Case {
        const char* confirm;
        int score;
        bool announced;
    };
    const Case cases[] = {{"Y", 60, true}, {"", 60, true}, {"N", 60, false}, {"Y", 1, false}};
    for (const auto& c : cases) {
        test::RecordsScratch s;
        s.SetGame(1, "Klondike");
        s.ctx.state.Set(field::kConfirmEnterHiScores, c.confirm);
        OfferHiScore(s.ctx, s.services, Result(c.score, 10));
        const std::vector<std::string> expected =
            c.announced ? std::vector<std::string>{"hi-scores new entry row 0 game -1: Congratulations! "
                                                   "Your score has made the Klondike Hi-Scores list!"}
                        : std::vector<std::string>{};
        std::vector<std::string> shown;
        for (const auto& entry : s.ui.Log())
            if (StartsWith(entry, "hi-scores")) shown.push_back(entry);
        EXPECT_EQ(shown, expected) << c.confirm << c.score;
    }
}

TEST_F(HiScoresTest, NothingIsInventedAfterEverythingWasClearedOrWithoutRules) {
    Write("STAT_SCR.DAT", "[Version]\r\nVersion=0300\r\n\r\n[Clear scores]\r\nCleared=Y\r\n");
    EXPECT_EQ(OfferHiScore(ctx, services, Result(-40, 10)), 0);
    EXPECT_EQ(Rank(*this, 1, 1).substr(0, 6), "-00040");
    EXPECT_EQ(Rank(*this, 1, 2), EmptyHiScoreEntry());

    test::RecordsScratch noRules;
    noRules.services.baseGameRules = [](const GameContext&, int) { return std::nullopt; };
    const HiScoreTable table = ReadHiScoreTable(noRules.ctx, noRules.services, 3, "01");
    for (const auto& entry : table) EXPECT_EQ(entry, EmptyHiScoreEntry());
}

TEST_F(HiScoresTest, DefaultRulesComeFromTheGameInPlay) {
    ctx.rules.Set(rule::kScoreValueB, -1);
    ctx.rules.Set(rule::kDeckSize, 104);
    const HiScoreServices defaults = DefaultHiScoreServices();
    EXPECT_EQ(ReadHiScoreTable(ctx, defaults, 1, "01")[0].substr(0, 6), "000104");
    EXPECT_TRUE(IsEmptyHiScoreEntry(ReadHiScoreTable(ctx, defaults, 2, "01")[0]));
}

TEST_F(HiScoresTest, EveryResultReachesTheOverallScorePlacedOrNot) {
    ReadHiScoreTable(ctx, services, 1, "01");
    EXPECT_EQ(OfferHiScore(ctx, services, Result(1, 5)), -1);
    const auto scores = ReadOverallScores(ctx);
    ASSERT_EQ(scores.size(), 1u);
    EXPECT_EQ(scores[0].player, "Ann");
    EXPECT_EQ(scores[0].score, 1);
}

TEST_F(HiScoresTest, EmptyTableHasTwentyEmptyRanks) {
    ReadHiScoreTable(ctx, services, 1, "01");
    EmptyHiScoreTable(ctx, 1, "01");
    for (int r = 1; r <= kHiScoreRanks; ++r) EXPECT_EQ(Rank(*this, 1, r), EmptyHiScoreEntry());
}

TEST_F(HiScoresTest, OlderLayoutIsConvertedAtStartUp) {
    struct Case {
        const char* name;
        std::string before;
        std::string after;
    };
    const std::string oldRank = "01-01=000050 000100 19990101 10:00:00 Bob";
    const std::string current = "01-01=" + HiScoreEntryText(Result(7, 8)) + " x";
    const Case cases[] = {
        {"older version", "[Version]\r\nVersion=0200\r\n\r\n[0001]\r\n" + oldRank + "\r\n",
         "[Version]\r\nVersion=0300\r\n\r\n[0001]\r\n" + oldRank + Blanks(89 - oldRank.size()) +
             " x\r\n"},
        {"no version", "[0001]\r\n" + current + "\r\n",
         "[Version]\r\nVersion=0300\r\n[0001]\r\n" + current + "\r\n"},
        {"current version", "[Version]\r\nVersion=0300\r\n\r\n[0001]\r\n" + oldRank + "\r\n",
         "[Version]\r\nVersion=0300\r\n\r\n[0001]\r\n" + oldRank + "\r\n"},
    };
    for (const auto& c : cases) {
        Write("STAT_SCR.DAT", c.before);
        ConvertOldHiScoreFile(ctx);
        EXPECT_EQ(Read("STAT_SCR.DAT"), c.after) << c.name;
    }
    std::filesystem::remove(Data("STAT_SCR.DAT"));
    ConvertOldHiScoreFile(ctx);
    EXPECT_FALSE(std::filesystem::exists(Data("STAT_SCR.DAT")));
}

}  // namespace
}  // namespace vis
