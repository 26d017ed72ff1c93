// Compiling parsed game definitions: bases resolved, every value checked
// and placed in the game's catalog entry or rule column.
#include <algorithm>
#include <array>
#include <limits>
#include <map>
#include <optional>
#include <set>
#include <span>

#include "model/families.h"
#include "model/game_definitions.h"
#include "model/rule_names.h"
#include "model/text.h"

namespace vis {

namespace {

constexpr int kMaxGameNumber = 999;  // three digits in the catalog line

// Words a value may be written as, per rule or field.
using ValueWord = CodeName;

constexpr ValueWord kTypeWords[] = {
    {"Canfield", 2},      {"FortyThieves", 3}, {"FreeCell", 4},     {"Klondike", 5},
    {"Pairing", 6},       {"SimpleGames", 7},  {"Spider", 8},       {"OneDeck", 9},
    {"TwoDeck", 10},      {"Fan", 11},         {"BakersDozen", 12}, {"Row", 13},
    {"Puzzle", 14},       {"Adding", 15},      {"Memory", 16},      {"BeleagueredCastle", 17},
    {"QueenOfItaly", 18},
};
constexpr int kFirstType = 2;
constexpr int kLastType = 18;

constexpr ValueWord kYesNoWords[] = {{"no", 0}, {"yes", 1}};
constexpr ValueWord kLengthWords[] = {{"long", 0}, {"medium", 1}, {"quick", 2}};
constexpr ValueWord kDifficultyWords[] = {{"easy", 0}, {"medium", 1}, {"hard", 2}};
constexpr ValueWord kSkillWords[] = {{"difficult", 0},
                                     {"mostly-skill", 1},
                                     {"moderate", 2},
                                     {"mostly-chance", 3},
                                     {"chance-only", 4}};
constexpr ValueWord kChanceWords[] = {
    {"very-high", 0}, {"high", 1}, {"medium", 2}, {"low", 3}, {"very-low", 4}};

constexpr auto kFamilyWords = [] {
    std::array<ValueWord, FamilyTable().size()> words{};
    for (std::size_t i = 0; i < words.size(); ++i)
        words[i] = {FamilyTable()[i].name, FamilyCode(FamilyTable()[i].family)};
    return words;
}();

struct SectionWord {
    std::string_view word;
    GameSection section;
};
constexpr SectionWord kSectionWords[] = {{"Selected", GameSection::kSelected},
                                         {"Original", GameSection::kOriginal},
                                         {"Children", GameSection::kChildren}};

// Catalog fields set beside the rules.
constexpr std::string_view kNumberField = "Number";
constexpr std::string_view kTypeField = "Type";
constexpr std::string_view kWideScreenField = "WideScreen";
constexpr std::string_view kNewGameField = "NewGame";
constexpr std::string_view kSectionsField = "Sections";

// A game's number and its place in the selection folders are its own; a
// game started from another takes everything else.
bool IsInherited(std::string_view key) {
    return !EqualsIgnoreCase(key, kNumberField) && !EqualsIgnoreCase(key, kSectionsField);
}

std::span<const ValueWord> WordsForRule(int index) {
    switch (index) {
        case rule::kGameLength:
            return kLengthWords;
        case rule::kDifficulty:
            return kDifficultyWords;
        case rule::kSkill:
            return kSkillWords;
        case rule::kChanceOfWinning:
            return kChanceWords;
        case rule::kFamily:
            return kFamilyWords;
        case rule::kFoundationBase:
        case rule::kTableauEmpty:
            return kEmptyPileNames;
        case rule::kFoundationBuilding:
        case rule::kTableauBuilding:
            return kBuildingNames;
        case rule::kReserveRule:
            return kReserveNames;
        case rule::kTableauStockDeal:
        case rule::kReserveStockDeal:
            return kStockDealNames;
        default:
            return {};
    }
}

std::optional<int> WordValue(std::span<const ValueWord> words, std::string_view text) {
    for (const ValueWord& word : words)
        if (EqualsIgnoreCase(word.name, text)) return word.code;
    return std::nullopt;
}

std::vector<std::string> SplitWords(std::string_view text) {
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
        std::size_t end = i;
        while (end < text.size() && text[end] != ' ' && text[end] != '\t') ++end;
        if (end > i) words.emplace_back(text.substr(i, end - i));
        i = end;
    }
    return words;
}

// A setting in force for a game, with the game that wrote it.
struct EffectiveSetting {
    const DefinitionSetting* setting = nullptr;
    const GameDefinition* writtenBy = nullptr;
};

class GameCompiler {
public:
    GameCompiler(const GameDefinition& game, std::vector<DefinitionError>& errors)
        : game_(game), errors_(errors) {}

