// Arbitrary bytes as the hi-score and overall-score files: reading gives
// tables, scores or a reset, never a crash; an offered result lands at the
// rank it reports and leaves overall values that read back consistent.
#include <algorithm>
#include <cstdint>
#include <string>

#include "model/text.h"
#include "record_files_fuzz_support.h"
#include "records/hi_scores.h"
#include "records/overall_score.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vis;
    using fuzz::Check;
    fuzz::WriteTwoDataFiles(data, size, "STAT_SCR.DAT", "STAT_GLO.DAT");
    fuzz::ScratchGame scratch;
    GameContext& ctx = scratch.ctx;
    HeadlessUi& ui = scratch.ui;
    ctx.state.Set(field::kConfirmEnterHiScores, "N");
    HiScoreServices services;
    services.baseGameRules = [](const GameContext&, int game) -> std::optional<InventedScoreRules> {
        return InventedScoreRules{game % 3 == 0 ? -1 : 60, game % 2 == 0 ? 104 : 52};
    };
    services.fillerDigit = [] { return 5; };

    ConvertOldHiScoreFile(ctx);
    for (const int game : {1, 2, 3}) {
        ReadStoredHiScores(ctx, game, "01");
        for (const auto& entry : ReadHiScoreTable(ctx, services, game, "01"))
            Check(entry.size() == kHiScoreEntryLength);
    }
    for (const auto& player : ReadOverallScores(ctx)) {
        ReadOverallDetails(ctx, player.player);
        PublishedScoreCode(ctx, player.player);
    }

    HiScoreResult result;
    result.game = 1;
    result.player = "Ann";
    result.endTime = "10:00:00";
    result.endDate = "20240101";
    result.seconds = 77;
    result.score = 40;
    result.won = true;
    const int rank = OfferHiScore(ctx, services, result);
    const HiScoreTable table = ReadStoredHiScores(ctx, 1, "01");
    if (rank >= 0) Check(table[static_cast<std::size_t>(rank)] == HiScoreEntryText(result) + " x");

    const auto messages = ui.Messages().size();
    ReadOverallScores(ctx);
    Check(ui.Messages().size() == messages);  // whatever was found, what is left is consistent
    if (messages == 0) {
        const auto details = ReadOverallDetails(ctx, "Ann");
        Check(details.has_value());
        Check(std::any_of(details->games.begin(), details->games.end(), [](const BestResult& best) {
            return best.game == 1 && best.score >= 40;
        }));
    }

    ClearHiScores(ctx, services.fillerDigit, 1, "01", false, false, "Ann");
    for (const auto& entry : ReadStoredHiScores(ctx, 1, "01"))
        Check(IsEmptyHiScoreEntry(entry) || entry.size() < 62 ||
              TrimRight(entry.substr(32, 30)) != "Ann");  // "Ann vo" is another player
    return 0;
}
