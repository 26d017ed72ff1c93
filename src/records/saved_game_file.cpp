#include "records/saved_game_file.h"

#include <algorithm>

#include "model/rule_index.h"
#include "model/text.h"
#include "records/player_name.h"

namespace vis {

namespace {

constexpr std::string_view kStockHeader = "[UNDO - Stock]";
constexpr std::string_view kFoundationsHeader = "[UNDO - Foundations]";
constexpr std::string_view kPilesHeader = "[UNDO - Piles]";
constexpr std::string_view kReservesHeader = "[UNDO - Reserves]";
constexpr std::string_view kLogHeader = "[UNDO - Log]";
constexpr int kEmptyLinesAfterHeader = 10;
constexpr std::size_t kLine0Length = 95;
constexpr std::size_t kLine1MinLength = 65;

enum class Section { kNone, kStock, kFoundations, kPiles, kReserves, kLog };

Section SectionOf(std::string_view line) {
    // Headers are recognised by their start, as older writers may have
    // added trailing characters.
    if (StartsWith(line, kFoundationsHeader)) return Section::kFoundations;
    if (StartsWith(line, kReservesHeader)) return Section::kReserves;
    if (StartsWith(line, kStockHeader)) return Section::kStock;
    if (StartsWith(line, kPilesHeader)) return Section::kPiles;
    if (StartsWith(line, kLogHeader)) return Section::kLog;
    return Section::kNone;
}

// Fields of line 0, 1-based first character and width.
struct Column {
    std::size_t first;
    std::size_t width;
    std::string_view Of(std::string_view line) const { return line.substr(first - 1, width); }
};
constexpr Column kGameColumn{9, 4};
constexpr Column kPictureColumn{13, 30};
constexpr Column kColourColumn{43, 15};
constexpr Column kPlainColumn{58, 4};
constexpr Column kSizeColumn{62, 1};
constexpr Column kSetColumn{63, 9};
constexpr Column kBackColumn{72, 4};
constexpr Column kTimeColumn{76, 6};
constexpr Column kSchemeColumn{82, 2};
constexpr Column kScoreColumn{84, 6};
constexpr Column kPassColumn{90, 6};
constexpr Column kPlayerColumn{1, 50};
constexpr Column kDealColumn{51, 15};
constexpr std::size_t kBasesFirst = 67;

// Keeps a number inside a field of `width` characters so the file stays
// readable (ZeroPad would write a row of '*').
long long Clamp(long long value, int width) {
    long long most = 1;
    for (int i = 0; i < width; ++i) most *= 10;
    return std::clamp(value, -(most / 10) + 1, most - 1);
}

bool IsCardLine(std::string_view line) {
    if (line.size() % 4 != 0) return false;
    for (std::size_t at = 0; at < line.size(); at += 4) {
        const auto card = ParseInt(line.substr(at, 3));
        if (!card || *card < 0 || *card > kLastCard || line[at] == ' ' || line[at] == '+')
            return false;
    }
    return true;
}

bool IsLogText(std::string_view log) {
    return std::all_of(log.begin(), log.end(),
                       [](char c) { return c == ',' || (c >= '0' && c <= '9'); });
}

// Inserts `count` empty lines after every `group` lines of one history section.
void SpreadSection(std::vector<std::string>& lines, Section section, std::size_t group,
                   std::size_t count) {
    std::vector<std::string> out;
    Section current = Section::kNone;
    std::size_t inGroup = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const Section header = i >= kSavedGameHistoryLine ? SectionOf(lines[i]) : Section::kNone;
        out.push_back(lines[i]);
        if (header != Section::kNone) {
            current = header;
            inGroup = 0;
            continue;
        }
        if (current != section || i < kSavedGameHistoryLine) continue;
        if (++inGroup == group) {
            out.insert(out.end(), count, std::string());
            inGroup = 0;
        }
    }
    lines = std::move(out);
}

void InsertEmptyLines(std::vector<std::string>& lines,
                      std::initializer_list<std::size_t> positions) {
    for (std::size_t at : positions)
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(std::min(at, lines.size())),
                     std::string());
}

