// A small table built by hand for the move executor's tests: a headless UI,
// hooks that record what the executor asked of them, and helpers to lay
// out piles and take moves back.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "engine/move_execution.h"
#include "engine/move_log.h"
#include "engine/play_hooks.h"
#include "model/headless_ui.h"
#include "model/position_snapshot.h"
#include "model/rule_index.h"

namespace vis::test {

// Default hooks that remember their calls; autoplay can be switched on.
class RecordingHooks : public DefaultPlayHooks {
public:
    bool IsAutoplayOn(const GameContext&) override { return autoplayOn; }
    void HandOnJoker(GameContext&, int foundation, CardNumber card) override {
        calls.push_back("joker " + std::to_string(foundation) + " " + CardText(card));
    }
    void FinishMemoryGame(GameContext&) override { calls.push_back("memory"); }
    bool FillGaps(GameContext&) override {
        calls.push_back("fill gaps");
        return false;
    }
    void SelectCard(GameContext&, CardNumber card) override {
        calls.push_back("select " + CardText(card));
    }
    void PressStockInSelectionGame(GameContext&) override { calls.push_back("selection stock"); }

    bool autoplayOn = false;
    std::vector<std::string> calls;
};

// What a take-back must restore besides the piles.
struct TableState {
    PositionSnapshot snapshot;
    int passNumber;
    int dealCounter;
    bool operator==(const TableState&) const = default;
};

inline void PrintTo(const TableState& state, std::ostream* os) {
    *os << "pass " << state.passNumber << ", deals " << state.dealCounter << ", piles";
    for (std::size_t line = 0; line < state.snapshot.size(); ++line)
        if (!state.snapshot[line].empty()) *os << " [" << line << "] " << state.snapshot[line];
}

class PlayTest : public ::testing::Test {
public:
    PlayTest() {
        ctx.state.Set(field::kScoringScheme, "01");
        ctx.state.Set(field::kSoundsEnabled, "Y");
        for (StateField f :
             {field::kSoundsFoundation, field::kSoundsAutoplay, field::kSoundsTableau,
              field::kSoundsStock, field::kSoundsRedeal, field::kSoundsFaceUp,
              field::kSoundsShuffle, field::kSoundsRedealWithoutAnimation, field::kAutomaticFaceUp,
              field::kCardsAnimate, field::kRedealAnimation})
            ctx.state.Set(f, "Y");
        ctx.rules.Set(rule::kDeckSize, 52);
        ctx.rules.Set(rule::kTableauCount, 7);
        ctx.rules.Set(rule::kFoundationCount, 4);
        ctx.rules.Set(rule::kAutoFaceUpAllowed, 1);
        ctx.rules.Set(rule::kCardsPerPress, 1);
        ctx.rules.Set(rule::kPasses, -1);
        ctx.flags[Flag::kGameInProgress] = true;
        ctx.game.fillCounter = 2;  // past the first move unless a test says otherwise
    }

    // Lays `text` on a pile with every card face up, or face down up to
    // (not including) `firstFaceUp`.
    void Lay(PileRef pile, const std::string& text, int firstFaceUp = 0) {
        ctx.piles.Pile(pile) = text;
        for (int i = 0; i < CardCount(text); ++i)
            ctx.deck.SetCardFace(CardAt(text, i), i >= firstFaceUp ? kFaceUp : kFaceDown);
    }
    std::string& Fila(int i) { return ctx.piles.fila[static_cast<std::size_t>(i)]; }
    std::string& Dest(int i) { return ctx.piles.dest[static_cast<std::size_t>(i)]; }
    std::string& Appogg(int i) { return ctx.piles.appogg[static_cast<std::size_t>(i)]; }
    std::string& Stock() { return ctx.piles.mazzo[kStockIndex]; }
    std::string& Waste() { return ctx.piles.mazzo[kWasteIndex]; }
    std::string& Discard() { return ctx.piles.mazzo[kSecondWasteIndex]; }

    // The move a target word names; false, as the executor's refusal, for a
    // word that names none.
    bool Move(int card, std::string_view target, bool run = false) {
        std::optional<vis::Move> move = ParseMove(card, target);
        if (!move) return false;
        move->run = run;
        return ExecuteMove(ctx, hooks, *move);
    }

    TableState State() const {
        return {TakeSnapshot(ctx), ctx.game.passNumber, ctx.game.dealCounter};
    }
    int Steps() const { return UndoStepCount(ctx); }
    // Takes back `steps` undo steps.
    void Undo(int steps = 1) {
        for (int i = 0; i < steps; ++i)
            ASSERT_TRUE(StepHistory(ctx, HistoryDirection::kUndo, true));
    }
    void Redo(int steps = 1) {
        for (int i = 0; i < steps; ++i)
            ASSERT_TRUE(StepHistory(ctx, HistoryDirection::kRedo, true));
    }

    bool Logged(const std::string& entry) const {
        const auto& log = ui.Log();
        return std::find(log.begin(), log.end(), entry) != log.end();
    }
    int CountLogged(const std::string& prefix) const {
        return static_cast<int>(
            std::count_if(ui.Log().begin(), ui.Log().end(),
                          [&](const std::string& e) { return e.rfind(prefix, 0) == 0; }));
    }

    HeadlessUi ui;
    GameContext ctx{ui};
    RecordingHooks hooks;
};

}  // namespace vis::test
