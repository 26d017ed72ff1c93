#include "records/overall_score.h"

#include <algorithm>
#include <map>
#include <memory>
#include <random>
#include <set>

#include "model/program_paths.h"
#include "model/text.h"
#include "records/record_files.h"
#include "store/durable_file.h"
#include "store/file_lock.h"
#include "store/section_file.h"

namespace vis {

namespace {

constexpr std::string_view kScrambleKey = "62047";
constexpr std::string_view kCheckPrefix = "0500";
constexpr std::string_view kOverallScoreKey = "T01";
constexpr std::string_view kOverallTimeKey = "T02";
constexpr std::string_view kOverallCheckKey = "T03";
constexpr int kFirstCustomGame = 8000;
constexpr std::int64_t kMaxBestValue = 999999;  // what six digits hold
constexpr std::size_t kMissingValueLength = 30;
constexpr int kResetPointerMs = 2000;

std::filesystem::path OverallPath(const GameContext& ctx) {
    return ProgramFile(ctx.state, kOverallScoreFile);
}

char FillerDigit(const FillerDigitSource& filler) {
    int digit = filler() % 9;
    if (digit < 0) digit += 9;
    return static_cast<char>('0' + digit);
}

// Lays the digits out as `pattern` says: 'd' a digit of `value` (zero-padded
// to the number of 'd'), 'f' a filler digit.
std::string Interleave(std::string_view pattern, std::int64_t value,
                       const FillerDigitSource& filler) {
    const auto digitCount = static_cast<int>(std::count(pattern.begin(), pattern.end(), 'd'));
    const std::string digits = ZeroPad(value, digitCount);
    std::string plain;
    std::size_t next = 0;
    for (char slot : pattern) plain += slot == 'd' ? digits[next++] : FillerDigit(filler);
    return plain;
}

// The digits that `pattern` marks with 'd', as a number; empty when the
// text is too short or they are not all digits (a leading minus allowed).
std::optional<std::int64_t> ReadPattern(std::string_view plain, std::string_view pattern) {
    if (plain.size() < pattern.size()) return std::nullopt;
    std::string digits;
    for (std::size_t i = 0; i < pattern.size(); ++i)
        if (pattern[i] == 'd') digits += plain[i];
    for (std::size_t i = 0; i < digits.size(); ++i) {
        const bool digit = digits[i] >= '0' && digits[i] <= '9';
        if (!digit && !(i == 0 && digits[i] == '-')) return std::nullopt;
    }
    return ParseRecordNumber(digits);
}

constexpr std::string_view kScorePattern = "ffdfdfdfdfdfdfdfdfdfdfdfdfff";  // T01, 28
constexpr std::string_view kTimePattern = "fdfdfdfdfdfdfdfdfdfdfdfdffff";   // T02, 28
constexpr std::string_view kBestScorePattern = "fddfddfddf";                // "GS-", 10
constexpr std::string_view kBestTimePattern = "ffddfddfdd";                 // "GT-", 10
constexpr std::size_t kBestPlainLength = 10;
constexpr std::string_view kCheckPattern = "ffffdddddddd";  // T03, 12
constexpr std::string_view kBestCheckPattern = "ffffffffffdddddd";

// The best value of a game and its check, whether the check must match.
std::optional<std::int64_t> ReadBestValue(std::string_view plain, std::string_view pattern,
                                          bool compareCheck) {
    const auto value = ReadPattern(plain, pattern);
    const auto check = ReadPattern(plain, kBestCheckPattern);
    if (!value || !check) return std::nullopt;
    if (compareCheck && (*value != 0 || *check != 0) &&
        OverallChecksum(plain.substr(0, kBestPlainLength)) != *check)
        return std::nullopt;
    return value;
}

// A player's stored values by key, unscrambled; missing keys read as zeros.
class PlayerValues {
public:
    explicit PlayerValues(const std::vector<std::string>& lines) {
        for (const auto& line : lines) {
            const std::size_t equals = line.find('=');
            if (equals != std::string::npos)
                plain_.emplace(line.substr(0, equals),
                               UnscrambleOverallValue(line.substr(equals + 1)));
        }
    }
    std::string Plain(std::string_view key) const {
        const auto it = plain_.find(key);
        if (it != plain_.end()) return it->second;
        const std::string zeros = Repeat('0', kMissingValueLength);
        return key == kOverallCheckKey ? std::string(kCheckPrefix) + zeros : zeros;
    }
    const std::map<std::string, std::string, std::less<>>& All() const { return plain_; }

private:
    std::map<std::string, std::string, std::less<>> plain_;
};

struct Totals {
    std::int64_t score = 0;
    std::int64_t seconds = 0;
};

std::optional<Totals> ReadTotals(const PlayerValues& values) {
    const std::string t01 = values.Plain(kOverallScoreKey);
    const std::string t02 = values.Plain(kOverallTimeKey);
    const std::string t03 = values.Plain(kOverallCheckKey);
    const auto score = ReadPattern(t01, kScorePattern);
    const auto seconds = ReadPattern(t02, kTimePattern);
    const auto check = ReadPattern(t03, kCheckPattern);
    if (!score || !seconds || !check) return std::nullopt;
    if ((*check != 0 || *score != 0 || *seconds != 0) &&
        OverallChecksum(t03.substr(0, kCheckPrefix.size()) + t01 + t02) != *check)
        return std::nullopt;
    return Totals{*score, *seconds};
}

std::optional<int> GameOfBestKey(std::string_view key) {
    if (!StartsWith(key, "GS-") && !StartsWith(key, "GT-")) return std::nullopt;
    const auto game = ParseInt(key.substr(3));
    if (!game || BestScoreKey(*game).substr(3) != key.substr(3)) return std::nullopt;
    return game;
}

// The best result of every game whose values and checks are intact.
struct IntactValues {
    std::map<int, BestResult> games;
    std::vector<std::string> damagedKeys;
};

IntactValues ReadIntactBests(const PlayerValues& values) {
    IntactValues intact;
    for (const auto& [key, plain] : values.All()) {
        const auto game = GameOfBestKey(key);
        if (!game || intact.games.count(*game) != 0) continue;
        const auto score =
            ReadBestValue(values.Plain(BestScoreKey(*game)), kBestScorePattern, true);
        const auto seconds =
            ReadBestValue(values.Plain(BestTimeKey(*game)), kBestTimePattern, true);
        if (score && seconds) {
            intact.games.emplace(*game, BestResult{*game, *score, *seconds});
        } else {
            intact.damagedKeys.push_back(BestScoreKey(*game));
            intact.damagedKeys.push_back(BestTimeKey(*game));
        }
    }
    return intact;
}

Totals SumOfBests(const IntactValues& intact) {
    Totals totals;
    for (const auto& [game, best] : intact.games) {
        totals.score += best.score;
        totals.seconds += best.seconds;
    }
    return totals;
}

// The best results the details list, which need only be numbers, their
// checks not; `unreadable` tells whether any was left out.
std::vector<BestResult> ListedBests(const PlayerValues& values, bool& unreadable) {
    std::vector<BestResult> bests;
    for (const auto& [key, plain] : values.All()) {
        const auto game = GameOfBestKey(key);
        if (!game || !StartsWith(key, "GS-")) continue;
        const auto score = ReadBestValue(plain, kBestScorePattern, false);
        const auto seconds =
            ReadBestValue(values.Plain(BestTimeKey(*game)), kBestTimePattern, false);
        if (score && seconds)
            bests.push_back({*game, *score, *seconds});
        else
            unreadable = true;
    }
    return bests;
}

// The player's section with only its damaged values replaced: a game's
// best result that fails its check is dropped, and the totals are counted
// again from the intact best results (they are always their sum). Tells the
// player, and returns the repaired totals.
Totals RepairPlayer(GameContext& ctx, const FillerDigitSource& filler, std::string_view player,
                    const std::vector<std::string>& lines) {
    const PlayerValues values(lines);
    const IntactValues intact = ReadIntactBests(values);
    const Totals totals = SumOfBests(intact);
    const std::string t01 = PlainOverallScore(totals.score, filler);
    const std::string t02 = PlainOverallTime(totals.seconds, filler);
    KeyValues pairs = {
        {std::string(kOverallScoreKey), ScrambleOverallValue(t01)},
        {std::string(kOverallTimeKey), ScrambleOverallValue(t02)},
        {std::string(kOverallCheckKey), ScrambleOverallValue(PlainOverallCheck(t01, t02))},
    };
    for (const auto& line : lines) {
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos) continue;  // no value: a damaged line
        const std::string key = line.substr(0, equals);
        const bool replaced = key == kOverallScoreKey || key == kOverallTimeKey ||
                              key == kOverallCheckKey ||
                              std::find(intact.damagedKeys.begin(), intact.damagedKeys.end(),
                                        key) != intact.damagedKeys.end();
        if (!replaced) pairs.push_back({key, line.substr(equals + 1)});
    }
    const auto path = OverallPath(ctx);
    EnsureRecordFile(path, "");
    WriteSectionInPlace(ctx.ui, path, player, pairs);
    ctx.ui.ShowMessage(OverallRepairMessage(player));
    ctx.ui.RepaintTable();
    BusyPointer busy(ctx.ui);
    WaitTicks(ctx.ui, kResetPointerMs);
    return totals;
}

// Whether the player's values disagree with their checks anywhere.
bool NeedsRepair(const std::vector<std::string>& lines) {
    const PlayerValues values(lines);
    return !ReadTotals(values) || !ReadIntactBests(values).damagedKeys.empty();
}

}  // namespace