    std::optional<CompiledGame> Compile(const std::vector<const GameDefinition*>& chain) {
        CollectSettings(chain);
        compiled_.name = game_.name;
        const std::size_t errorsBefore = errors_.size();

        for (const auto& [key, effective] : settings_) {
            if (IsCatalogField(key)) continue;
            const RuleName* name = FindRuleName(key);
            if (!name) {
                Report(effective, "unknown rule name");
            } else if (name->group == PileGroup::kNone) {
                if (const auto value = ScalarValue(effective, WordsForRule(name->index)))
                    compiled_.rules[static_cast<std::size_t>(name->index)] =
                        static_cast<std::int16_t>(*value);
            }
        }
        // Pile lists are sized by the counts, so they come after the scalars.
        for (const auto& [key, effective] : settings_) {
            const RuleName* name = IsCatalogField(key) ? nullptr : FindRuleName(key);
            if (name && name->group != PileGroup::kNone) CompilePileList(*name, effective);
        }
        CompileCatalogFields();
        if (errors_.size() != errorsBefore) return std::nullopt;
        return compiled_;
    }

private:
    static bool IsCatalogField(std::string_view key) {
        for (const std::string_view field :
             {kNumberField, kTypeField, kWideScreenField, kNewGameField, kSectionsField})
            if (EqualsIgnoreCase(key, field)) return true;
        return false;
    }

    void CollectSettings(const std::vector<const GameDefinition*>& chain) {
        // The chain runs from the game itself back to its first base.
        for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
            const GameDefinition* definition = *it;
            const bool own = definition == &game_;
            std::set<std::string> seen;
            for (const DefinitionSetting& setting : definition->settings) {
                const std::string key = ToUpperAscii(setting.key);
                if (own && !seen.insert(key).second)
                    Report({&setting, definition}, "set twice in the same game");
                if (own || IsInherited(setting.key)) settings_[key] = {&setting, definition};
            }
        }
    }

    const EffectiveSetting* Find(std::string_view field) const {
        const auto it = settings_.find(ToUpperAscii(field));
        return it == settings_.end() ? nullptr : &it->second;
    }

    std::optional<int> ScalarValue(const EffectiveSetting& effective,
                                   std::span<const ValueWord> words = {}) {
        return WordOrNumber(effective, effective.setting->value, words);
    }

    std::optional<int> WordOrNumber(const EffectiveSetting& effective, std::string_view text,
                                    std::span<const ValueWord> words) {
        if (const auto value = WordValue(words, text)) return value;
        return CheckedNumber(effective, text);
    }

    std::optional<int> CheckedNumber(const EffectiveSetting& effective, std::string_view text) {
        const auto value = ParseInt(text);
        if (!value) {
            Report(effective, "\"" + std::string(text) + "\" is not a number");
            return std::nullopt;
        }
        if (*value < std::numeric_limits<std::int16_t>::min() ||
            *value > std::numeric_limits<std::int16_t>::max()) {
            Report(effective, std::to_string(*value) + " is outside the 16-bit range");
            return std::nullopt;
        }
        return *value;
    }