// Older files had fewer foundations and tableau piles.
void ConvertOlderVersion(std::vector<std::string>& lines, const std::string& version) {
    if (version >= kSavedGameVersion) return;
    if (version < "0301") {
        lines[1] += "00000000";
        InsertEmptyLines(lines, {23, 24, 25, 26, 47, 48, 49, 50, 51});
        SpreadSection(lines, Section::kFoundations, 8, 4);
        SpreadSection(lines, Section::kPiles, 20, 5);
    }
    InsertEmptyLines(lines, {52, 53});
    SpreadSection(lines, Section::kPiles, 26, 2);
    // The steps above do not always reach the full position: the piles still
    // missing before the history come out empty.
    const auto first =
        lines.begin() + std::min<std::ptrdiff_t>(kSavedGamePositionLine, std::ssize(lines));
    const auto history = std::find_if(
        first, lines.end(), [](const std::string& l) { return SectionOf(l) != Section::kNone; });
    if (history != lines.end() && history - lines.begin() < kSavedGameHistoryLine)
        lines.insert(history,
                     static_cast<std::size_t>(kSavedGameHistoryLine - (history - lines.begin())),
                     std::string());
}

bool HistoryIsConsistent(const HistorySide& side) {
    const std::size_t steps = side.stock.size() / 3;
    if (side.stock.size() % 3 != 0 || side.foundation.size() != steps * 16 ||
        side.tableau.size() != steps * 28 || side.reserve.size() != steps * 8)
        return false;
    for (const auto* stack : {&side.stock, &side.foundation, &side.tableau, &side.reserve})
        if (!std::all_of(stack->begin(), stack->end(), IsCardLine)) return false;
    return IsLogText(side.log);
}

}  // namespace

SavedGame CaptureSavedGame(const GameContext& ctx, int playingSeconds) {
    const StateBlock& state = ctx.state;
    SavedGame saved;
    saved.game = state.GetInt(field::kGameNumber);
    saved.backgroundPicture = state.Get(field::kBackgroundPicture);
    saved.backgroundColour = state.GetInt(field::kBackgroundColour);
    saved.plainBackground = state.Get(field::kBackgroundDefault);
    const std::string size = state.Get(field::kCardSize);
    saved.cardSize = size.empty() ? 'B' : size.front();
    saved.cardSet = state.Get(field::kCardSet);
    saved.cardBack = state.GetInt(field::kBackCard);
    saved.playingSeconds = playingSeconds;
    saved.scoringScheme = state.GetInt(field::kScoringScheme);
    saved.score = state.GetInt(field::kScore);
    saved.passNumber = ctx.game.passNumber;
    saved.player = state.Get(field::kPlayer);
    saved.dealNumber = state.Get(field::kDealNumber);
    for (int i = 0; i < 16; ++i)
        saved.bases[static_cast<std::size_t>(i)] = ctx.rules[rule::kFoundationBase + i];
    saved.position = TakeSnapshot(ctx);
    saved.undo = ctx.history.undo;
    return saved;
}

std::vector<std::string> SavedGameLines(const SavedGame& saved) {
    std::vector<std::string> lines;
    std::string line0 = "[S-" + std::string(kSavedGameVersion) + "]";
    line0 += ZeroPad(saved.game, 4);
    line0 += PadOrCut(saved.backgroundPicture, 30);
    line0 += ZeroPad(Clamp(saved.backgroundColour, 15), 15);
    line0 += PadOrCut(saved.plainBackground, 4);
    line0 += saved.cardSize;
    line0 += PadOrCut(saved.cardSet, 9);
    line0 += ZeroPad(saved.cardBack, 4);
    line0 += ZeroPad(std::clamp(saved.playingSeconds, 0, 999999), 6);
    line0 += ZeroPad(saved.scoringScheme, 2);
    line0 += ZeroPad(Clamp(saved.score, 6), 6);
    line0 += ZeroPad(Clamp(saved.passNumber, 6), 6);
    lines.push_back(std::move(line0));

    std::string line1 = PadOrCut(saved.player, 50) + PadOrCut(saved.dealNumber, 15) + " ";
    for (const auto& base : saved.bases) line1 += ZeroPad(Clamp(base.value_or(0), 2), 2);
    lines.push_back(std::move(line1));

    lines.insert(lines.end(), kEmptyLinesAfterHeader, std::string());
    lines.insert(lines.end(), saved.position.begin(), saved.position.end());

    auto section = [&](std::string_view header, const std::vector<std::string>& stack) {
        lines.emplace_back(header);
        lines.insert(lines.end(), stack.begin(), stack.end());
    };
    section(kStockHeader, saved.undo.stock);
    section(kFoundationsHeader, saved.undo.foundation);
    section(kPilesHeader, saved.undo.tableau);
    section(kReservesHeader, saved.undo.reserve);
    lines.emplace_back(kLogHeader);
    lines.push_back(saved.undo.log);
    return lines;
}

