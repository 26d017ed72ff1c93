#include "engine/play_hooks.h"

namespace vis {

bool DefaultPlayHooks::IsAutoplayOn(const GameContext&) {
    return false;
}
bool DefaultPlayHooks::FillGaps(GameContext&) {
    return false;
}
void DefaultPlayHooks::ScorePokerGrid(GameContext&, CardNumber) {}
void DefaultPlayHooks::HandOnJoker(GameContext&, int, CardNumber) {}
bool DefaultPlayHooks::RemoveSelection(GameContext&) {
    return false;
}
bool DefaultPlayHooks::RefillFromStock(GameContext&) {
    return false;
}
bool DefaultPlayHooks::CloseUpAndRefill(GameContext&) {
    return false;
}
void DefaultPlayHooks::PressStockInSelectionGame(GameContext&) {}
void DefaultPlayHooks::SelectCard(GameContext&, CardNumber) {}
void DefaultPlayHooks::FinishMemoryGame(GameContext&) {}

}  // namespace vis
