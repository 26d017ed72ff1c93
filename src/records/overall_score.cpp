#include "records/overall_score.h"

#include <algorithm>
#include <map>
#include <memory>
#include <random>

#include "model/program_paths.h"
#include "model/text.h"
#include "records/record_files.h"
#include "store/durable_file.h"
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

constexpr std::string_view kResetMessage =
    "It appears as if the Overall Score Values are incorrect or corrupted.\rThe Overall Score "
    "Values will be deleted and reset to zero.";

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

std::vector<RecordSection> ReadAllSections(const GameContext& ctx) {
    return ParseRecordSections(ReadWholeFile(OverallPath(ctx)));
}

}  // namespace

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
    const auto path = OverallPath(ctx);
    EnsureRecordFile(path, "");
    std::vector<std::string> lines = ReadSectionLines(path, player);
    const PlayerValues values(lines);
    const auto totals = ReadTotals(values);
    const std::string scoreKey = BestScoreKey(game);
    const std::string timeKey = BestTimeKey(game);
    const auto bestScore = ReadBestValue(values.Plain(scoreKey), kBestScorePattern, true);
    const auto bestTime = ReadBestValue(values.Plain(timeKey), kBestTimePattern, true);
    if (!totals || !bestScore || !bestTime) {
        ResetOverallScores(ctx);
        return;
    }
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
    std::vector<OverallScore> scores;
    for (const auto& section : ReadAllSections(ctx)) {
        const auto totals = ReadTotals(PlayerValues(section.lines));
        if (!totals) {
            ResetOverallScores(ctx);
            return {};
        }
        scores.push_back({section.name, totals->score, totals->seconds});
    }
    return scores;
}

std::optional<OverallDetails> ReadOverallDetails(GameContext& ctx, std::string_view player) {
    OverallDetails details;
    const auto sections = ReadAllSections(ctx);
    const auto section = std::find_if(sections.begin(), sections.end(),
                                      [&](const RecordSection& s) { return s.name == player; });
    if (section == sections.end()) return details;
    const PlayerValues values(section->lines);
    const auto totals = ReadTotals(values);
    if (!totals) {
        ResetOverallScores(ctx);
        return std::nullopt;
    }
    details.score = totals->score;
    details.seconds = totals->seconds;
    for (const auto& [key, plain] : values.All()) {
        if (!StartsWith(key, "GS-")) continue;
        const auto game = ParseInt(std::string_view(key).substr(3));
        const auto score = ReadBestValue(plain, kBestScorePattern, false);
        const auto seconds =
            game ? ReadBestValue(values.Plain(BestTimeKey(*game)), kBestTimePattern, false)
                 : std::nullopt;
        if (!game || !score || !seconds) {
            ResetOverallScores(ctx);
            return std::nullopt;
        }
        details.games.push_back({*game, *score, *seconds});
    }
    return details;
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

void ResetOverallScores(GameContext& ctx) {
    std::error_code ec;
    std::filesystem::remove(OverallPath(ctx), ec);
    ctx.ui.ShowMessage(std::string(kResetMessage));
    ctx.ui.RepaintTable();
    BusyPointer busy(ctx.ui);
    WaitTicks(ctx.ui, kResetPointerMs);
}

}  // namespace vis
