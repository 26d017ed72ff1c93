#include "records/favourite_games.h"

#include <optional>

#include "model/text.h"
#include "records/saved_game_file.h"
#include "store/durable_file.h"
#include "store/section_file.h"

namespace vis {

namespace {

// The key before the first "=", blanks around it removed; none for a line
// without one.
std::optional<std::string> KeyOfLine(std::string_view line) {
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) return std::nullopt;
    return Trim(line.substr(0, eq));
}

std::string ValueOfLine(std::string_view line) {
    return Trim(line.substr(line.find('=') + 1));
}

bool IsFavouritesHeader(std::string_view line) {
    return EqualsIgnoreCase(Trim(line), "[" + std::string(kFavouritesSection) + "]");
}

// Line numbers of the favourite keys, in key order, up to the first missing
// key. Keys match regardless of letter case, as everywhere in the file.
std::vector<std::size_t> FavouriteLines(const std::vector<std::string>& lines) {
    std::size_t first = 0;
    while (first < lines.size() && !IsFavouritesHeader(lines[first])) ++first;
    if (first == lines.size()) return {};
    std::size_t end = first + 1;
    while (end < lines.size() && !StartsWith(TrimLeft(lines[end]), "[")) ++end;

    std::vector<std::size_t> found;
    for (int index = 0;; ++index) {
        const std::string key = FavouriteKey(index);
        std::optional<std::size_t> at;
        for (std::size_t i = first + 1; i < end && !at; ++i) {
            const auto lineKey = KeyOfLine(lines[i]);
            if (lineKey && EqualsIgnoreCase(*lineKey, key)) at = i;
        }
        if (!at) return found;
        found.push_back(*at);
    }
}

std::vector<std::string> FileLines(const std::filesystem::path& file) {
    return SplitFileLines(ReadWholeFile(file));
}

}  // namespace

std::string FavouriteKey(int index) {
    return "Game" + ZeroPad(index, 3);
}

std::vector<std::string> ReadFavouriteGames(const std::filesystem::path& configFile) {
    const std::vector<std::string> lines = FileLines(configFile);
    std::vector<std::string> names;
    for (const std::size_t at : FavouriteLines(lines)) names.push_back(ValueOfLine(lines[at]));
    return names;
}

bool RemoveFavouriteGame(UiPort& ui, const std::filesystem::path& configFile,
                         std::string_view name) {
    const std::string text = ReadWholeFile(configFile);
    std::vector<std::string> lines = SplitFileLines(text);
    const std::vector<std::size_t> keyLines = FavouriteLines(lines);

    const std::string wanted = TrimRight(name);
    std::size_t removed = 0;
    while (removed < keyLines.size() && ValueOfLine(lines[keyLines[removed]]) != wanted) ++removed;
    if (removed == keyLines.size()) return true;

    for (std::size_t k = removed; k + 1 < keyLines.size(); ++k)
        lines[keyLines[k]] =
            FavouriteKey(static_cast<int>(k)) + "=" + ValueOfLine(lines[keyLines[k + 1]]);
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(keyLines.back()));

    const std::string lineEnd = text.find("\r\n") != std::string::npos ? "\r\n" : "\n";
    std::string content;
    for (const std::string& line : lines) content += line + lineEnd;
    return ReportReplace(ui, configFile, ReplaceFileContent(configFile, content));
}

}  // namespace vis
