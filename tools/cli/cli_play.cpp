#include <iostream>
#include <optional>
#include <string>

#include "cli_commands.h"
#include "cli_history.h"
#include "engine/autoplay.h"
#include "engine/autoplay_hooks.h"
#include "engine/engine_hooks.h"
#include "engine/play_commands.h"
#include "model/position_snapshot.h"
#include "model/program_paths.h"
#include "records/end_of_game_records.h"
#include "records/hi_scores.h"

namespace vis::cli {

namespace {

constexpr std::string_view kAutoplayOption = "--autoplay";
constexpr std::string_view kDefaultPlayer = "Player";
constexpr int kRecordsFailedExit = 3;

// Keeps the records as the program does, and remembers how the game ended
// and whether its records could be written (the record files tell of any
// failure through a message).
class ResultRecorder : public GameRecorder {
public:
    explicit ResultRecorder(const CliUi& ui) : ui_(ui), keeper_(DefaultHiScoreServices()) {}
    void RecordFinishedGame(GameContext& ctx, bool won, int elapsedSeconds,
                            const ClockReading& end) override {
        won_ = won;
        const int complaintsBefore = ui_.Complaints();
        keeper_.RecordFinishedGame(ctx, won, elapsedSeconds, end);
        if (ui_.Complaints() != complaintsBefore) recordsFailed_ = true;
    }
    std::optional<bool> Won() const { return won_; }
    bool RecordsFailed() const { return recordsFailed_; }

private:
    const CliUi& ui_;
    RecordKeeper keeper_;
    std::optional<bool> won_;
    bool recordsFailed_ = false;
};

std::string_view Outcome(const GameContext& ctx, const ResultRecorder& recorder) {
    if (ctx.flags[Flag::kGameInProgress]) return "in progress";
    return recorder.Won().value_or(false) ? "won" : "lost";
}

}  // namespace

int RunPlay(CliSession& session, const Arguments& args) {
    Arguments positional;
    bool autoplay = false;
    for (const std::string& arg : args) {
        if (arg == kAutoplayOption)
            autoplay = true;
        else
            positional.push_back(arg);
    }
    if (positional.size() != 2) {
        std::cerr << "usage: vistrane-cli play GAME DEAL [--autoplay] < COMMANDS\n";
        return 2;
    }
    GameContext& ctx = session.ctx;
    LoadPreferences(ctx, ScreenSize{});
    if (ctx.state.Get(field::kPlayer).empty())
        ctx.state.Set(field::kPlayer, std::string(kDefaultPlayer));
    ResultRecorder recorder(session.ui);
    ctx.recorder = &recorder;
    // A script means exactly what it says unless autoplay is asked for.
    ctx.game.autoplaySwitch = autoplay;

    AutoplayPlayHooks play;
    EngineHooks hooks(play);
    hooks.SetAutoplayPass([&play](GameContext& c) { return AutoplayPass(c, play); });
    if (!DealGame(session, hooks, positional[0], positional[1])) return 1;

    std::string line;
    while (std::getline(std::cin, line)) {
        const ParsedLine parsed = ParsePlayLine(line);
        if (parsed.kind == LineKind::kNoCommand) continue;
        bool ok = false;
        if (parsed.kind == LineKind::kCommand) {
            if (parsed.command.verb == PlayVerb::kSnapshot)
                for (const std::string& snapshotLine : TakeSnapshot(ctx))
                    std::cout << snapshotLine << '\n';
            ok = CarryOutCommand(ctx, play, parsed.command);
        }
        std::cout << (ok ? "ok" : "refused") << '\n';
        // Nobody reads what a headless window was asked to do.
        session.ui.ClearLog();
        KeepRecentHistory(ctx.history.undo, kScriptUndoSteps);
    }
    PrintPosition(ctx);
    std::cout << Outcome(ctx, recorder) << '\n';
    if (recorder.RecordsFailed()) {
        std::cerr << "vistrane-cli: the result of the game could not be recorded in "
                  << ProgramFile(ctx.state, "DATA\\").string() << '\n';
        return kRecordsFailedExit;
    }
    return 0;
}

}  // namespace vis::cli