    void CompilePileList(const RuleName& name, const EffectiveSetting& effective) {
        const int countRule = PileGroupCountRule(name.group);
        const int count = compiled_.rules[static_cast<std::size_t>(countRule)];
        const int capacity = PileGroupCapacity(name.group);
        if (count < 0 || count > capacity) return;  // the count itself is refused below
        std::vector<int> values;
        const std::vector<std::string> words = SplitWords(effective.setting->value);
        const std::span<const ValueWord> codeWords = WordsForRule(name.index);
        if (words.size() == 2 && EqualsIgnoreCase(words[0], "all")) {
            const auto value = WordOrNumber(effective, words[1], codeWords);
            if (!value) return;
            values.assign(static_cast<std::size_t>(count), *value);
        } else if (!ExpandList(effective, words, codeWords, values)) {
            return;
        }
        if (static_cast<int>(values.size()) != count) {
            Report(effective, std::to_string(values.size()) + " values given for " +
                                  std::to_string(count) + " " +
                                  std::string(PileGroupWord(name.group)));
            return;
        }
        for (std::size_t i = 0; i < values.size(); ++i)
            compiled_.rules[static_cast<std::size_t>(name.index) + i] =
                static_cast<std::int16_t>(values[i]);
    }

    // Values one by one, "N x V" (or "NxV") for N copies of V.
    bool ExpandList(const EffectiveSetting& effective, const std::vector<std::string>& words,
                    std::span<const ValueWord> codeWords, std::vector<int>& values) {
        for (std::size_t i = 0; i < words.size(); ++i) {
            // A code's name may hold an 'x' without being a repeat.
            if (const auto named = WordValue(codeWords, words[i])) {
                values.push_back(*named);
                continue;
            }
            std::string repeat;
            std::string value;
            const std::size_t x = words[i].find('x');
            if (x != std::string::npos && x > 0 && x + 1 < words[i].size()) {
                repeat = words[i].substr(0, x);
                value = words[i].substr(x + 1);
            } else if (i + 2 < words.size() && words[i + 1] == "x") {
                repeat = words[i];
                value = words[i + 2];
                i += 2;
            } else {
                const auto single = WordOrNumber(effective, words[i], codeWords);
                if (!single) return false;
                values.push_back(*single);
                continue;
            }
            const auto times = ParseInt(repeat);
            if (!times || *times < 1 || *times > 28) {
                Report(effective, "\"" + repeat + " x\" is not a repeat count from 1 to 28");
                return false;
            }
            const auto repeated = WordOrNumber(effective, value, codeWords);
            if (!repeated) return false;
            values.insert(values.end(), static_cast<std::size_t>(*times), *repeated);
        }
        return true;
    }

    void CompileCatalogFields() {
        for (const PileGroup group :
             {PileGroup::kFoundations, PileGroup::kTableau, PileGroup::kReserves}) {
            const int countRule = PileGroupCountRule(group);
            const int count = compiled_.rules[static_cast<std::size_t>(countRule)];
            if (count < 0 || count > PileGroupCapacity(group)) {
                const RuleName* name = RuleNameOfIndex(countRule);
                const auto* effective = Find(name->name);
                Report(effective ? *effective : EffectiveSetting{nullptr, &game_},
                       std::to_string(count) + " " + std::string(PileGroupWord(group)) +
                           ", at most " + std::to_string(PileGroupCapacity(group)),
                       std::string(name->name));
            }
        }

        if (const auto* number = Find(kNumberField)) {
            const auto value = ScalarValue(*number);
            if (value && (*value < 1 || *value > kMaxGameNumber))
                Report(*number, "game numbers run from 1 to 999");
            else if (value)
                compiled_.number = *value;
        } else {
            Report({nullptr, &game_}, "every game needs a number", std::string(kNumberField));
        }

        if (const auto* type = Find(kTypeField)) {
            const auto value = ScalarValue(*type, kTypeWords);
            if (value && (*value < kFirstType || *value > kLastType))
                Report(*type, "game types run from 2 to 18");
            else if (value)
                compiled_.type = *value;
        } else {
            Report({nullptr, &game_}, "every game needs a type", std::string(kTypeField));
        }

        compiled_.wideScreen = Flag(kWideScreenField);
        compiled_.newGame = Flag(kNewGameField);

        if (const auto* sections = Find(kSectionsField)) {
            for (const std::string& word : SplitWords(sections->setting->value)) {
                const auto* known = std::find_if(
                    std::begin(kSectionWords), std::end(kSectionWords),
                    [&](const SectionWord& s) { return EqualsIgnoreCase(s.word, word); });
                if (known == std::end(kSectionWords))
                    Report(*sections, "\"" + word + "\" is not Selected, Original or Children");
                else if (std::find(compiled_.sections.begin(), compiled_.sections.end(),
                                   known->section) == compiled_.sections.end())
                    compiled_.sections.push_back(known->section);
            }
        }
    }