std::string OverallRepairMessage(std::string_view player) {
    return "It appears as if the Overall Score Values of " + std::string(player) +
           " are incorrect or corrupted.\rOnly the damaged values will be reset; the overall "
           "score is counted again from the best results that are intact.";
}

FillerDigitSource RandomFillerDigits() {
    auto generator = std::make_shared<std::mt19937>(std::random_device{}());
    return [generator] { return std::uniform_int_distribution<int>(0, 8)(*generator); };
}

std::int64_t OverallChecksum(std::string_view text) {
    std::int64_t sum = 0;
    for (std::size_t n = 0; n < text.size(); ++n) {
        const std::int64_t i = static_cast<std::int64_t>(n) + 1;
        const std::int64_t a = static_cast<unsigned char>(text[n]);
        sum += a + (i * a) / 2 + (i + a) % 3 + i;
    }
    return sum;
}

std::string ScrambleOverallValue(std::string_view plain) {
    std::string stored(plain);
    for (std::size_t i = 0; i < stored.size(); ++i)
        stored[i] =
            static_cast<char>(static_cast<unsigned char>(stored[i]) +
                              static_cast<unsigned char>(kScrambleKey[i % kScrambleKey.size()]));
    return stored;
}

std::string UnscrambleOverallValue(std::string_view stored) {
    std::string plain(stored);
    for (std::size_t i = 0; i < plain.size(); ++i)
        plain[i] =
            static_cast<char>(static_cast<unsigned char>(plain[i]) -
                              static_cast<unsigned char>(kScrambleKey[i % kScrambleKey.size()]));
    return plain;
}

