#include "records/overall_score.h"

#include <gtest/gtest.h>

#include <set>

#include "records_fixture.h"

namespace vis {
namespace {

std::string Times(std::string_view text, int n) {
    std::string out;
    for (int i = 0; i < n; ++i) out += text;
    return out;
}

TEST(OverallChecksumTest, SumsEachCharacterWithItsPosition) {
    EXPECT_EQ(OverallChecksum(""), 0);
    // '0' (48) at 1: 48 + 24 + 49 mod 3 + 1
    EXPECT_EQ(OverallChecksum("0"), 74);
    // '5' (53) at 2: 53 + 53 + 55 mod 3 + 2
    EXPECT_EQ(OverallChecksum("05"), 74 + 109);
    EXPECT_EQ(OverallChecksum("\xff"), 255 + 127 + 1 + 1);
}

TEST(OverallScrambleTest, RaisesEachCharacterByTheKeyInTurn) {
    EXPECT_EQ(ScrambleOverallValue("0000000000"), "fb`dgfb`dg");
    EXPECT_EQ(ScrambleOverallValue("9"), "o");
    EXPECT_EQ(UnscrambleOverallValue("fb`dgfb`dg"), "0000000000");
    const std::string all = "0123456789";
    for (char c : ScrambleOverallValue(Times(all, 5))) {
        EXPECT_GE(c, 96);
        EXPECT_LE(c, 114);
    }
}

TEST(OverallPlainTextTest, DigitsStandBetweenFillerDigits) {
    const FillerDigitSource four = [] { return 4; };
    EXPECT_EQ(PlainOverallScore(123, four), "44" + Times("04", 9) + "142434" + "44");
    EXPECT_EQ(PlainOverallTime(125, four), "4" + Times("04", 9) + "142454" + "444");
    const std::string t01 = PlainOverallScore(123, four);
    const std::string t02 = PlainOverallTime(125, four);
    EXPECT_EQ(PlainOverallCheck(t01, t02),
              "0500" + ZeroPad(OverallChecksum("0500" + t01 + t02), 8));
    EXPECT_EQ(PlainBestScore(52, four), "4004004524" + ZeroPad(OverallChecksum("4004004524"), 6));
    EXPECT_EQ(PlainBestTime(260, four), "4400402460" + ZeroPad(OverallChecksum("4400402460"), 6));
    // Filler digits are 0 to 8, whatever the source gives.
    const FillerDigitSource nine = [] { return 9; };
    const FillerDigitSource minusOne = [] { return -1; };
    EXPECT_EQ(PlainBestTime(0, nine).substr(0, 2), "00");
    EXPECT_EQ(PlainBestTime(0, minusOne).substr(0, 2), "88");
}

class OverallScoreTest : public test::RecordsTest {
protected:
    void Offer(int game, const char* player, int score, int seconds) {
        UpdateOverallScore(ctx, services.fillerDigit, game, player, false, seconds, score);
    }
    std::vector<std::tuple<std::string, std::int64_t, std::int64_t>> Scores() {
        std::vector<std::tuple<std::string, std::int64_t, std::int64_t>> out;
        for (const auto& s : ReadOverallScores(ctx)) out.emplace_back(s.player, s.score, s.seconds);
        return out;
    }
};

TEST_F(OverallScoreTest, BestResultPerGameAddsUp) {
    struct Step {
        int game;
        int score;
        int seconds;
        std::int64_t overall;
        std::int64_t time;
    };
    const Step steps[] = {
        {1, 52, 260, 52, 260},   // first result
        {1, 40, 100, 52, 260},   // lower: no change
        {1, 60, 300, 60, 300},   // higher: raised by the difference
        {1, 60, 200, 60, 200},   // equal score, shorter time
        {1, 60, 250, 60, 200},   // equal score, longer time
        {2, 10, 50, 70, 250},    // another game adds
        {1, 0, 10, 70, 250},     // nothing for a score of 0
        {3, -5, 10, 70, 250},    // nor a negative score
        {8000, 99, 9, 70, 250},  // nor a customized game
        {-1, 99, 9, 70, 250},    // nor no game
    };
    for (const auto& s : steps) {
        Offer(s.game, "Ann", s.score, s.seconds);
        EXPECT_EQ(Scores(), (std::vector<std::tuple<std::string, std::int64_t, std::int64_t>>{
                                {"Ann", s.overall, s.time}}))
            << s.game << " " << s.score;
    }
    const auto details = ReadOverallDetails(ctx, "Ann");
    ASSERT_TRUE(details.has_value());
    EXPECT_EQ(details->score, 70);
    ASSERT_EQ(details->games.size(), 2u);
    EXPECT_EQ(details->games[0].game, 1);
    EXPECT_EQ(details->games[0].score, 60);
    EXPECT_EQ(details->games[0].seconds, 200);
    EXPECT_TRUE(ui.Messages().empty());
}

TEST_F(OverallScoreTest, RemovingTakesTheGamesBestOut) {
    Offer(1, "Ann", 52, 260);
    Offer(2, "Ann", 30, 40);
    UpdateOverallScore(ctx, services.fillerDigit, 1, "Ann", true, 0, 0);
    EXPECT_EQ(Scores(),
              (std::vector<std::tuple<std::string, std::int64_t, std::int64_t>>{{"Ann", 30, 40}}));
    Offer(1, "Ann", 5, 6);  // the game counts afresh
    EXPECT_EQ(Scores(),
              (std::vector<std::tuple<std::string, std::int64_t, std::int64_t>>{{"Ann", 35, 46}}));
}

TEST_F(OverallScoreTest, StoredValuesAreFixedWidthScrambledDigits) {
    filler = 4;
    Offer(1, "Ann", 52, 260);
    const std::string t01 = Value("STAT_GLO.DAT", "Ann", "T01");
    EXPECT_EQ(t01, ScrambleOverallValue(PlainOverallScore(52, services.fillerDigit)));
    EXPECT_EQ(Value("STAT_GLO.DAT", "Ann", "GS-0001"),
              ScrambleOverallValue(PlainBestScore(52, services.fillerDigit)));
    EXPECT_EQ(Read("STAT_GLO.DAT").substr(0, 11), "\r\n[Ann]\r\nT0");
    const std::string t02 = Value("STAT_GLO.DAT", "Ann", "T02");
    const std::string t03 = Value("STAT_GLO.DAT", "Ann", "T03");
    EXPECT_EQ(PublishedScoreCode(ctx, "Ann"), t01 + t02 + t03);
    EXPECT_EQ(t01.size() + t02.size() + t03.size(), 68u);
}

TEST_F(OverallScoreTest, SameValuesWrittenTwiceDifferButReadTheSame) {
    services.fillerDigit = RandomFillerDigits();
    std::set<std::string> stored;
    for (int i = 0; i < 5; ++i) {
        UpdateOverallScore(ctx, services.fillerDigit, 1, "Ann", true, 0, 0);
        Offer(1, "Ann", 52, 260);
        stored.insert(Value("STAT_GLO.DAT", "Ann", "T01"));
        EXPECT_EQ(
            Scores(),
            (std::vector<std::tuple<std::string, std::int64_t, std::int64_t>>{{"Ann", 52, 260}}));
    }
    EXPECT_GT(stored.size(), 1u);
}

TEST_F(OverallScoreTest, MissingKeysReadAsZero) {
    Write("STAT_GLO.DAT",
          "[Ann]\r\n\r\n[Bob]\r\nGS-0001=" + ScrambleOverallValue(std::string(30, '0')) + "\r\n");
    EXPECT_EQ(Scores(), (std::vector<std::tuple<std::string, std::int64_t, std::int64_t>>{
                            {"Ann", 0, 0}, {"Bob", 0, 0}}));
    Offer(1, "Bob", 7, 8);
    EXPECT_EQ(Scores()[1], std::make_tuple(std::string("Bob"), std::int64_t{7}, std::int64_t{8}));
    EXPECT_TRUE(ui.Messages().empty());
}

TEST_F(OverallScoreTest, SectionHeaderWithoutLineEndAtTheEndOfTheFileTakesItsValues) {
    Write("STAT_GLO.DAT", "[Ann]");
    Offer(1, "Ann", 20, 30);
    EXPECT_EQ(Scores(),
              (std::vector<std::tuple<std::string, std::int64_t, std::int64_t>>{{"Ann", 20, 30}}));
}

TEST_F(OverallScoreTest, AnyChangedCharacterOfTheTotalsIsRepairedForThatPlayerOnly) {
    Offer(1, "Ann", 52, 260);
    Offer(2, "Ann", 17, 33);
    Offer(1, "Bob", 10, 20);
    const std::string original = Read("STAT_GLO.DAT");
    const std::string bob = original.substr(original.find("[Bob]"));
    for (const char* key : {"T01", "T02", "T03"}) {
        const std::string value = Value("STAT_GLO.DAT", "Ann", key);
        const std::size_t at = original.find(std::string(key) + "=") + 4;
        for (std::size_t i = 0; i < value.size(); ++i) {
            for (const int delta : {1, -1}) {
                std::string tampered = original;
                tampered[at + i] = static_cast<char>(tampered[at + i] + delta);
                Write("STAT_GLO.DAT", tampered);
                ui.ClearLog();
                EXPECT_EQ(Scores(),
                          (std::vector<std::tuple<std::string, std::int64_t, std::int64_t>>{
                              {"Ann", 69, 293}, {"Bob", 10, 20}}))
                    << key << " " << i << " " << delta;
                EXPECT_EQ(ui.Messages(), std::vector<std::string>{OverallRepairMessage("Ann")})
                    << key << " " << i;
                // Bob's record is left byte for byte; Ann's reads cleanly again.
                const std::string repaired = Read("STAT_GLO.DAT");
                EXPECT_EQ(repaired.substr(repaired.find("[Bob]")), bob);
                ui.ClearLog();
                Scores();
                EXPECT_TRUE(ui.Messages().empty());
            }
        }
    }
}

TEST_F(OverallScoreTest, AWinAfterADamagedByteIsCountedAndTheOtherPlayersKept) {
    Offer(1, "Player 1", 52, 260);
    Offer(1, "Player 2", 30, 90);
    std::string text = Read("STAT_GLO.DAT");
    const std::size_t at = text.find("T01=") + 9;
    text[at] = static_cast<char>(text[at] + 1);
    Write("STAT_GLO.DAT", text);
    Offer(2, "Player 1", 40, 100);  // a won game
    EXPECT_EQ(ui.Messages(), std::vector<std::string>{OverallRepairMessage("Player 1")});
    ui.ClearLog();
    EXPECT_EQ(Scores(), (std::vector<std::tuple<std::string, std::int64_t, std::int64_t>>{
                            {"Player 1", 92, 360}, {"Player 2", 30, 90}}));
    EXPECT_TRUE(ui.Messages().empty());
}

TEST_F(OverallScoreTest, InconsistentValuesRepairOnlyWhatIsDamaged) {
    struct Case {
        const char* name;
        std::string line;
        std::int64_t score;  // Ann's overall score after the repair and the offer
    };
    const std::string zeros = ScrambleOverallValue(std::string(30, '0'));
    const FillerDigitSource four = [] { return 4; };
    std::string badCheck = PlainBestScore(52, four);
    badCheck[15] = badCheck[15] == '0' ? '1' : '0';
    // Game 2 holds an intact best result of 30 in every case.
    const Case cases[] = {
        {"not a number", "T01=xyz", 30 + 99},
        {"score without check", "T01=" + ScrambleOverallValue(PlainOverallScore(5, four)), 30 + 99},
        {"best score with a wrong check", "GS-0001=" + ScrambleOverallValue(badCheck), 30 + 99},
        {"cut best time", "GT-0001=" + zeros.substr(0, 8), 30 + 99},
        {"damaged best of another game", "GS-0003=" + ScrambleOverallValue(badCheck), 30 + 99},
    };
    for (const auto& c : cases) {
        std::filesystem::remove(Data("STAT_GLO.DAT"));
        Offer(2, "Ann", 30, 40);
        Offer(2, "Bob", 7, 8);
        // The line takes the place of Ann's line of its key, or joins her section.
        std::string text = Read("STAT_GLO.DAT");
        const std::string key = c.line.substr(0, c.line.find('='));
        const std::size_t bob = text.find("[Bob]");
        const std::size_t at = text.find("\n" + key + "=");
        if (at < bob)
            text.replace(at + 1, text.find("\r\n", at) - at - 1, c.line);
        else
            text.insert(bob - 2, c.line + "\r\n");
        Write("STAT_GLO.DAT", text);
        ui.ClearLog();
        Offer(1, "Ann", 99, 9);
        EXPECT_EQ(ui.Messages(), std::vector<std::string>{OverallRepairMessage("Ann")}) << c.name;
        ui.ClearLog();
        const auto scores = Scores();
        ASSERT_EQ(scores.size(), 2u) << c.name;
        EXPECT_EQ(std::get<1>(scores[0]), c.score) << c.name;
        EXPECT_EQ(scores[1], std::make_tuple(std::string("Bob"), std::int64_t{7}, std::int64_t{8}))
            << c.name;
        EXPECT_TRUE(ui.Messages().empty()) << c.name;
    }
    // The details only ask the checks of the best results to be numbers.
    Write("STAT_GLO.DAT", "[Ann]\r\nGS-0001=" + ScrambleOverallValue(badCheck) + "\r\n");
    ui.ClearLog();
    const auto details = ReadOverallDetails(ctx, "Ann");
    ASSERT_TRUE(details.has_value());
    ASSERT_EQ(details->games.size(), 1u);
    EXPECT_EQ(details->games[0].score, 52);
    EXPECT_TRUE(ui.Messages().empty());
    Write("STAT_GLO.DAT", "[Ann]\r\nGS-0001=" + ScrambleOverallValue("4004004524abcdef") +
                              "\r\nGS-0002=" + ScrambleOverallValue(PlainBestScore(12, four)) +
                              "\r\n");
    const auto repaired = ReadOverallDetails(ctx, "Ann");
    ASSERT_TRUE(repaired.has_value());
    ASSERT_EQ(repaired->games.size(), 1u);
    EXPECT_EQ(repaired->games[0].game, 2);
    EXPECT_EQ(repaired->score, 12);
    EXPECT_EQ(ui.Messages(), std::vector<std::string>{OverallRepairMessage("Ann")});
}

TEST_F(OverallScoreTest, RepairKeepsTheHourglassTwoSecondsAndRepaints) {
    Write("STAT_GLO.DAT", "[Ann]\r\nT01=xyz\r\n");
    const auto before = ui.TickCount();
    EXPECT_EQ(Scores(),
              (std::vector<std::tuple<std::string, std::int64_t, std::int64_t>>{{"Ann", 0, 0}}));
    EXPECT_GE(ui.TickCount() - before, 2000u);
    EXPECT_EQ(ui.BusyDepth(), 0);
    const auto& log = ui.Log();
    EXPECT_NE(std::find(log.begin(), log.end(), "repaint table"), log.end());
}

TEST_F(OverallScoreTest, PeekingShowsWhatCanBeReadAndWritesNothing) {
    struct Case {
        const char* name;
        std::string line;             // takes the place of Ann's line of its key
        std::int64_t overall;         // Ann's score as shown
        std::int64_t detailsOverall;  // in the details
        std::size_t detailsGames;
        bool detailsDamaged;
    };
    const FillerDigitSource four = [] { return 4; };
    std::string badCheck = PlainBestScore(52, four);
    badCheck[15] = badCheck[15] == '0' ? '1' : '0';
    const Case cases[] = {
        {"intact", "", 82, 82, 2, false},
        {"totals not a number", "T01=xyz", 82, 82, 2, true},
        {"best score with a wrong check", "GS-0001=" + ScrambleOverallValue(badCheck), 30, 82, 2,
         false},
        {"best score not a number", "GS-0001=" + ScrambleOverallValue("4004004524abcdef"), 30, 30,
         1, true},
    };
    for (const auto& c : cases) {
        std::filesystem::remove(Data("STAT_GLO.DAT"));
        Offer(1, "Ann", 52, 260);
        Offer(2, "Ann", 30, 40);
        Offer(1, "Bob", 7, 8);
        std::string text = Read("STAT_GLO.DAT");
        if (!c.line.empty()) {
            const std::size_t at = text.find("\n" + c.line.substr(0, c.line.find('=')) + "=");
            text.replace(at + 1, text.find("\r\n", at) - at - 1, c.line);
        }
        Write("STAT_GLO.DAT", text);
        ui.ClearLog();

        const OverallScoresReading scores = PeekOverallScores(ctx);
        ASSERT_EQ(scores.scores.size(), 2u) << c.name;
        EXPECT_EQ(scores.scores[0].score, c.overall) << c.name;
        EXPECT_EQ(scores.scores[1].score, 7) << c.name;
        const bool damaged = !c.line.empty();
        EXPECT_EQ(scores.damagedPlayers,
                  damaged ? std::vector<std::string>{"Ann"} : std::vector<std::string>{})
            << c.name;
        const OverallDetailsReading details = PeekOverallDetails(ctx, "Ann");
        EXPECT_EQ(details.details.score, c.detailsOverall) << c.name;
        EXPECT_EQ(details.details.games.size(), c.detailsGames) << c.name;
        EXPECT_EQ(details.damaged, c.detailsDamaged) << c.name;

        EXPECT_EQ(Read("STAT_GLO.DAT"), text) << c.name;
        EXPECT_TRUE(ui.Messages().empty()) << c.name;
    }
}

}  // namespace
}  // namespace vis
