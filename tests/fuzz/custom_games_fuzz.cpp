// Arbitrary bytes as the customized-games file: reading lists blocks, a new
// game lands after every block there was without changing them, and
// deleting it gives back the blocks there were.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "game/custom_game_commands.h"
#include "game/new_game.h"
#include "model/custom_games_file.h"
#include "record_files_fuzz_support.h"
#include "records/custom_games.h"

namespace {

// Nothing is in play, so deleting never reaches these.
class NoGameHooks : public vis::NewGameHooks {
public:
    bool CanPlayToFoundation(const vis::GameContext&, vis::CardNumber, int) override {
        return false;
    }
    void ScoreFoundationMove(vis::GameContext&) override {}
    void ComputeStartingScore(vis::GameContext&) override {}
    bool EndRunningGame(vis::GameContext&) override { return false; }
    void ResetClock(vis::GameContext&) override {}
    void StartClock(vis::GameContext&) override {}
    void ComputeLayout(vis::GameContext&) override {}
    bool IsAutoplayOn(const vis::GameContext&) override { return false; }
    bool AutoplayStep(vis::GameContext&) override { return false; }
    void RememberDealNumber(vis::GameContext&) override {}
    void AfterDeal(vis::GameContext&) override {}
};

std::vector<std::string> Names(const std::vector<vis::CustomGameRecord>& records) {
    std::vector<std::string> names;
    for (const auto& record : records)
        names.push_back(std::to_string(record.number) + " " + record.name + " " +
                        record.overrideText);
    return names;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vis;
    using fuzz::Check;
    std::filesystem::create_directories(fuzz::ScratchDir() / "DATA");
    fuzz::WriteInput("DATA/GAM_CUST.DAT", data, size);
    fuzz::ScratchGame scratch;
    GameContext& ctx = scratch.ctx;
    ctx.state.Set(field::kConfigPath, "DATA\\CFG.DAT");

    const std::vector<std::string> before = Names(ReadCustomGames(ctx.state));
    ListCustomGames(ctx.state);
    CustomGameName(ctx.state, kFirstCustomGame);
    const auto number = NextCustomGameNumber(ctx.state);
    if (!number) return 0;
    Check(*number >= kFirstCustomGame && *number <= kLastCustomGame);

    const auto created = CreateCustomGame(ctx, "Fuzzed Game", {3, -1, '2'});
    Check(created == number);
    std::vector<std::string> after = Names(ReadCustomGames(ctx.state));
    Check(after.size() == before.size() + 1);
    Check(std::equal(before.begin(), before.end(), after.begin()));
    Check(after.back() == std::to_string(*number) + " Fuzzed Game 003-012");

    NoGameHooks hooks;
    scratch.ui.QueueAnswer(true);
    Check(DeleteCustomGame(ctx, hooks, *number, true, "Fuzzed Game"));
    Check(CustomGameName(ctx.state, *number).empty());
    Check(Names(ReadCustomGames(ctx.state)) == before);
    return 0;
}
