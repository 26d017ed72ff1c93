// Small positions for the move-rule tests: cards by rank and suit, piles
// laid by key, and a baseline game whose rules each case changes.
#pragma once

#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/cards.h"
#include "model/game_context.h"
#include "model/headless_ui.h"

namespace vis::test {

// Cards of the first deck by rank; `Second` gives the same card of the
// second deck.
constexpr CardNumber H(int rank) {
    return rank;
}
constexpr CardNumber D(int rank) {
    return 13 + rank;
}
constexpr CardNumber C(int rank) {
    return 26 + rank;
}
constexpr CardNumber S(int rank) {
    return 39 + rank;
}
constexpr CardNumber Second(CardNumber card) {
    return card + 52;
}
constexpr CardNumber kJoker = 105;
constexpr CardNumber kJoker2 = 106;

std::string PileText(std::initializer_list<CardNumber> cards);

// One pile by key ("Fila3", "Dest1", "Appogg2", "Mazzo", "Mazzo_Vis") and
// its cards, bottom first.
struct PileSetup {
    std::string_view key;
    std::vector<CardNumber> cards;
};
using Position = std::vector<PileSetup>;

struct RuleValue {
    int index;
    int value;
};
using RuleValues = std::vector<RuleValue>;

// A game context with the baseline rules: eight foundations building up in
// suit from the Ace (at most 13 cards), ten tableau piles building down in
// alternating colours taking any card when empty, four free cells, runs of
// any length. Single-card moves unless told otherwise.
class Table {
public:
    Table();
    Table(const Position& position, const RuleValues& rules);

    GameContext& Ctx() { return *ctx_; }
    void Lay(const Position& position);
    void SetRules(const RuleValues& rules);
    void SetRule(int index, int value);
    void FaceDown(CardNumber card);
    void MoveRun() { ctx_->game.singleCardMove = false; }

private:
    HeadlessUi ui_;
    std::unique_ptr<GameContext> ctx_;
};

// Rule values giving every used foundation (or tableau pile) the same value
// at a per-pile base index.
RuleValues ForFoundations(int base, int value);
RuleValues ForTableau(int base, int value);
RuleValues Joined(std::initializer_list<RuleValues> parts);

// The same value for every foundation or every tableau pile.
RuleValues FoundationCode(int code);
RuleValues FoundationBase(int rank);
RuleValues FoundationDirection(int direction);
RuleValues TableauCode(int code);
RuleValues TableauEmptyRule(int rule);
// The most cards a foundation holds.
RuleValues FoundationMostCards(int cards);

// One verdict of `CanPlayToPile` on a fresh baseline table.
struct PlayCase {
    const char* what;
    Position position;
    CardNumber card;
    std::string_view target;
    bool expected;
    RuleValues rules = {};
    bool run = false;  // the card lifts the run above it
};

// Judges every case, with `common` rules applied before each case's own.
void ExpectVerdicts(const std::vector<PlayCase>& cases, const RuleValues& common = {});

}  // namespace vis::test
