#include "app/program_dir_fixture.h"

#include <stdexcept>

#include "engine/autoplay_hooks.h"
#include "engine/engine_hooks.h"
#include "engine/move_rules.h"
#include "game/new_game.h"
#include "model/catalog.h"
#include "model/config_file.h"
#include "model/game_context.h"
#include "model/headless_ui.h"
#include "model/preference_keys.h"
#include "model/program_paths.h"
#include "model/text.h"
#include "records/held_games.h"

namespace vis::test {

namespace {

const std::filesystem::path kBuilt = VIS_PROGRAM_DIR;

struct Headless {
    explicit Headless(const std::filesystem::path& dir) {
        ctx.state.Set(field::kConfigPath, kConfigRelativePath);
        SetProgramDir(ctx.state, dir);
        ctx.state.Set(field::kPlayer, "Player 1");
        ctx.state.Set(field::kConfirmQuitGame, "N");
        if (!LoadCatalog(ctx)) throw std::runtime_error("no catalog in " + dir.string());
    }
    HeadlessUi ui;
    GameContext ctx{ui};
};

bool HasTableauMove(GameContext& ctx) {
    // As a press on a single card leaves it.
    ctx.game.singleCardMove = true;
    const int piles = ctx.rules[rule::kTableauCount];
    for (int i = 0; i < piles; ++i)
        for (int j = 0; j < piles; ++j)
            if (i != j &&
                CanPlayToTableau(ctx, TopCard(ctx.piles.Pile(PileList::Fila, i)), j, false))
                return true;
    return false;
}

}  // namespace

ProgramDir::ProgramDir() {
    for (const char* name : {"GAMES.DAT", "VIS.RGF"})
        std::filesystem::copy_file(kBuilt / name, dir_ / name);
}

void ProgramDir::CopyProgram() {
    std::filesystem::copy_file(kBuilt / "vistrane", dir_ / "vistrane");
}

void ProgramDir::HoldKlondike() {
    Headless headless(Path());
    GameContext& ctx = headless.ctx;
    AutoplayPlayHooks play;
    EngineHooks hooks(play);
    const int game = KlondikeNumber(Path());
    ctx.state.Set(field::kCardSize, "B");
    ctx.state.Set(field::kUndoMode, "0");
    // The first deal from the test's number on that offers a move between
    // tableau piles.
    for (long long deal = kFirstTestDeal; deal < kFirstTestDeal + 100; ++deal) {
        if (!StartGame(ctx, hooks,
                       {.number = game,
                        .name = GameName(ctx, game),
                        .player = "Player 1",
                        .dealNumber = ZeroPad(deal, 13)}))
            throw std::runtime_error("Klondike could not be dealt");
        if (!HasTableauMove(ctx)) continue;
        if (!SaveHeldGame(ctx, 0)) throw std::runtime_error("Klondike could not be held");
        dealNumber_ = ctx.state.Get(field::kDealNumber);
        return;
    }
    throw std::runtime_error("no Klondike deal with a tableau move");
}

std::string ProgramDir::Preference(std::string_view key, std::string_view fallback) const {
    return ReadPref(dir_ / "DATA" / "CFG.DAT", kPreferenceSection, key, fallback);
}

void ProgramDir::WritePreference(std::string_view key, std::string_view value) const {
    std::filesystem::create_directories(dir_ / "DATA");
    WritePref(dir_ / "DATA" / "CFG.DAT", kPreferenceSection, key, value);
}

int KlondikeNumber(const std::filesystem::path& programDir) {
    Headless headless(programDir);
    const int game = GameNumberByName(headless.ctx, "Klondike");
    if (game < 0) throw std::runtime_error("no Klondike in the catalog");
    return game;
}

}  // namespace vis::test