std::string PlainOverallScore(std::int64_t score, const FillerDigitSource& filler) {
    return Interleave(kScorePattern, score, filler);
}

std::string PlainOverallTime(std::int64_t seconds, const FillerDigitSource& filler) {
    return Interleave(kTimePattern, seconds, filler);
}

std::string PlainOverallCheck(std::string_view plainScore, std::string_view plainTime) {
    const std::string checked =
        std::string(kCheckPrefix) + std::string(plainScore) + std::string(plainTime);
    return std::string(kCheckPrefix) + ZeroPad(OverallChecksum(checked), 8);
}

namespace {
std::string WithCheck(std::string plain) {
    return plain + ZeroPad(OverallChecksum(plain), 6);
}
}  // namespace

std::string PlainBestScore(std::int64_t score, const FillerDigitSource& filler) {
    return WithCheck(
        Interleave(kBestScorePattern, std::clamp<std::int64_t>(score, 0, kMaxBestValue), filler));
}

std::string PlainBestTime(std::int64_t seconds, const FillerDigitSource& filler) {
    return WithCheck(
        Interleave(kBestTimePattern, std::clamp<std::int64_t>(seconds, 0, kMaxBestValue), filler));
}

std::string BestScoreKey(int game) {
    return "GS-" + ZeroPad(game, 4);
}
std::string BestTimeKey(int game) {
    return "GT-" + ZeroPad(game, 4);
}

