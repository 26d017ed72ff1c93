// What carrying out a move needs from play features that live elsewhere:
// the autoplay switch and its gap filling, the pairing, poker and joker
// games, and the memory game. Passed by reference to the move executor, so
// each can be replaced in tests.
#pragma once

#include <string_view>

#include "model/cards.h"
#include "model/game_context.h"

namespace vis {

class PlayHooks {
public:
    virtual ~PlayHooks() = default;

    // Whether the Autoplay entry is checked and enabled; with autoplay on,
    // autoplay turns exposed cards face up instead of the executor.
    virtual bool IsAutoplayOn(const GameContext& ctx) = 0;
    // Fills empty tableau piles by the game's gap-filling rule, each fill
    // merged into the undo step of the move that caused it; true when an
    // empty pile was found.
    virtual bool FillGaps(GameContext& ctx) = 0;

    // The poker-grid score after `placed` went into the grid.
    virtual void ScorePokerGrid(GameContext& ctx, CardNumber placed) = 0;
    // `card` was just laid on joker-aware foundation `foundation`: when it
    // is the card a joker there stands for, it takes the joker's place and
    // the joker moves on to the top.
    virtual void HandOnJoker(GameContext& ctx, int foundation, CardNumber card) = 0;

    // The selection games' targets; each records its own undo step and
    // returns whether anything moved.
    virtual bool RemoveSelection(GameContext& ctx) = 0;   // "Selezionate_Dest"
    virtual bool RefillFromStock(GameContext& ctx) = 0;   // "Selezionate_Fila"
    virtual bool CloseUpAndRefill(GameContext& ctx) = 0;  // "Stock_To_Pile_Monte_Carlo"
    // A press on the stock of a selection game.
    virtual void PressStockInSelectionGame(GameContext& ctx) = 0;
    // Adds `card` to the selection of a selection game, with its mark.
    virtual void SelectCard(GameContext& ctx, CardNumber card) = 0;

    // The memory game's end once its first ten tableau piles all hold
    // cards: foundation cards face up again, pairs counted and marked,
    // score, end of game.
    virtual void FinishMemoryGame(GameContext& ctx) = 0;

    // Presses on the table that the pairing, memory and gap games handle
    // themselves; the defaults do nothing. `key` is the pile key under the
    // pointer (empty when none), `card` the card there (0 when none).
    // A press in a game with a selection family.
    virtual void PressInSelectionGame(GameContext& ctx, std::string_view key, CardNumber card,
                                      bool rightButton);
    // A press that selects cards on the tableau (the pairing families).
    virtual void SelectOnTableau(GameContext& ctx, std::string_view key, CardNumber card);
    // A left press on tableau pile `tableau` of a memory game.
    virtual void PressInMemoryGame(GameContext& ctx, CardNumber card, int tableau, int slot);
    // A right press in a gap game: `card` goes to the first gap that takes
    // it; true when it moved.
    virtual bool SendToFirstGap(GameContext& ctx, CardNumber card);
    // A drop onto one card place of a tableau whose every card is its own
    // target; true when it moved.
    virtual bool DropOnCardPlace(GameContext& ctx, CardNumber card, int tableau, int slot);
    // A drop in the game whose cards lie in one row, onto `target`; true
    // when it moved.
    virtual bool DropInCardRow(GameContext& ctx, CardNumber card, CardNumber target);
    // Refreshes the counter label of the games that count drops.
    virtual void ShowDropCounter(GameContext& ctx);
};

// Harmless stand-ins: autoplay off, no gap filling, and the special games
// doing nothing.
class DefaultPlayHooks : public PlayHooks {
public:
    bool IsAutoplayOn(const GameContext& ctx) override;
    bool FillGaps(GameContext& ctx) override;
    void ScorePokerGrid(GameContext& ctx, CardNumber placed) override;
    void HandOnJoker(GameContext& ctx, int foundation, CardNumber card) override;
    bool RemoveSelection(GameContext& ctx) override;
    bool RefillFromStock(GameContext& ctx) override;
    bool CloseUpAndRefill(GameContext& ctx) override;
    void PressStockInSelectionGame(GameContext& ctx) override;
    void SelectCard(GameContext& ctx, CardNumber card) override;
    void FinishMemoryGame(GameContext& ctx) override;
};

}  // namespace vis
