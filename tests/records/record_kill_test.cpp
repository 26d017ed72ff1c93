// A process recording finished games is killed at random moments; after
// every kill each record file must still read cleanly and every game the
// process reported as recorded must be in the files.
#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <limits>
#include <map>
#include <random>

#include "model/headless_ui.h"
#include "model/program_paths.h"
#include "model/text.h"
#include "records/end_of_game_records.h"
#include "records/game_log.h"
#include "records/game_statistics.h"
#include "records/overall_score.h"
#include "records/record_files.h"
#include "store/durable_file.h"
#include "support/temp_dir.h"

#ifndef _WIN32
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace vis {
namespace {

#ifndef _WIN32

constexpr int kKills = 60;
constexpr int kLongestRunMs = 150;
constexpr const char* kPlayers[] = {"Ann", "Bob", "Cleo"};

struct PlannedGame {
    int game;
    std::string player;
    bool won;
    int score;
    int seconds;
};

// Game `index` of the endless series: varied enough to place some results
// in the tables, pass others over, and add sections now and then.
PlannedGame Plan(int index) {
    return {1 + index % 7, kPlayers[(index / 7) % 3], index % 4 != 0, (index * 37) % 300 - 52,
            30 + (index * 13) % 900};
}

void SetUpContext(GameContext& ctx, const std::filesystem::path& dir) {
    SetProgramDir(ctx.state, dir);
    ctx.state.Set(field::kScoringScheme, "01");
    ctx.state.Set(field::kConfirmEnterHiScores, "N");
}

// The child: records games from `index` on and reports each one on `fd`.
[[noreturn]] void RecordForever(const std::filesystem::path& dir, int fd, int index) {
    try {
        HeadlessUi ui;
        GameContext ctx(ui);
        SetUpContext(ctx, dir);
        HiScoreServices services;
        services.baseGameRules = [](const GameContext&, int) {
            return std::optional<InventedScoreRules>(InventedScoreRules{-1, 52});
        };
        services.fillerDigit = RandomFillerDigits();
        for (;; ++index) {
            const PlannedGame plan = Plan(index);
            ctx.state.SetZeroPadded(field::kGameNumber, plan.game);
            ctx.state.Set(field::kGameName, "Game " + std::to_string(plan.game));
            ctx.state.Set(field::kPlayer, plan.player);
            ctx.state.SetDecimal(field::kScore, plan.score);
            ctx.state.Set(field::kDealNumber, std::to_string(1000000000000 + index));
            RecordFinishedGame(ctx, services, plan.won, plan.seconds, "12:00:00", "20240101");
            if (write(fd, &index, sizeof index) != static_cast<ssize_t>(sizeof index)) _exit(3);
        }
    } catch (...) {
        _exit(2);
    }
}

// Runs a child for up to `runMs`, kills it and returns the indices it reported.
std::vector<int> RunAndKill(const std::filesystem::path& dir, int firstIndex, int runMs) {
    int fds[2];
    if (pipe(fds) != 0) ADD_FAILURE() << "no pipe";
    const pid_t child = fork();
    if (child == 0) {
        close(fds[0]);
        RecordForever(dir, fds[1], firstIndex);
    }
    close(fds[1]);
    std::string received;
    char buffer[256];
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(runMs);
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                              deadline - std::chrono::steady_clock::now())
                              .count();
        if (left <= 0) break;
        pollfd readable{fds[0], POLLIN, 0};
        if (poll(&readable, 1, static_cast<int>(left)) <= 0) continue;
        const ssize_t got = read(fds[0], buffer, sizeof buffer);
        if (got <= 0) break;
        received.append(buffer, static_cast<std::size_t>(got));
    }
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status)) << "the recording child stopped by itself: " << status;
    for (ssize_t got; (got = read(fds[0], buffer, sizeof buffer)) > 0;)
        received.append(buffer, static_cast<std::size_t>(got));
    close(fds[0]);
    std::vector<int> indices(received.size() / sizeof(int));
    std::memcpy(indices.data(), received.data(), indices.size() * sizeof(int));
    return indices;
}

// What the reported games must have left behind.
struct Reported {
    int games = 0;
    std::map<std::pair<int, std::string>, std::pair<int, int>> wonLost;
    std::map<std::pair<std::string, int>, int> bestScore;  // positive scores only
};

class RecordKillTest : public ::testing::Test {
protected:
    RecordKillTest() {
        std::filesystem::create_directories(dir / "DATA");
        SetUpContext(ctx, dir.Path());
    }

    void CheckLog(int kills, int& logged) {
        const std::string text = ReadWholeFile(dir / "DATA" / "STAT_LOG.DAT");
        ASSERT_TRUE(text.empty() || text.ends_with("\r\n"));
        const auto lines = SplitLines(text);
        for (const auto line : lines) ASSERT_EQ(line.size(), kGameLogLineLength) << line;
        logged = static_cast<int>(lines.size());
        EXPECT_GE(logged, reported.games);
        EXPECT_LE(logged, reported.games + kills);
    }

