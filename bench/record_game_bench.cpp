// Recording one finished game (log, statistics, hi-scores, overall score)
// into record files that already hold 2,000 games in 200 game sections.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "model/game_context.h"
#include "model/headless_ui.h"
#include "model/program_paths.h"
#include "model/text.h"
#include "records/end_of_game_records.h"
#include "records/game_log.h"
#include "records/game_statistics.h"
#include "records/hi_scores.h"
#include "records/overall_score.h"

namespace {

constexpr int kGames = 200;
constexpr int kPlayers = 10;
constexpr int kRecordedGames = 2000;

std::string PlayerName(int p) {
    return "Player " + std::to_string(p + 1);
}

// Writes the four record files as years of play would have left them.
class ProgramDir {
public:
    ProgramDir() {
        path_ = std::filesystem::temp_directory_path() /
                ("vis_bench_records_" + std::to_string(std::random_device{}()));
        std::filesystem::create_directories(path_ / "DATA");
        SetProgramDir(ctx.state, path_);
        ctx.state.Set(vis::field::kScoringScheme, "01");
        ctx.state.Set(vis::field::kConfirmEnterHiScores, "N");
        WriteLog();
        WriteStatistics();
        WriteHiScores();
        WriteOverallScores();
    }
    ~ProgramDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }

    vis::HeadlessUi ui;
    vis::GameContext ctx{ui};

private:
    void Put(const char* name, const std::string& text) {
        std::ofstream(path_ / "DATA" / name, std::ios::binary) << text;
    }

    void WriteLog() {
        std::string log;
        for (int g = 0; g < kRecordedGames; ++g) {
            SetCurrent(ctx, g % kGames + 1, g % kPlayers, g % 300,
                       std::to_string(1000000000000 + g));
            log += vis::GameLogLine(ctx.state, g % 3 != 0, 200 + g % 500, "12:00:00", "20240101") +
                   "\r\n";
        }
        Put("STAT_LOG.DAT", log);
    }

    void WriteStatistics() {
        std::string text = "[Version]\r\nVersion=0300\r\n";
        for (int game = 1; game <= kGames; ++game) {
            text += "\r\n[" + vis::GameSectionName(game) + "]\r\n";
            for (int p = 0; p < kPlayers; ++p) {
                vis::GameStatsRecord r;
                r.won = 1 + p % 2;
                r.lost = p % 3;
                r.totalScore = 40 * p;
                text += PlayerName(p) + "=" + vis::FormatGameStatsRecord(r) + "\r\n";
            }
        }
        Put("STAT.DAT", text);
    }

    void WriteHiScores() {
        std::string text = "[Version]\r\nVersion=0300\r\n";
        for (int game = 1; game <= kGames; ++game) {
            text += "\r\n[" + vis::GameSectionName(game) + "]\r\n";
            for (int r = 0; r < vis::kHiScoreRanks; ++r) {
                vis::HiScoreResult result;
                result.player = PlayerName(r % kPlayers);
                result.score = 300 - 10 * r;
                result.seconds = 100 + r;
                result.endTime = "12:00:00";
                result.endDate = "20240101";
                result.won = true;
                result.dealNumber = "1234567890123";
                text +=
                    vis::HiScoreKey("01", r + 1) + "=" + vis::HiScoreEntryText(result) + " x\r\n";
            }
        }
        Put("STAT_SCR.DAT", text);
    }

    void WriteOverallScores() {
        std::mt19937 random(7);
        const vis::FillerDigitSource filler = [&random] { return static_cast<int>(random() % 9); };
        std::string text;
        for (int p = 0; p < kPlayers; ++p) {
            std::string games;
            std::int64_t score = 0;
            std::int64_t seconds = 0;
            for (int game = 1; game <= kGames; ++game) {
                const int best = 50 + (game * 7 + p) % 200;
                score += best;
                seconds += 300;
                games += vis::BestScoreKey(game) + "=" +
                         vis::ScrambleOverallValue(vis::PlainBestScore(best, filler)) + "\r\n" +
                         vis::BestTimeKey(game) + "=" +
                         vis::ScrambleOverallValue(vis::PlainBestTime(300, filler)) + "\r\n";
            }
            const std::string t01 = vis::PlainOverallScore(score, filler);
            const std::string t02 = vis::PlainOverallTime(seconds, filler);
            text += "\r\n[" + PlayerName(p) + "]\r\nT01=" + vis::ScrambleOverallValue(t01) +
                    "\r\nT02=" + vis::ScrambleOverallValue(t02) +
                    "\r\nT03=" + vis::ScrambleOverallValue(vis::PlainOverallCheck(t01, t02)) +
                    "\r\n" + games;
        }
        Put("STAT_GLO.DAT", text);
    }

public:
    static void SetCurrent(vis::GameContext& c, int game, int player, int score,
                           const std::string& deal) {
        c.state.SetZeroPadded(vis::field::kGameNumber, game);
        c.state.Set(vis::field::kGameName, "Game " + std::to_string(game));
        c.state.Set(vis::field::kPlayer, PlayerName(player));
        c.state.SetDecimal(vis::field::kScore, score);
        c.state.Set(vis::field::kDealNumber, deal);
    }

private:
    std::filesystem::path path_;
};

void BM_RecordFinishedGame(benchmark::State& state) {
    ProgramDir dir;
    vis::HiScoreServices services = vis::DefaultHiScoreServices();
    int n = 0;
    for (auto _ : state) {
        // Games all over the files; every fifth result enters its table and
        // raises the player's best.
        const int game = (n * 37) % kGames + 1;
        const int score = n % 5 == 0 ? 400 + n : n % 250;
        ProgramDir::SetCurrent(dir.ctx, game, n % kPlayers, score,
                               std::to_string(2000000000000 + n));
        vis::RecordFinishedGame(dir.ctx, services, n % 2 == 0, 150 + n % 100, "12:00:00",
                                "20240101");
        ++n;
    }
    if (!dir.ui.Messages().empty()) state.SkipWithError(dir.ui.Messages().front().c_str());
}
BENCHMARK(BM_RecordFinishedGame)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

}  // namespace
