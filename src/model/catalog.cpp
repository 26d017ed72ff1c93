#include "model/catalog.h"

#include <algorithm>
#include <array>

#include "model/custom_games_file.h"
#include "model/games_file.h"
#include "model/text.h"
#include "store/durable_file.h"
#include "store/file_error.h"

namespace vis {

namespace {

constexpr std::size_t kTypeWidth = 3;
constexpr std::size_t kNumberOffset = 4;
constexpr std::size_t kNumberWidth = 3;
constexpr std::size_t kLeftOutOffset = 7;
constexpr std::size_t kWideOffset = 8;
constexpr std::size_t kNameOffset = 10;
constexpr std::size_t kNameWidth = 50;

struct TypePicture {
    int type;
    std::string_view name;
};
constexpr std::array<TypePicture, 18> kTypePictures{{
    {2, "TREE5_CANFIELD_TYPE"},
    {3, "TREE5_FORTYTHIEVES_TYPE"},
    {4, "TREE5_FREECELL_TYPE"},
    {5, "TREE5_KLONDIKE_TYPE"},
    {6, "TREE5_PAIRING_TYPE"},
    {7, "TREE5_SIMPLEGAMES_TYPE"},
    {8, "TREE5_SPIDER_TYPE"},
    {9, "TREE5_1DECK_TYPE"},
    {10, "TREE5_2DECK_TYPE"},
    {11, "TREE5_FAN_TYPE"},
    {12, "TREE5_BAKERSDOZEN_TYPE"},
    {13, "TREE5_ROW_TYPE"},
    {14, "TREE5_PUZZLE_TYPE"},
    {15, "TREE5_ADDITION_TYPE"},
    {16, "TREE5_MEMORY_TYPE"},
    {17, "TREE5_BELEAGUEREDCASTLE_TYPE"},
    {18, "TREE5_QUEENOFITALY_TYPE"},
    {kCustomGamesType, "TREE5_CUSTOMIZED_GAMES"},
}};

// The game's catalog line, or null when it has none.
const std::string* CatalogLine(const GameContext& ctx, int number) {
    const int column = GameColumn(ctx, number);
    return column < 0 ? nullptr : &ctx.game.catalog[static_cast<std::size_t>(column)];
}

// The kept catalog lines of the games file's text, unscrambled; none when
// it has no catalog section.
std::optional<std::vector<std::string>> CatalogLines(std::string_view content) {
    const auto lines = SectionLines(content, kCatalogSection);
    if (!lines) return std::nullopt;
    std::vector<std::string> catalog;
    for (std::string_view stored : *lines) {
        std::string line = UnscrambleText(stored);
        if (FixedField(line, kLeftOutOffset, 1) == "9") continue;
        catalog.push_back(std::move(line));
    }
    return catalog;
}

std::string MissingSection(std::string_view header) {
    return "the section " + std::string(header) + " is missing.";
}

}  // namespace

bool LoadCatalog(GameContext& ctx) {
    ctx.game.catalog.clear();
    const auto file = GamesFilePath(ctx.state);
    const auto content = ReadGamesFile(ctx.ui, file);
    if (!content) return false;
    auto catalog = CatalogLines(*content);
    if (!catalog) {
        ctx.ui.ShowError(DamagedGamesFileMessage(file, MissingSection(kCatalogSection)));
        return false;
    }
    ctx.game.catalog = std::move(*catalog);
    return true;
}

std::optional<std::string> GamesFileProblem(const std::filesystem::path& file) {
    if (!FileExists(file)) return GamesFileMissingMessage(file);
    std::string content;
    try {
        content = ReadWholeFile(file);
    } catch (const FileError& error) {
        return std::string(error.what());
    }
    // A file cut short still has a catalog: found here, once, rather than
    // as an empty table at the deal.
    std::optional<std::string> problem;
    const auto catalog = CatalogLines(content);
    const auto rows = SectionLines(content, kRulesSection);
    if (!catalog)
        problem = MissingSection(kCatalogSection);
    else if (catalog->empty())
        problem = "the section " + std::string(kCatalogSection) + " lists no game.";
    else if (!rows)
        problem = MissingSection(kRulesSection);
    else
        problem = RulesTableProblem(*rows, catalog->size());
    if (!problem) return std::nullopt;
    return DamagedGamesFileMessage(file, *problem) + std::string(kReinstallAdvice);
}

std::string CatalogName(std::string_view line) {
    return std::string(FixedField(line, kNameOffset, kNameWidth));
}

std::optional<int> CatalogNumber(std::string_view line) {
    return ParseInt(FixedField(line, kNumberOffset, kNumberWidth));
}

bool NeedsWideScreen(std::string_view line) {
    return FixedField(line, kWideOffset, 1) == "1";
}

int GameColumn(const GameContext& ctx, int number) {
    // Negative numbers stand for "no game" and never name a line.
    if (number < 0 || number >= kFirstCustomGame) return -1;
    const std::vector<std::string>& catalog = ctx.game.catalog;
    // Games are mostly numbered by their position: try that line first.
    const auto position = static_cast<std::size_t>(number);
    if (position < catalog.size() && CatalogNumber(catalog[position]) == number) return number;
    for (std::size_t i = 0; i < catalog.size(); ++i)
        if (CatalogNumber(catalog[i]) == number) return static_cast<int>(i);
    return -1;
}

std::string GameName(const GameContext& ctx, int number) {
    if (number >= kFirstCustomGame) return CustomGameName(ctx.state, number);
    const std::string* line = CatalogLine(ctx, number);
    return line ? TrimRight(CatalogName(*line)) : std::string();
}

int GameNumberByName(const GameContext& ctx, std::string_view name) {
    const std::string wanted = TrimRight(name);
    for (const std::string& line : ctx.game.catalog) {
        const auto number = CatalogNumber(line);
        if (number && EqualsIgnoreCase(TrimRight(CatalogName(line)), wanted)) return *number;
    }
    return CustomGameNumberByName(ctx.state, name);
}

int GameType(const GameContext& ctx, int number) {
    if (number < 0) return -1;
    if (number >= kFirstCustomGame) return kCustomGamesType;
    const std::string* line = CatalogLine(ctx, number);
    return line ? ParseIntOr(FixedField(*line, 0, kTypeWidth), -1) : -1;
}

std::string TypePictureName(int type) {
    for (const TypePicture& picture : kTypePictures)
        if (picture.type == type) return std::string(picture.name);
    return {};
}

std::vector<std::string> AllGameNames(const GameContext& ctx) {
    std::vector<std::string> names;
    for (const std::string& line : ctx.game.catalog) names.push_back(CatalogName(line));
    for (CustomGameRecord& record : ReadCustomGames(ctx.state))
        names.push_back(std::move(record.name));
    std::stable_sort(names.begin(), names.end(), GameNameLess);
    return names;
}

bool CanPlayOnThisScreen(GameContext& ctx, int number) {
    if (ctx.ui.ScreenWidth() >= kWideGameScreenWidth) return true;
    const int game =
        number >= kFirstCustomGame ? CustomGameBase(ctx.state, number).baseGame : number;
    const std::string* line = CatalogLine(ctx, game);
    if (!line || !NeedsWideScreen(*line)) return true;
    ctx.ui.ShowMessage(
        "Your video card's display is 640x480 pixels.\rYou can't play: " + GameName(ctx, number) +
        "\r" + "Please set your screen resolution to 800x600 pixels or higher.");
    return false;
}

CardNumber TopCardOf(const GameContext& ctx, std::string_view key) {
    constexpr std::string_view kReserveWord = "Appogg";
    std::string reserveKey;
    if (StartsWith(key, kReserveWord) && key.size() > kReserveWord.size()) {
        reserveKey = std::string(kReserveWord) + key[kReserveWord.size()];
        key = reserveKey;
    }
    const auto pile = PileByKey(key);
    if (!pile || *pile == PileRef{PileList::Mazzo, kSecondWasteIndex}) return 0;
    return TopCard(ctx.piles.Pile(*pile));
}

bool IsTableauTop(const GameContext& ctx, CardNumber card) {
    if (card <= 0) return false;
    const int piles = std::clamp<int>(ctx.rules[rule::kTableauCount], 0, kFilaPileCount);
    for (int i = 0; i < piles; ++i)
        if (TopCard(ctx.piles.fila[static_cast<std::size_t>(i)]) == card) return true;
    return false;
}

}  // namespace vis