    void CheckStatistics(int kills, int logged) {
        const auto sections = ParseRecordSections(ReadWholeFile(dir / "DATA" / "STAT.DAT"));
        ASSERT_FALSE(sections.empty());
        EXPECT_EQ(sections[0].name, "Version");
        int recorded = 0;
        for (std::size_t i = 1; i < sections.size(); ++i) {
            const auto game = ParseInt(sections[i].name);
            ASSERT_TRUE(game.has_value()) << sections[i].name;
            for (const auto& line : sections[i].lines) {
                const std::size_t equals = line.rfind('=');
                ASSERT_NE(equals, std::string::npos) << line;
                const std::string value = line.substr(equals + 1);
                const GameStatsRecord record = ParseGameStatsRecord(value);
                ASSERT_EQ(FormatGameStatsRecord(record), value) << line;
                recorded += static_cast<int>(record.won + record.lost);
                const auto want = reported.wonLost[{*game, line.substr(0, equals)}];
                EXPECT_GE(record.won, want.first) << line;
                EXPECT_GE(record.lost, want.second) << line;
            }
        }
        EXPECT_GE(recorded, reported.games);
        EXPECT_GE(recorded, logged);  // the log is written last
        EXPECT_LE(recorded, reported.games + kills);
    }

    void CheckHiScores() {
        const auto sections = ParseRecordSections(ReadWholeFile(dir / "DATA" / "STAT_SCR.DAT"));
        ASSERT_FALSE(sections.empty());
        EXPECT_EQ(sections[0].name, "Version");
        for (std::size_t i = 1; i < sections.size(); ++i) {
            ASSERT_EQ(sections[i].lines.size(), static_cast<std::size_t>(kHiScoreRanks));
            std::int64_t previous = std::numeric_limits<std::int64_t>::max();
            for (int r = 0; r < kHiScoreRanks; ++r) {
                const std::string& line = sections[i].lines[static_cast<std::size_t>(r)];
                ASSERT_EQ(line.substr(0, 6), HiScoreKey("01", r + 1) + "=");
                ASSERT_EQ(line.size(), 6 + kHiScoreEntryLength) << line;
                ASSERT_TRUE(line.ends_with(" x")) << line;
                const auto score = ParseRecordNumber(line.substr(6, 6));
                ASSERT_TRUE(score.has_value()) << line;
                EXPECT_LE(*score, previous) << line;
                previous = *score;
            }
        }
    }

    void CheckOverallScores() {
        const auto scores = ReadOverallScores(ctx);
        ASSERT_TRUE(ui.Messages().empty()) << ui.Messages().front();
        std::map<std::pair<std::string, int>, std::int64_t> stored;
        for (const auto& player : scores) {
            const auto details = ReadOverallDetails(ctx, player.player);
            ASSERT_TRUE(details.has_value());
            std::int64_t score = 0;
            std::int64_t seconds = 0;
            for (const auto& game : details->games) {
                score += game.score;
                seconds += game.seconds;
                stored[{player.player, game.game}] = game.score;
            }
            EXPECT_EQ(score, player.score) << player.player;
            EXPECT_EQ(seconds, player.seconds) << player.player;
        }
        for (const auto& [key, want] : reported.bestScore)
            EXPECT_GE(stored[key], want) << key.first << " in game " << key.second;
    }

    test::TempDir dir;
    HeadlessUi ui;
    GameContext ctx{ui};
    Reported reported;
};

TEST_F(RecordKillTest, NoReportedGameIsLostAndEveryFileReadsCleanly) {
    const unsigned seed = std::random_device{}();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> runMs(0, kLongestRunMs);
    for (int kills = 1; kills <= kKills; ++kills) {
        for (const int index : RunAndKill(dir.Path(), reported.games, runMs(random))) {
            ASSERT_EQ(index, reported.games);
            const PlannedGame plan = Plan(index);
            auto& counts = reported.wonLost[{plan.game, plan.player}];
            (plan.won ? counts.first : counts.second) += 1;
            if (plan.score > 0) {
                int& best = reported.bestScore[{plan.player, plan.game}];
                best = std::max(best, plan.score);
            }
            ++reported.games;
        }
        if (!std::filesystem::exists(dir / "DATA" / "STAT_SCR.DAT")) continue;  // killed before
        int logged = 0;
        ASSERT_NO_FATAL_FAILURE(CheckLog(kills, logged)) << "after kill " << kills;
        ASSERT_NO_FATAL_FAILURE(CheckStatistics(kills, logged)) << "after kill " << kills;
        ASSERT_NO_FATAL_FAILURE(CheckHiScores()) << "after kill " << kills;
        ASSERT_NO_FATAL_FAILURE(CheckOverallScores()) << "after kill " << kills;
    }
    RecordProperty("reported_games", reported.games);
    EXPECT_GT(reported.games, kKills);  // the children got real work done
}

#else
TEST(RecordKillTest, NoReportedGameIsLostAndEveryFileReadsCleanly) {
    GTEST_SKIP() << "needs fork and kill";
}
#endif

}  // namespace
}  // namespace vis
