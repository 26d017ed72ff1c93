// Saving a game and reading it back, with undo histories of growing length:
// the file written (capture, text, atomic replace) and the file read
// (parse, position and history restored), which is what opening a saved or
// held game costs beyond preparing its rules.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <string>

#include "engine/move_log.h"
#include "model/game_context.h"
#include "model/headless_ui.h"
#include "model/position_snapshot.h"
#include "model/program_paths.h"
#include "model/text.h"
#include "records/save_game.h"
#include "records/saved_game_file.h"
#include "store/durable_file.h"

namespace {

// A dealt table whose history holds `moves` steps, each moving one card
// from one tableau pile to the next.
class PlayedGame {
public:
    explicit PlayedGame(int moves) {
        path_ = std::filesystem::temp_directory_path() /
                ("vis_bench_saved_" + std::to_string(std::random_device{}()));
        std::filesystem::create_directories(path_ / "DATA");
        vis::SetProgramDir(ctx.state, path_);
        ctx.state.Set(vis::field::kGameNumber, "0001");
        ctx.state.Set(vis::field::kPlayer, "Player 1");
        ctx.state.Set(vis::field::kDealNumber, "1234567890123");
        ctx.state.Set(vis::field::kScoringScheme, "01");
        ctx.state.Set(vis::field::kScore, "-52");
        ctx.state.Set(vis::field::kCardSize, "B");
        for (int card = 1; card <= 52; ++card)
            ctx.piles.fila[static_cast<std::size_t>(card % 7)] += vis::ZeroPad(card, 3);
        for (int m = 0; m < moves; ++m) {
            vis::PushSnapshot(ctx, vis::HistoryDirection::kUndo);
            std::string& from = ctx.piles.fila[static_cast<std::size_t>(m % 7)];
            if (from.empty()) continue;
            ctx.piles.fila[static_cast<std::size_t>((m + 1) % 7)] += from.substr(from.size() - 3);
            from.erase(from.size() - 3);
        }
    }
    ~PlayedGame() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    std::filesystem::path File() const { return path_ / "game.gam"; }

    vis::HeadlessUi ui;
    vis::GameContext ctx{ui};

private:
    std::filesystem::path path_;
};

void BM_SaveGame(benchmark::State& state) {
    PlayedGame game(static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(vis::WriteSavedGameFile(game.ctx, game.File()));
    state.SetLabel(std::to_string(std::filesystem::file_size(game.File()) / 1024) + " KiB");
}
BENCHMARK(BM_SaveGame)->Arg(0)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);

void BM_ReadSavedGame(benchmark::State& state) {
    PlayedGame game(static_cast<int>(state.range(0)));
    vis::WriteSavedGameFile(game.ctx, game.File());
    std::string error;
    for (auto _ : state) {
        const auto saved = vis::ParseSavedGame(vis::ReadWholeFile(game.File()), error);
        vis::RestoreSnapshot(game.ctx, saved->position);
        game.ctx.history.undo = saved->undo;
        benchmark::DoNotOptimize(game.ctx.history.undo.stock.size());
    }
}
BENCHMARK(BM_ReadSavedGame)->Arg(0)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);

}  // namespace
