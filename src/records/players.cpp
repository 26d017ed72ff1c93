#include "records/players.h"

#include <algorithm>

#include "model/config_file.h"
#include "model/preference_keys.h"
#include "model/program_paths.h"
#include "model/text.h"
#include "records/overall_score.h"
#include "records/player_name.h"
#include "records/record_files.h"
#include "store/file_lock.h"
#include "store/section_file.h"

namespace vis {

namespace {

constexpr std::size_t kLogPlayerColumn = 82;    // 1-based, in STAT_LOG.DAT
constexpr std::size_t kScorePlayerColumn = 39;  // 1-based, in STAT_SCR.DAT

bool LessIgnoringCase(const std::string& a, const std::string& b) {
    return ToUpperAscii(a) < ToUpperAscii(b);
}

// The overall score is kept under a section named by the player.
bool RenameOverallScoreSection(GameContext& ctx, const std::string& oldName,
                               const std::string& newName) {
    const auto path = ProgramFile(ctx.state, std::string(kOverallScoreFile));
    if (!std::filesystem::exists(path) || FindSection(path, newName)) return true;
    const std::string oldHeader = "[" + oldName + "]";
    return RewriteLines(ctx.ui, path, [&](std::string& line) {
        if (line != oldHeader) return false;
        line = "[" + newName + "]";
        return true;
    });
}

}  // namespace

std::vector<std::string> ReadPlayers(const std::filesystem::path& configFile) {
    std::vector<std::string> players;
    for (int n = 1; n <= kMaxPlayers; ++n) {
        std::string name = ReadPref(configFile, kUsersSection, UserKey(n), "");
        // Start-up tells the player about a name that cannot be stored.
        if (IsStorablePlayerName(name)) players.push_back(std::move(name));
    }
    SortPlayers(players);
    return players;
}

void SortPlayers(std::vector<std::string>& players) {
    std::stable_sort(players.begin(), players.end(), LessIgnoringCase);
}

void WritePlayers(const std::filesystem::path& configFile, std::vector<std::string> players) {
    SortPlayers(players);
    for (int n = 1; n <= kMaxPlayers; ++n) {
        const auto i = static_cast<std::size_t>(n - 1);
        WritePref(configFile, kUsersSection, UserKey(n), i < players.size() ? players[i] : "");
    }
}

bool RenamePlayerInRecords(GameContext& ctx, std::string oldName, std::string newName) {
    oldName = TrimRight(oldName);
    newName = TrimRight(newName);
    if (oldName == newName) return true;
    BusyPointer busy(ctx.ui);
    const FileLock lock(RecordLockPath(ctx.state));

    bool inVersion = false;  // a player called "Version" must not touch the version line
    const bool stats =
        RewriteLines(ctx.ui, ProgramFile(ctx.state, "DATA\\STAT.DAT"), [&](std::string& line) {
            if (StartsWith(line, "[")) {
                inVersion = line == "[Version]";
                return false;
            }
            if (inVersion) return false;
            // The value never holds "=", a name may: the key ends at the last one.
            const std::size_t eq = line.rfind('=');
            if (eq == std::string::npos || line.compare(0, eq, oldName) != 0 ||
                eq != oldName.size())
                return false;
            line.replace(0, eq, newName);
            return true;
        });
    const std::string oldPadded = PadOrCut(oldName, kPlayerNameLength);
    const std::string newPadded = PadOrCut(newName, kPlayerNameLength);
    const bool log = ReplaceInLines(ctx.ui, ProgramFile(ctx.state, "DATA\\STAT_LOG.DAT"),
                                    static_cast<int>(kLogPlayerColumn), oldPadded, newPadded);
    const bool scores = ReplaceInLines(ctx.ui, ProgramFile(ctx.state, "DATA\\STAT_SCR.DAT"),
                                       static_cast<int>(kScorePlayerColumn), oldPadded, newPadded);
    const bool overall = RenameOverallScoreSection(ctx, oldName, newName);
    return stats && log && scores && overall;
}

std::string PlayerNameRefusal(std::string_view typed, const std::vector<std::string>& players,
                              std::string_view renaming) {
    const std::string name = Trim(typed);
    if (name.empty()) return "Please enter at least 1 character.";
    const auto same = [&](const std::string& player) { return TrimRight(player) == name; };
    if (name != TrimRight(renaming) && std::any_of(players.begin(), players.end(), same))
        return "This player name already exists.";
    if (std::string problem = PlayerNameProblem(name); !problem.empty()) return problem;
    if (renaming.empty() && players.size() >= static_cast<std::size_t>(kMaxPlayers))
        return "No more than " + std::to_string(kMaxPlayers) +
               " players can be kept: delete one first.";
    return {};
}

}  // namespace vis
