#include "records/game_number_choice.h"

#include <algorithm>
#include <map>
#include <set>
#include <tuple>

#include "model/text.h"

namespace vis {

namespace {

// 1-based columns of a game log line.
std::string Field(std::string_view line, std::size_t first, std::size_t width) {
    if (line.size() < first) return {};
    return std::string(line.substr(first - 1, width));
}

bool IsDigitsOnly(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Newest first: by date, then time of day.
bool Newer(const LoggedDeal& a, const LoggedDeal& b) {
    return std::tie(a.date, a.time) > std::tie(b.date, b.time);
}

}  // namespace

CheckedDealNumber CheckDealNumber(std::string_view text) {
    const std::string typed = Trim(text);
    if (typed.empty()) return {DealNumberCheck::kEmpty, {}};
    if (!IsDigitsOnly(typed) || typed.size() > kDealNumberDigits)
        return {DealNumberCheck::kNotDigits, {}};
    if (typed.find_first_not_of('0') == std::string::npos) return {DealNumberCheck::kZero, {}};
    return {DealNumberCheck::kValid, std::string(kDealNumberDigits - typed.size(), '0') + typed};
}

LoggedDeal ParseLoggedDeal(std::string_view line) {
    return {.deal = Trim(Field(line, 128, 15)),
            .game = TrimRight(Field(line, 31, 50)),
            .won = Field(line, 113, 4) == "Won ",
            .date = Field(line, 1, 8),
            .time = Field(line, 10, 8),
            .player = TrimRight(Field(line, 82, 30)),
            .seconds = Field(line, 19, 6),
            .score = Trim(Field(line, 121, 6)),
            .scoring = Field(line, 118, 2)};
}

std::vector<LoggedDeal> PreviousGames(const std::vector<std::string>& logLines) {
    std::vector<LoggedDeal> rows;
    for (auto it = logLines.rbegin(); it != logLines.rend() && rows.size() < kPreviousGamesShown;
         ++it)
        if (!Trim(*it).empty()) rows.push_back(ParseLoggedDeal(*it));
    return rows;
}

std::vector<LoggedDeal> LostGames(const std::vector<std::string>& logLines, std::string_view game) {
    const std::string wanted = TrimRight(game);
    std::set<std::string> wonDeals;
    std::map<std::string, LoggedDeal> firstOfDeal;
    for (const std::string& line : logLines) {
        LoggedDeal row = ParseLoggedDeal(line);
        if (row.game != wanted || row.deal.empty()) continue;
        if (row.won) {
            wonDeals.insert(row.deal);
            continue;
        }
        auto [it, fresh] = firstOfDeal.try_emplace(row.deal, row);
        if (!fresh && std::tie(row.player, row.date, row.time) <
                          std::tie(it->second.player, it->second.date, it->second.time))
            it->second = row;
    }
    std::vector<LoggedDeal> rows;
    for (auto& [deal, row] : firstOfDeal)
        if (!wonDeals.contains(deal)) rows.push_back(row);
    std::stable_sort(rows.begin(), rows.end(), Newer);
    return rows;
}

}  // namespace vis