void UpdateOverallScore(GameContext& ctx, const FillerDigitSource& filler, int game,
                        std::string_view player, bool remove, int seconds, int score) {
    if (game >= kFirstCustomGame || game < 0 || score < 0) return;
    const FileLock lock(RecordLockPath(ctx.state));
    const auto path = OverallPath(ctx);
    EnsureRecordFile(path, "");
    std::vector<std::string> lines = ReadSectionLines(path, player);
    if (NeedsRepair(lines)) {
        RepairPlayer(ctx, filler, player, lines);
        lines = ReadSectionLines(path, player);
    }
    const PlayerValues values(lines);
    const auto totals = ReadTotals(values);
    const std::string scoreKey = BestScoreKey(game);
    const std::string timeKey = BestTimeKey(game);
    const auto bestScore = ReadBestValue(values.Plain(scoreKey), kBestScorePattern, true);
    const auto bestTime = ReadBestValue(values.Plain(timeKey), kBestTimePattern, true);
    if (!totals || !bestScore || !bestTime) return;  // the repair could not be written (reported)
    // Six digits hold a best result; a longer game counts as that long.
    const std::int64_t points = std::min<std::int64_t>(score, kMaxBestValue);
    const std::int64_t time = std::clamp<std::int64_t>(seconds, 0, kMaxBestValue);
    const bool better = points > *bestScore || (points == *bestScore && time < *bestTime);
    if (!remove && !(points > 0 && better)) return;

    const std::string t01 = PlainOverallScore(totals->score + points - *bestScore, filler);
    const std::string t02 = PlainOverallTime(totals->seconds + time - *bestTime, filler);
    const KeyValues updated = {
        {std::string(kOverallScoreKey), ScrambleOverallValue(t01)},
        {std::string(kOverallTimeKey), ScrambleOverallValue(t02)},
        {std::string(kOverallCheckKey), ScrambleOverallValue(PlainOverallCheck(t01, t02))},
        {scoreKey, ScrambleOverallValue(PlainBestScore(points, filler))},
        {timeKey, ScrambleOverallValue(PlainBestTime(time, filler))},
    };
    // All five values go out in one write of the section, so that a crash
    // cannot leave totals that disagree with their check value.
    KeyValues pairs;
    std::vector<bool> written(updated.size(), false);
    for (const auto& line : lines) {
        const std::size_t equals = line.find('=');
        const std::string key = line.substr(0, equals);
        const auto match = std::find_if(updated.begin(), updated.end(),
                                        [&](const KeyValue& kv) { return kv.key == key; });
        if (match != updated.end()) {
            if (written[static_cast<std::size_t>(match - updated.begin())])
                continue;  // a twin line
            written[static_cast<std::size_t>(match - updated.begin())] = true;
            pairs.push_back(*match);
        } else {
            pairs.push_back({key, equals == std::string::npos ? "" : line.substr(equals + 1)});
        }
    }
    for (std::size_t i = 0; i < updated.size(); ++i)
        if (!written[i]) pairs.push_back(updated[i]);
    WriteSectionInPlace(ctx.ui, path, player, pairs);
}

