// What the folders of the game selection tree hold. Every node carries a
// code: a game its number (customized games from 8000), a folder a negative
// code. Folders are filled when first opened, so each answer reads the
// files afresh.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/game_context.h"

namespace vis {

namespace tree_code {
inline constexpr int kDoubleClickToCustomize = -2;
inline constexpr int kHowToCustomize = -3;
inline constexpr int kFavourites = -10;
inline constexpr int kFoldersList = -20;
inline constexpr int kAllGames = -30;
inline constexpr int kGameGroups = -1;
inline constexpr int kSelectedGames = -2010;
inline constexpr int kGameType = -2020;
inline constexpr int kByGameTime = -2030;
inline constexpr int kByDifficulty = -2040;
inline constexpr int kBySkill = -2050;
inline constexpr int kByChance = -2060;
inline constexpr int kCustomizedGames = -2070;
inline constexpr int kNewGames = -2080;
inline constexpr int kOtherGroups = -2090;
inline constexpr int kOriginalGames = -209010;
inline constexpr int kChildrenGames = -209020;
}  // namespace tree_code

// The type whose picture a customized game shows in the tree.
inline constexpr int kCustomGameTreeType = 800;

struct TreeEntry {
    int code = 0;
    std::string caption;
    // The game type whose picture the node shows; 0 for folders and notes.
    int type = 0;
    // A folder that is filled when opened (placeholder child until then).
    bool folder = false;
};

// One game of the catalog as the tree lists it.
struct SortedGame {
    std::string name;  // without trailing blanks
    int type = 0;
    int number = 0;
    bool isNew = false;
};

// The catalog sorted by name, as "All games", "New games" and the type
// folders list it.
std::vector<SortedGame> SortedGameList(const GameContext& ctx);

// The folders at the root, in their order.
std::vector<TreeEntry> RootFolders();

// The codes from the root folder down to `code` (inclusive); empty when no
// fixed folder has that code.
std::vector<int> FolderPath(int code);

// The caption of a fixed folder; empty for other codes.
std::string FolderCaption(int code);

class GameTree {
public:
    explicit GameTree(const GameContext& ctx);

    // The children a folder shows once opened: sub-folders, games, or the
    // note of an empty favourites or customized folder.
    std::vector<TreeEntry> Children(int folderCode);

private:
    std::vector<TreeEntry> GameEntries(const std::vector<SortedGame>& games) const;
    std::vector<TreeEntry> SectionGames(std::string_view header) const;
    std::vector<TreeEntry> GroupGames(int rule, int value);
    std::vector<TreeEntry> FavouriteGames() const;
    std::vector<TreeEntry> CustomizedGames() const;

    const GameContext& ctx_;
    std::vector<SortedGame> sorted_;
    // Rules 383-386 of every game, read once for the group folders.
    std::map<int, std::vector<int>> groupRules_;
};

}  // namespace vis