    bool Flag(std::string_view field) {
        const auto* setting = Find(field);
        if (!setting) return false;
        const auto value = ScalarValue(*setting, kYesNoWords);
        if (value && *value != 0 && *value != 1) Report(*setting, "expected yes or no");
        return value == 1;
    }

    // Reports at the line that set the value; a value that came from a base
    // says so, since the base itself may be fine.
    void Report(const EffectiveSetting& effective, std::string message, std::string rule = {}) {
        const GameDefinition* writer = effective.writtenBy ? effective.writtenBy : &game_;
        if (effective.setting && rule.empty()) rule = effective.setting->key;
        if (writer != &game_) message += " (set by \"" + writer->name + "\")";
        errors_.push_back({writer->file, effective.setting ? effective.setting->line : writer->line,
                           game_.name, std::move(rule), std::move(message)});
    }

    const GameDefinition& game_;
    std::vector<DefinitionError>& errors_;
    std::map<std::string, EffectiveSetting> settings_;  // by upper-case key
    CompiledGame compiled_;
};

// The game and its bases, the game first; empty after a reported error.
std::vector<const GameDefinition*> BaseChain(
    const GameDefinition& game, const std::map<std::string, const GameDefinition*>& byName,
    std::vector<DefinitionError>& errors) {
    std::vector<const GameDefinition*> chain{&game};
    while (!chain.back()->base.empty()) {
        const GameDefinition& current = *chain.back();
        const auto it = byName.find(ToUpperAscii(current.base));
        if (it == byName.end()) {
            errors.push_back({current.file, current.line, game.name, "from",
                              "there is no game \"" + current.base + "\" to start from"});
            return {};
        }
        if (std::find(chain.begin(), chain.end(), it->second) != chain.end()) {
            std::string path;
            for (const GameDefinition* link : chain) path += "\"" + link->name + "\" -> ";
            errors.push_back({game.file, game.line, game.name, "from",
                              "the bases loop: " + path + "\"" + it->second->name + "\""});
            return {};
        }
        chain.push_back(it->second);
    }
    return chain;
}

}  // namespace

std::vector<CompiledGame> CompileGames(const std::vector<GameDefinition>& definitions,
                                       std::vector<DefinitionError>& errors) {
    std::map<std::string, const GameDefinition*> byName;
    for (const GameDefinition& game : definitions) {
        const auto [it, added] = byName.emplace(ToUpperAscii(game.name), &game);
        if (!added)
            errors.push_back({game.file, game.line, game.name, "",
                              "the name is already used at " + it->second->file + ":" +
                                  std::to_string(it->second->line)});
    }

    std::vector<CompiledGame> games;
    std::map<int, const GameDefinition*> byNumber;
    for (const GameDefinition& game : definitions) {
        if (byName.at(ToUpperAscii(game.name)) != &game) continue;  // a duplicate, reported
        const auto chain = BaseChain(game, byName, errors);
        if (chain.empty() || game.isTemplate) continue;
        auto compiled = GameCompiler(game, errors).Compile(chain);
        if (!compiled) continue;
        const auto [it, added] = byNumber.emplace(compiled->number, &game);
        if (!added) {
            errors.push_back({game.file, game.line, game.name, std::string(kNumberField),
                              "number " + std::to_string(compiled->number) +
                                  " is already used by \"" + it->second->name + "\""});
            continue;
        }
        games.push_back(std::move(*compiled));
    }
    std::sort(games.begin(), games.end(),
              [](const CompiledGame& a, const CompiledGame& b) { return a.number < b.number; });
    return games;
}

}  // namespace vis
