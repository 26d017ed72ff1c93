// Reading the text of game definition files.
#include <optional>

#include "model/game_definitions.h"
#include "model/text.h"

namespace vis {

namespace {

constexpr std::size_t kMaxNameLength = 50;
constexpr std::string_view kGameKeyword = "game";
constexpr std::string_view kTemplateKeyword = "template";

// The line without its comment; a '#' inside quotes belongs to a name.
std::string_view WithoutComment(std::string_view line) {
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '"') quoted = !quoted;
        if (line[i] == '#' && !quoted) return line.substr(0, i);
    }
    return line;
}

// A double-quoted name at the start of `text`; the rest follows it.
struct QuotedName {
    std::string name;
    std::string_view rest;
};

std::optional<QuotedName> TakeQuotedName(std::string_view text) {
    if (text.empty() || text.front() != '"') return std::nullopt;
    const std::size_t close = text.find('"', 1);
    if (close == std::string_view::npos) return std::nullopt;
    return QuotedName{std::string(text.substr(1, close - 1)), text.substr(close + 1)};
}

// Names reach a fixed-width, one-byte-per-character catalog line and are
// compared without trailing blanks.
std::optional<std::string> NameProblem(std::string_view name) {
    if (name.empty()) return "the name is empty";
    if (name.size() > kMaxNameLength) return "the name is longer than 50 characters";
    if (name.front() == ' ' || name.back() == ' ') return "the name starts or ends with a blank";
    for (const char ch : name)
        if (ch < ' ' || ch > '~') return "the name holds a character other than plain ASCII";
    return std::nullopt;
}

bool IsKeyCharacter(char ch) {
    return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z') || (ch >= '0' && ch <= '9') ||
           ch == '_';
}

class DefinitionReader {
public:
    DefinitionReader(std::string_view fileName, std::vector<DefinitionError>& errors)
        : fileName_(fileName), errors_(errors) {}

    void ReadLine(std::string_view rawLine, int lineNumber) {
        const std::string line = Trim(WithoutComment(rawLine));
        if (line.empty()) return;
        for (const std::string_view keyword : {kGameKeyword, kTemplateKeyword}) {
            if (line.size() > keyword.size() && StartsWith(line, keyword) &&
                (line[keyword.size()] == ' ' || line[keyword.size()] == '\t' ||
                 line[keyword.size()] == '"')) {
                ReadHeader(line.substr(keyword.size()), keyword == kTemplateKeyword, lineNumber);
                return;
            }
        }
        ReadSetting(line, lineNumber);
    }

    std::vector<GameDefinition> Take() { return std::move(games_); }

private:
    void ReadHeader(std::string_view afterKeyword, bool isTemplate, int lineNumber) {
        // Settings that follow a refused header belong to no game and are
        // skipped with it.
        state_ = State::kSkipping;
        const std::string header = TrimLeft(afterKeyword);
        const auto name = TakeQuotedName(header);
        if (!name) {
            Report(lineNumber, "", "expected a quoted name, optionally followed by from \"Base\"");
            return;
        }
        GameDefinition game;
        game.name = name->name;
        game.isTemplate = isTemplate;
        game.file = fileName_;
        game.line = lineNumber;
        if (const auto problem = NameProblem(game.name)) {
            Report(lineNumber, game.name, *problem);
            return;
        }
        const std::string rest = Trim(name->rest);
        if (!rest.empty()) {
            const std::string afterFrom = StartsWith(rest, "from") ? TrimLeft(rest.substr(4)) : "";
            const auto base = TakeQuotedName(afterFrom);
            if (!base || !Trim(base->rest).empty() || base->name.empty()) {
                Report(lineNumber, game.name, "expected from \"Base\" after the name");
                return;
            }
            game.base = base->name;
        }
        games_.push_back(std::move(game));
        state_ = State::kInGame;
    }

    void ReadSetting(std::string_view line, int lineNumber) {
        if (state_ == State::kSkipping) return;
        if (state_ == State::kBeforeFirstGame) {
            Report(lineNumber, "", "expected a game \"Name\" line before the settings");
            return;
        }
        const std::size_t equals = line.find('=');
        GameDefinition& game = games_.back();
        if (equals == std::string_view::npos) {
            Report(lineNumber, game.name, "expected Name = value");
            return;
        }
        const std::string key = Trim(line.substr(0, equals));
        bool keyIsWord = !key.empty();
        for (const char ch : key) keyIsWord = keyIsWord && IsKeyCharacter(ch);
        if (!keyIsWord) {
            Report(lineNumber, game.name, "expected a rule name before '='");
            return;
        }
        game.settings.push_back({key, Trim(line.substr(equals + 1)), lineNumber});
    }

    void Report(int lineNumber, const std::string& game, std::string message) {
        errors_.push_back({fileName_, lineNumber, game, "", std::move(message)});
    }

    std::string fileName_;
    std::vector<DefinitionError>& errors_;
    std::vector<GameDefinition> games_;
    enum class State { kBeforeFirstGame, kInGame, kSkipping } state_ = State::kBeforeFirstGame;
};

}  // namespace

std::string DefinitionError::Text() const {
    std::string text = file;
    if (line > 0) text += ":" + std::to_string(line);
    text += ":";
    if (!game.empty()) text += " game \"" + game + "\"";
    if (!rule.empty()) text += std::string(game.empty() ? "" : ",") + " rule \"" + rule + "\"";
    return text + ": " + message;
}

std::vector<GameDefinition> ParseGameDefinitions(std::string_view text, std::string_view fileName,
                                                 std::vector<DefinitionError>& errors) {
    DefinitionReader reader(fileName, errors);
    int lineNumber = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        reader.ReadLine(line, ++lineNumber);
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return reader.Take();
}

}  // namespace vis
