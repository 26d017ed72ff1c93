#include "records/log_statistics.h"

#include "model/text.h"
#include "records/game_log.h"
#include "records/game_number_choice.h"

namespace vis {

namespace {

bool IsDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// yyyy-mm-dd for a logged yyyymmdd, else the text as it stands.
std::string IsoDate(const std::string& logged) {
    if (logged.size() != 8 || !IsDigits(logged)) return logged;
    return logged.substr(0, 4) + "-" + logged.substr(4, 2) + "-" + logged.substr(6, 2);
}

std::string CsvField(std::string text, bool freeText) {
    // A name such as "=1+2" or "@x" must stay a name in the spreadsheet.
    if (freeText && !text.empty() &&
        std::string_view("=+-@\t\r").find(text[0]) != std::string_view::npos)
        text.insert(0, "'");
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

}  // namespace

std::vector<std::string> SelectLogLines(const std::vector<std::string>& logLines,
                                        std::optional<std::string_view> game,
                                        std::optional<std::string_view> player) {
    std::vector<std::string> selected;
    for (auto line = logLines.rbegin(); line != logLines.rend(); ++line) {
        if (Trim(*line).empty()) continue;
        const LoggedDeal deal = ParseLoggedDeal(*line);
        if (game && deal.game != TrimRight(*game)) continue;
        if (player && deal.player != TrimRight(*player)) continue;
        selected.push_back(*line);
    }
    return selected;
}

std::string GameLogCsv(const std::vector<std::string>& lines) {
    std::string csv =
        "Date,End time,Seconds,Game number,Game,Player,Result,Scoring,Score,Deal number\r\n";
    for (const std::string& line : lines) {
        const LoggedDeal deal = ParseLoggedDeal(line);
        const int game = LogLineGame(line);
        const std::string fields[] = {
            CsvField(IsoDate(deal.date), true),
            CsvField(Trim(deal.time), true),
            CsvField(Trim(deal.seconds), true),
            game < 0 ? std::string() : std::to_string(game),
            CsvField(deal.game, true),
            CsvField(deal.player, true),
            deal.won ? "Won" : "Lost",
            CsvField(Trim(deal.scoring), true),
            // A score is a number, negative ones included.
            CsvField(deal.score, !(deal.score.size() > 1 && deal.score[0] == '-' &&
                                   IsDigits(std::string_view(deal.score).substr(1)))),
            CsvField(deal.deal, true),
        };
        for (std::size_t i = 0; i < std::size(fields); ++i) {
            if (i > 0) csv += ',';
            csv += fields[i];
        }
        csv += "\r\n";
    }
    return csv;
}

}  // namespace vis
