// The headless player's commands: one text line each, carried out through
// the same pointer events and menu routines as the player's mouse. The
// command-line driver, the random-play tests and the benchmarks share them.
//
//   move CARD TARGET   lift CARD (the bottom card of a run) and drop it on
//                      TARGET: a pile key (Fila3, Dest1, Appogg2, Mazzo_Vis,
//                      Mazzo_Waste) or the bare word Dest, Fila or Appogg,
//                      the first such pile that takes it
//   stock              a press and release on the stock
//   flip CARD          a press that turns a face-down card up
//   undo, redo         the Undo and Redo commands
//   autoplay           one autoplay pass
//   snapshot           print the position (the caller prints it)
//
// Blank lines and lines starting with '#' are no commands. The grammar is
// what scripts and outside checks rely on: keep it stable.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/play_hooks.h"
#include "model/game_context.h"

namespace vis {

enum class PlayVerb { kMove, kStock, kFlip, kUndo, kRedo, kAutoplay, kSnapshot };

struct PlayCommand {
    PlayVerb verb = PlayVerb::kSnapshot;
    CardNumber card = 0;
    std::string target;
    bool operator==(const PlayCommand&) const = default;
};

enum class LineKind { kNoCommand, kCommand, kMalformed };

struct ParsedLine {
    LineKind kind = LineKind::kNoCommand;
    PlayCommand command;
};

// Reads one line; words are separated by blanks, verbs are lower case, pile
// keys are written as the game writes them.
ParsedLine ParsePlayLine(std::string_view line);

// The line that reads back as `command`.
std::string PlayCommandText(const PlayCommand& command);

// Carries out `command` in the game in progress; true when it was carried
// out ("ok"), false when refused. A refused command changes no pile and no
// step of the history. `snapshot` is always carried out and changes nothing.
bool CarryOutCommand(GameContext& ctx, PlayHooks& hooks, const PlayCommand& command);

// The moves, flips, stock presses, undo and redo that the position allows
// in the game in progress, for random play: each is carried out when given
// to `CarryOutCommand`. Moves name their target pile by its key. The games
// whose presses select or move cards by themselves list no moves. Judged
// from the table and the rules, pressing nothing and changing nothing.
std::vector<PlayCommand> LegalCommands(const GameContext& ctx);

}  // namespace vis
