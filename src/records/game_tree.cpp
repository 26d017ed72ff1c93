#include "records/game_tree.h"

#include <algorithm>
#include <array>

#include "model/catalog.h"
#include "model/custom_games_file.h"
#include "model/games_file.h"
#include "model/program_paths.h"
#include "model/rule_index.h"
#include "model/text.h"
#include "records/favourite_choice.h"

namespace vis {

namespace {

using namespace tree_code;

// A fixed folder: where it stands and, for a type folder, its game type.
struct FixedFolder {
    int code;
    int parent;  // 0 at the root
    std::string_view caption;
    int type = 0;
};

// In display order within each parent.
constexpr std::array kFixedFolders = {
    FixedFolder{kFavourites, 0, "Favorite games"},
    FixedFolder{kFoldersList, 0, "Folders list"},
    FixedFolder{kAllGames, 0, "All games (alphabetically)"},
    FixedFolder{kSelectedGames, kFoldersList, "Selected games"},
    FixedFolder{kCustomizedGames, kFoldersList, "Customized games"},
    FixedFolder{kGameType, kFoldersList, "Game Type"},
    FixedFolder{kGameGroups, kFoldersList, "Game Groups"},
    FixedFolder{kOtherGroups, kFoldersList, "Others Groups"},
    FixedFolder{kNewGames, kFoldersList, "New games"},
    FixedFolder{-202080, kGameType, "Adding games type", 15},
    FixedFolder{-202005, kGameType, "Baker's Dozen type", 12},
    FixedFolder{-202100, kGameType, "Beleaguered Castle type", 17},
    FixedFolder{-202010, kGameType, "Canfield type", 2},
    FixedFolder{-202015, kGameType, "Fan games type", 11},
    FixedFolder{-202020, kGameType, "Forty Thieves type", 3},
    FixedFolder{-202025, kGameType, "FreeCell type", 4},
    FixedFolder{-202030, kGameType, "Klondike type", 5},
    FixedFolder{-202090, kGameType, "Memory games type", 16},
    FixedFolder{-202035, kGameType, "Pairing games type", 6},
    FixedFolder{-202070, kGameType, "Puzzle games type", 14},
    FixedFolder{-202110, kGameType, "Queen of Italy type", 18},
    FixedFolder{-202040, kGameType, "Row games type", 13},
    FixedFolder{-202045, kGameType, "Simple games type", 7},
    FixedFolder{-202050, kGameType, "Spider type", 8},
    FixedFolder{-202055, kGameType, "One-Deck games type", 9},
    FixedFolder{-202060, kGameType, "Two-Deck games type", 10},
    FixedFolder{kByGameTime, kGameGroups, "by Game Time"},
    FixedFolder{kByDifficulty, kGameGroups, "by Difficulty Level"},
    FixedFolder{kBySkill, kGameGroups, "by Skill or Chance"},
    FixedFolder{kByChance, kGameGroups, "by Chance of Winning"},
    FixedFolder{-203010, kByGameTime, "Quick"},
    FixedFolder{-203020, kByGameTime, "Medium"},
    FixedFolder{-203030, kByGameTime, "Long"},
    FixedFolder{-204010, kByDifficulty, "Easy"},
    FixedFolder{-204020, kByDifficulty, "Medium"},
    FixedFolder{-204030, kByDifficulty, "Hard"},
    FixedFolder{-205050, kBySkill, "Chance only"},
    FixedFolder{-205040, kBySkill, "Mostly chance"},
    FixedFolder{-205030, kBySkill, "Moderate"},
    FixedFolder{-205020, kBySkill, "Mostly skill"},
    FixedFolder{-205010, kBySkill, "Difficult"},
    FixedFolder{-206010, kByChance, "Very low"},
    FixedFolder{-206020, kByChance, "Low"},
    FixedFolder{-206030, kByChance, "Medium"},
    FixedFolder{-206040, kByChance, "High"},
    FixedFolder{-206050, kByChance, "Very high"},
    FixedFolder{kOriginalGames, kOtherGroups, "Original games"},
    FixedFolder{kChildrenGames, kOtherGroups, "Games for Children"},
};

// The group rules read for the group folders, in this order.
constexpr std::array kGroupRules = {rule::kGameLength, rule::kDifficulty, rule::kSkill,
                                    rule::kChanceOfWinning};

const FixedFolder* FindFolder(int code) {
    const auto it = std::find_if(kFixedFolders.begin(), kFixedFolders.end(),
                                 [code](const FixedFolder& f) { return f.code == code; });
    return it == kFixedFolders.end() ? nullptr : &*it;
}

TreeEntry FolderEntry(const FixedFolder& folder) {
    return {.code = folder.code,
            .caption = std::string(folder.caption),
            .type = folder.type,
            .folder = true};
}

// The rule and the value a group folder selects its games by; none for
// other codes. The last two digits of the code number the entry.
std::optional<std::pair<int, int>> GroupSelection(int code) {
    const FixedFolder* folder = FindFolder(code);
    if (!folder) return std::nullopt;
    const int entry = (-code % 100) / 10;
    switch (folder->parent) {
        case kByGameTime:  // Quick, Medium, Long are stored as 2, 1, 0
            return std::pair{rule::kGameLength, 3 - entry};
        case kByDifficulty:
            return std::pair{rule::kDifficulty, entry - 1};
        case kBySkill:  // Difficult 0 ... Chance only 4
            return std::pair{rule::kSkill, entry - 1};
        case kByChance:  // Very low is stored as 4, Very high as 0
            return std::pair{rule::kChanceOfWinning, 5 - entry};
        default:
            return std::nullopt;
    }
}

}  // namespace

std::vector<SortedGame> SortedGameList(const GameContext& ctx) {
    std::vector<SortedGame> games;
    games.reserve(ctx.game.catalog.size());
    for (const std::string& line : ctx.game.catalog) {
        const auto number = CatalogNumber(line);
        if (!number) continue;
        games.push_back({.name = TrimRight(CatalogName(line)),
                         .type = ParseIntOr(TrimRight(FixedField(line, 0, 3)), 0),
                         .number = *number,
                         .isNew = FixedField(line, 9, 1) == "1"});
    }
    std::stable_sort(games.begin(), games.end(), [](const SortedGame& a, const SortedGame& b) {
        return GameNameLess(a.name, b.name);
    });
    return games;
}

std::vector<TreeEntry> RootFolders() {
    std::vector<TreeEntry> roots;
    for (const FixedFolder& folder : kFixedFolders)
        if (folder.parent == 0) roots.push_back(FolderEntry(folder));
    return roots;
}

std::vector<int> FolderPath(int code) {
    std::vector<int> path;
    for (const FixedFolder* folder = FindFolder(code); folder;
         folder = folder->parent == 0 ? nullptr : FindFolder(folder->parent))
        path.insert(path.begin(), folder->code);
    return path;
}

std::string FolderCaption(int code) {
    const FixedFolder* folder = FindFolder(code);
    return folder ? std::string(folder->caption) : std::string();
}

GameTree::GameTree(const GameContext& ctx) : ctx_(ctx), sorted_(SortedGameList(ctx)) {}

std::vector<TreeEntry> GameTree::Children(int folderCode) {
    std::vector<TreeEntry> children;
    for (const FixedFolder& folder : kFixedFolders)
        if (folder.parent == folderCode) children.push_back(FolderEntry(folder));
    if (!children.empty()) return children;

    switch (folderCode) {
        case kFavourites:
            return FavouriteGames();
        case kCustomizedGames:
            return CustomizedGames();
        case kAllGames:
            return GameEntries(sorted_);
        case kSelectedGames:
            return SectionGames("[SectS]");
        case kOriginalGames:
            return SectionGames("[SectO]");
        case kChildrenGames:
            return SectionGames("[SectK]");
        case kNewGames: {
            std::vector<SortedGame> fresh;
            std::copy_if(sorted_.begin(), sorted_.end(), std::back_inserter(fresh),
                         [](const SortedGame& g) { return g.isNew; });
            return GameEntries(fresh);
        }
        default:
            break;
    }
    if (const auto group = GroupSelection(folderCode))
        return GroupGames(group->first, group->second);
    if (const FixedFolder* folder = FindFolder(folderCode); folder && folder->type != 0) {
        std::vector<SortedGame> ofType;
        std::copy_if(sorted_.begin(), sorted_.end(), std::back_inserter(ofType),
                     [folder](const SortedGame& g) { return g.type == folder->type; });
        return GameEntries(ofType);
    }
    return {};
}

std::vector<TreeEntry> GameTree::GameEntries(const std::vector<SortedGame>& games) const {
    std::vector<TreeEntry> entries;
    entries.reserve(games.size());
    for (const SortedGame& game : games)
        entries.push_back({.code = game.number, .caption = game.name, .type = game.type});
    return entries;
}

std::vector<TreeEntry> GameTree::SectionGames(std::string_view header) const {
    const auto content = ReadGamesFile(ctx_.ui, GamesFilePath(ctx_.state));
    if (!content) return {};
    const auto lines = SectionLines(*content, header);
    if (!lines) return {};
    std::vector<SortedGame> listed;
    for (std::string_view line : *lines) {
        const auto number = ParseInt(Trim(UnscrambleText(line)));
        if (!number) continue;
        const auto it = std::find_if(sorted_.begin(), sorted_.end(),
                                     [&](const SortedGame& g) { return g.number == *number; });
        if (it != sorted_.end()) listed.push_back(*it);
    }
    std::stable_sort(listed.begin(), listed.end(), [](const SortedGame& a, const SortedGame& b) {
        return GameNameLess(a.name, b.name);
    });
    return GameEntries(listed);
}

std::vector<TreeEntry> GameTree::GroupGames(int rule, int value) {
    const auto position = static_cast<std::size_t>(
        std::find(kGroupRules.begin(), kGroupRules.end(), rule) - kGroupRules.begin());
    std::vector<SortedGame> matching;
    for (const SortedGame& game : sorted_) {
        auto [it, fresh] = groupRules_.try_emplace(game.number);
        if (fresh)
            it->second = ReadGameRuleValues(
                ctx_, game.number, std::vector<int>(kGroupRules.begin(), kGroupRules.end()));
        if (position < it->second.size() && it->second[position] == value) matching.push_back(game);
    }
    return GameEntries(matching);
}

std::vector<TreeEntry> GameTree::FavouriteGames() const {
    std::vector<TreeEntry> entries;
    for (const std::string& name : KnownFavouriteGames(ctx_)) {
        const int number = GameNumberByName(ctx_, name);
        entries.push_back({.code = number, .caption = name, .type = GameType(ctx_, number)});
    }
    if (entries.empty())
        entries.push_back(
            {.code = kDoubleClickToCustomize, .caption = "(Double click to customize)"});
    return entries;
}

std::vector<TreeEntry> GameTree::CustomizedGames() const {
    std::vector<TreeEntry> entries;
    for (const CustomGameRecord& record : ListCustomGames(ctx_.state)) {
        if (!record.numberValid) continue;
        entries.push_back(
            {.code = record.number, .caption = record.name, .type = kCustomGameTreeType});
    }
    if (entries.empty())
        entries.push_back({.code = kHowToCustomize, .caption = "(How to customize a game)"});
    return entries;
}

}  // namespace vis
