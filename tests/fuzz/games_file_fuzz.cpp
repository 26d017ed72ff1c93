// Arbitrary bytes as the games file and as the customized-games file: the
// start's check of the file, the catalog, every lookup and every rules load
// must end in an answer or a message, a file the check accepts has games,
// and a failed load must leave no rules behind.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "fuzz_support.h"
#include "model/catalog.h"
#include "model/custom_games_file.h"
#include "model/games_file.h"
#include "model/headless_ui.h"
#include "model/program_paths.h"
#include "model/rules_help.h"
#include "model/text.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

bool RulesAllZero(const vis::GameRules& rules) {
    for (int i = 0; i < vis::rule::kRuleCount; ++i)
        if (rules[i] != 0) return false;
    return true;
}

// Loads a game's rules and reads a few of them directly.
void LoadAndRead(vis::GameContext& ctx, int number) {
    ctx.state.SetZeroPadded(vis::field::kGameNumber, number);
    if (!vis::LoadGameRules(ctx)) Check(RulesAllZero(ctx.rules));
    const auto values = vis::ReadGameRuleValues(ctx, number, {1, -2, 0, 300, 388, 999});
    Check(values.size() == 6 && values[1] == -99 && values[2] == 0 && values[5] == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vis;
    static const bool kDataDir = [] {
        std::filesystem::create_directories(fuzz::ScratchDir() / "DATA");
        return true;
    }();
    (void)kDataDir;
    const auto gamesFile = fuzz::WriteInput("GAMES.DAT", data, size);
    fuzz::WriteInput("DATA/GAM_CUST.DAT", data, size);
    // A file the start accepts has a catalog to choose from.
    const bool accepted = !GamesFileProblem(gamesFile);

    HeadlessUi ui;
    ui.SetScreenWidth(640);
    GameContext ctx(ui);
    SetProgramDir(ctx.state, fuzz::ScratchDir());
    if (!LoadCatalog(ctx)) {
        Check(ctx.game.catalog.empty() && !accepted);
        return 0;
    }
    Check(!accepted || !ctx.game.catalog.empty());
    const auto& catalog = ctx.game.catalog;
    for (std::size_t i = 0; i < catalog.size() && i < 8; ++i) {
        const auto number = CatalogNumber(catalog[i]);
        if (!number || *number < 0) continue;
        const int column = GameColumn(ctx, *number);
        Check(column >= 0 && CatalogNumber(catalog[static_cast<std::size_t>(column)]) == number);
        const std::string name = GameName(ctx, *number);
        Check(name == TrimRight(CatalogName(catalog[static_cast<std::size_t>(column)])));
        GameType(ctx, *number);
        GameNumberByName(ctx, name);
        CanPlayOnThisScreen(ctx, *number);
        LoadAndRead(ctx, *number);
    }
    const auto customs = ListCustomGames(ctx.state);
    for (std::size_t i = 0; i < customs.size() && i < 4; ++i) {
        if (!customs[i].numberValid || customs[i].number < 0) continue;
        LoadAndRead(ctx, customs[i].number);
        BuildCustomGameHelp(ctx, customs[i].number, customs[i].name);
        CanPlayOnThisScreen(ctx, customs[i].number);
    }
    AllGameNames(ctx);
    return 0;
}
