// Starting a game reads the full games file and decodes one column: 200
// games with every rule row, the game in the last column.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "../tests/model/games_dat_writer.h"
#include "model/catalog.h"
#include "model/games_file.h"
#include "model/headless_ui.h"
#include "model/program_paths.h"

namespace {

constexpr int kGames = 200;

class FullGamesFile {
public:
    FullGamesFile() {
        dir_ = std::filesystem::temp_directory_path() /
               ("vis_bench_" + std::to_string(std::random_device{}()));
        std::filesystem::create_directories(dir_ / "DATA");
        std::vector<vis::test::CatalogEntry> catalog;
        std::vector<std::map<int, int>> columns;
        for (int game = 0; game < kGames; ++game) {
            catalog.push_back({2 + game % 17, game, "Game number " + std::to_string(game)});
            std::map<int, int> column;
            for (int index = 1; index < vis::rule::kRuleCount; ++index)
                column[index] = (index * 37 + game * 11) % 2000 - 1000;
            columns.push_back(std::move(column));
        }
        Write(dir_ / "GAMES.DAT", vis::test::GamesDat(catalog, vis::test::RuleRows(columns)));
        std::vector<vis::test::CustomGameEntry> customs;
        for (int n = 0; n < 50; ++n)
            customs.push_back({8000 + n, "Custom " + std::to_string(n), kGames - 1, "003-011"});
        Write(dir_ / "DATA" / "GAM_CUST.DAT", vis::test::CustomGamesDat(customs));
    }
    ~FullGamesFile() { std::filesystem::remove_all(dir_); }
    const std::filesystem::path& Dir() const { return dir_; }

private:
    static void Write(const std::filesystem::path& file, const std::string& text) {
        std::ofstream(file, std::ios::binary) << text;
    }
    std::filesystem::path dir_;
};

void LoadRules(benchmark::State& state, int game) {
    FullGamesFile file;
    vis::HeadlessUi ui;
    vis::GameContext ctx(ui);
    vis::SetProgramDir(ctx.state, file.Dir());
    if (!vis::LoadCatalog(ctx)) state.SkipWithError("no catalog");
    state.counters["file_bytes"] =
        static_cast<double>(std::filesystem::file_size(file.Dir() / "GAMES.DAT"));
    ctx.state.SetZeroPadded(vis::field::kGameNumber, game);
    for (auto _ : state)
        if (!vis::LoadGameRules(ctx)) state.SkipWithError("load failed");
}

void BM_LoadGameRulesLastColumn(benchmark::State& state) {
    LoadRules(state, kGames - 1);
}
BENCHMARK(BM_LoadGameRulesLastColumn)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

// The last customized game, built on the last column.
void BM_LoadGameRulesCustomized(benchmark::State& state) {
    LoadRules(state, 8049);
}
BENCHMARK(BM_LoadGameRulesCustomized)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

}  // namespace
