// Game definitions: the readable text from which GAMES.DAT is compiled.
// A definition names its game, may start from another game or a template
// ("from") and sets catalog fields and rules by name; compiling resolves the
// bases and turns every game into its catalog entry and its column of rule
// values.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "model/rule_index.h"

namespace vis {

// One "Key = value" line of a definition, as written.
struct DefinitionSetting {
    std::string key;
    std::string value;
    int line = 0;
};

struct GameDefinition {
    std::string name;
    // A template holds settings for games to start from and is no game of
    // its own: it needs no number and is not written.
    bool isTemplate = false;
    std::string base;  // the game it starts from; empty for none
    std::string file;  // where it is written, for messages
    int line = 0;      // of its "game" line
    std::vector<DefinitionSetting> settings;
};

// A refusal, located where the offending text stands.
struct DefinitionError {
    std::string file;
    int line = 0;
    std::string game;  // empty when the text belongs to no game
    std::string rule;  // the rule or field concerned; empty when none
    std::string message;

    // "file:line: game "Name", rule "Key": message"
    std::string Text() const;
};

// The folders of the game selection that list games by section.
enum class GameSection { kSelected, kOriginal, kChildren };

struct CompiledGame {
    int number = 0;
    std::string name;
    int type = 0;             // the family folder of the game selection
    bool wideScreen = false;  // needs a screen at least 650 pixels wide
    bool newGame = false;     // listed under "New games"
    std::vector<GameSection> sections;
    std::array<std::int16_t, rule::kRuleCount> rules{};
};

// Reads the definitions of one file. Lines that cannot be read are
// reported and skipped.
std::vector<GameDefinition> ParseGameDefinitions(std::string_view text, std::string_view fileName,
                                                 std::vector<DefinitionError>& errors);

// Resolves bases and values. The games come back in catalog order (by
// number); any error means the set must not be written.
std::vector<CompiledGame> CompileGames(const std::vector<GameDefinition>& definitions,
                                       std::vector<DefinitionError>& errors);

// Parses and compiles every "*.games" file of a directory.
std::vector<CompiledGame> CompileGameDirectory(const std::filesystem::path& directory,
                                               std::vector<DefinitionError>& errors);

}  // namespace vis