std::vector<OverallScore> ReadOverallScores(GameContext& ctx) {
    const FileLock lock(RecordLockPath(ctx.state));
    const FillerDigitSource filler = RandomFillerDigits();
    const auto path = OverallPath(ctx);
    std::vector<OverallScore> scores;
    std::set<std::string, std::less<>> seen;
    for (const auto& player : ListSections(path)) {
        // A second section of one name is never read nor written.
        if (!seen.insert(player).second) continue;
        const std::vector<std::string> lines = ReadSectionLines(path, player);
        const Totals read = NeedsRepair(lines) ? RepairPlayer(ctx, filler, player, lines)
                                               : *ReadTotals(PlayerValues(lines));
        scores.push_back({player, read.score, read.seconds});
    }
    return scores;
}

std::optional<OverallDetails> ReadOverallDetails(GameContext& ctx, std::string_view player) {
    const FileLock lock(RecordLockPath(ctx.state));
    const auto path = OverallPath(ctx);
    OverallDetails details;
    if (!FindSection(path, player)) return details;
    auto readDetails = [&](const std::vector<std::string>& lines) -> bool {
        const PlayerValues values(lines);
        const auto totals = ReadTotals(values);
        if (!totals) return false;
        bool unreadable = false;
        details = {totals->score, totals->seconds, ListedBests(values, unreadable)};
        return !unreadable;
    };
    const std::vector<std::string> lines = ReadSectionLines(path, player);
    if (readDetails(lines)) return details;
    RepairPlayer(ctx, RandomFillerDigits(), player, lines);
    if (readDetails(ReadSectionLines(path, player))) return details;
    return std::nullopt;  // the repair could not be written (reported)
}

OverallScoresReading PeekOverallScores(const GameContext& ctx) {
    const FileLock lock(RecordLockPath(ctx.state));
    const auto path = OverallPath(ctx);
    OverallScoresReading reading;
    std::set<std::string, std::less<>> seen;
    for (const auto& player : ListSections(path)) {
        if (!seen.insert(player).second) continue;
        const std::vector<std::string> lines = ReadSectionLines(path, player);
        const PlayerValues values(lines);
        Totals totals;
        if (NeedsRepair(lines)) {
            totals = SumOfBests(ReadIntactBests(values));
            reading.damagedPlayers.push_back(player);
        } else {
            totals = *ReadTotals(values);
        }
        reading.scores.push_back({player, totals.score, totals.seconds});
    }
    return reading;
}

OverallDetailsReading PeekOverallDetails(const GameContext& ctx, std::string_view player) {
    const FileLock lock(RecordLockPath(ctx.state));
    const auto path = OverallPath(ctx);
    OverallDetailsReading reading;
    if (!FindSection(path, player)) return reading;
    const std::vector<std::string> lines = ReadSectionLines(path, player);
    const PlayerValues values(lines);
    const auto totals = ReadTotals(values);
    reading.details.games = ListedBests(values, reading.damaged);
    if (totals && !reading.damaged) {
        reading.details.score = totals->score;
        reading.details.seconds = totals->seconds;
    } else {
        reading.damaged = true;
        for (const BestResult& best : reading.details.games) {
            reading.details.score += best.score;
            reading.details.seconds += best.seconds;
        }
    }
    return reading;
}

std::string PublishedScoreCode(const GameContext& ctx, std::string_view player) {
    const auto path = OverallPath(ctx);
    auto stored = [&](std::string_view key, std::size_t length) {
        return TrimRight(ReadKey(path, player, key, "").substr(0, length));
    };
    return stored(kOverallScoreKey, kScorePattern.size()) +
           stored(kOverallTimeKey, kTimePattern.size()) +
           stored(kOverallCheckKey, kCheckPattern.size());
}

std::vector<std::string> OverallScorePlayers(const GameContext& ctx) {
    return ListSections(OverallPath(ctx));
}

}  // namespace vis
