// The invented entries that give a new hi-score table something to beat.
#include <algorithm>

#include "model/program_paths.h"
#include "records/duration_text.h"
#include "records/hi_scores.h"
#include "store/section_file.h"

namespace vis {

namespace {

constexpr int kStandardDeck = 52;
constexpr int kNoMaxScore = -1;
constexpr int kMaxScoreForHalving = 92;
constexpr int kLowScoreLimit = 30;
constexpr int kLastRankOfBigSteps = 13;
constexpr int kSecondsPerPoint = 5;

// One made-up first name per rank.
constexpr std::array<std::string_view, kHiScoreRanks> kFirstNames = {
    "Arvo", "Brisa", "Cosmo", "Delia", "Emrik", "Fenna", "Gildo", "Hesper",  "Ilko", "Jessamy",
    "Kobe", "Lunet", "Mirto", "Nessa", "Orrin", "Pelia", "Quill", "Rosmund", "Sabo", "Tindra",
};

constexpr std::string_view kInventedDeal = "000000000000000";

}  // namespace

std::array<int, kHiScoreRanks> InventedScores(const InventedScoreRules& rules) {
    int total = rules.deckSize;
    int factor = kStandardDeck;
    if (rules.maxScore != kNoMaxScore) {
        total = kStandardDeck;
        if (rules.maxScore < kMaxScoreForHalving) factor = rules.maxScore / 2;
    }
    int step = total == kStandardDeck ? -3 : -6;
    if (factor < kLowScoreLimit) step = -2;

    std::array<int, kHiScoreRanks> scores{};
    scores[0] = std::max(1, total * factor / kStandardDeck);
    for (int r = 1; r < kHiScoreRanks; ++r) {
        const int rankStep = r < kLastRankOfBigSteps ? step : step + 1;
        scores[static_cast<std::size_t>(r)] =
            std::max(1, scores[static_cast<std::size_t>(r - 1)] + rankStep);
    }
    return scores;
}

bool InventEntriesWhenEmpty(GameContext& ctx, const HiScoreServices& services, int game,
                            HiScoreTable& table) {
    // Only a table with no entry at all: one whose first rank was damaged
    // keeps the results of the other ranks.
    if (!std::all_of(table.begin(), table.end(),
                     [](const std::string& entry) { return IsEmptyHiScoreEntry(entry); }))
        return false;
    // After the player cleared every table, only real results fill them.
    if (ReadKey(ProgramFile(ctx.state, kHiScoreFile), "Clear scores", "Cleared", "") == "Y")
        return false;
    const auto rules = services.baseGameRules ? services.baseGameRules(ctx, game) : std::nullopt;
    if (!rules) return false;

    const auto scores = InventedScores(*rules);
    const ClockReading now = ctx.ui.Now();
    HiScoreResult invented;
    invented.game = game;
    invented.endDate = DateText(now);
    invented.endTime = TimeOfDayText(now, ctx.ui.TimeSeparator());
    invented.won = true;
    invented.dealNumber = kInventedDeal;
    for (std::size_t r = 0; r < table.size(); ++r) {
        invented.player = "* " + std::string(kFirstNames[r]);
        invented.score = scores[r];
        invented.seconds = kSecondsPerPoint * scores[r];
        table[r] = HiScoreEntryText(invented);
    }
    return true;
}

}  // namespace vis