std::string SavedGameText(const SavedGame& saved) {
    std::string text;
    for (const auto& line : SavedGameLines(saved)) text += line + "\r\n";
    return text;
}

std::vector<std::string> SplitFileLines(const std::string& text) {
    const std::vector<std::string_view> views = SplitLines(text);
    return std::vector<std::string>(views.begin(), views.end());
}

void ReadHistorySections(const std::vector<std::string>& lines, HistorySide& side) {
    Section current = Section::kNone;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (const Section header = SectionOf(line); header != Section::kNone) {
            current = header;
            continue;
        }
        switch (current) {
            case Section::kNone:
                break;
            case Section::kStock:
                side.stock.push_back(line);
                break;
            case Section::kFoundations:
                side.foundation.push_back(line);
                break;
            case Section::kPiles:
                side.tableau.push_back(line);
                break;
            case Section::kReserves:
                side.reserve.push_back(line);
                break;
            case Section::kLog:
                side.log = line;
                break;
        }
    }
}

std::optional<SavedGame> ParseSavedGame(const std::string& text, std::string& error) {
    error = std::string(kNotASavedGame);
    std::vector<std::string> lines = SplitFileLines(text);
    if (lines.size() < 2 || lines[0].size() < kLine0Length || lines[1].size() < kLine1MinLength)
        return std::nullopt;
    const std::string version = lines[0].substr(3, 4);
    if (!StartsWith(lines[0], "[S-") || lines[0][7] != ']' || !ParseInt(version))
        return std::nullopt;
    ConvertOlderVersion(lines, version);
    if (lines.size() < kSavedGameHistoryLine) return std::nullopt;
    const std::string_view line0 = lines[0];

    SavedGame saved;
    const auto game = ParseInt(kGameColumn.Of(line0));
    const auto colour = ParseInt(kColourColumn.Of(line0));
    const auto back = ParseInt(kBackColumn.Of(line0));
    const auto seconds = ParseInt(kTimeColumn.Of(line0));
    const auto scheme = ParseInt(kSchemeColumn.Of(line0));
    const auto score = ParseInt(kScoreColumn.Of(line0));
    const auto pass = ParseInt(kPassColumn.Of(line0));
    if (!game || !colour || !back || !seconds || !scheme || !score || !pass || *seconds < 0)
        return std::nullopt;
    saved.game = *game;
    saved.backgroundPicture = Trim(kPictureColumn.Of(line0));
    saved.backgroundColour = *colour;
    saved.plainBackground = Trim(kPlainColumn.Of(line0));
    saved.cardSize = kSizeColumn.Of(line0).front();
    saved.cardSet = Trim(kSetColumn.Of(line0));
    saved.cardBack = *back;
    saved.playingSeconds = *seconds;
    saved.scoringScheme = *scheme;
    saved.score = *score;
    saved.passNumber = *pass;

    const std::string_view line1 = lines[1];
    saved.player = TrimRight(kPlayerColumn.Of(line1));
    // Older versions may name no player; a name they hold must be storable.
    if (const std::string problem = saved.player.empty() ? "" : PlayerNameProblem(saved.player);
        !problem.empty()) {
        error = problem;
        return std::nullopt;
    }
    saved.dealNumber = Trim(kDealColumn.Of(line1));
    for (std::size_t i = 0; i < saved.bases.size(); ++i) {
        const std::size_t at = kBasesFirst - 1 + 2 * i;
        if (at + 2 <= line1.size()) {
            if (const auto base = ParseInt(line1.substr(at, 2))) saved.bases[i] = *base;
        }
    }

    for (int i = 0; i < kSnapshotLines; ++i) {
        const std::string& line = lines[static_cast<std::size_t>(kSavedGamePositionLine + i)];
        if (!IsCardLine(line)) return std::nullopt;
        saved.position[static_cast<std::size_t>(i)] = line;
    }
    ReadHistorySections(lines, saved.undo);
    if (!HistoryIsConsistent(saved.undo)) return std::nullopt;
    error.clear();
    return saved;
}

}  // namespace vis
