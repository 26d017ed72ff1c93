// The logic of the game number dialog: checking a typed deal number, and
// the rows of its "previous games" and "lost games" tables from the log.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vis {

inline constexpr std::string_view kNumbersOnly = "Numbers only are required.";
inline constexpr std::string_view kSelectCorrectNumber = "Select a correct game number.";
inline constexpr std::size_t kDealNumberDigits = 13;
inline constexpr std::size_t kPreviousGamesShown = 100;

enum class DealNumberCheck {
    kEmpty,      // nothing typed: nothing happens
    kNotDigits,  // "Numbers only are required."
    kZero,       // its value is 0: nothing happens
    kValid,
};

struct CheckedDealNumber {
    DealNumberCheck check = DealNumberCheck::kEmpty;
    std::string padded;  // 13 digits with leading zeros when valid
};

// Checks the text as typed (blanks around it ignored). A number longer than
// 13 digits is refused as not a deal number.
CheckedDealNumber CheckDealNumber(std::string_view text);

// One row of the previous or lost games tables.
struct LoggedDeal {
    std::string deal;  // trimmed
    std::string game;  // trailing blanks removed
    bool won = false;
    std::string date;     // "yyyymmdd" as logged
    std::string time;     // time of day as logged
    std::string player;   // trailing blanks removed
    std::string seconds;  // playing time as logged
    std::string score;    // without blanks
    std::string scoring;  // scoring scheme code as logged
};

// Reads the fields of a log line.
LoggedDeal ParseLoggedDeal(std::string_view line);

// The newest log lines first, at most 100.
std::vector<LoggedDeal> PreviousGames(const std::vector<std::string>& logLines);

// The deals of `game` that were lost and never won, one row each (of a
// deal's lines the first by player, date and time), newest first.
std::vector<LoggedDeal> LostGames(const std::vector<std::string>& logLines, std::string_view game);

}  // namespace vis
