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

void PlayHooks::PressInSelectionGame(GameContext&, std::string_view, CardNumber, bool) {}
void PlayHooks::SelectOnTableau(GameContext&, std::string_view, CardNumber) {}
void PlayHooks::PressInMemoryGame(GameContext&, CardNumber, int, int) {}
bool PlayHooks::SendToFirstGap(GameContext&, CardNumber) {
    return false;
}
bool PlayHooks::DropOnCardPlace(GameContext&, CardNumber, int, int) {
    return false;
}
bool PlayHooks::DropInCardRow(GameContext&, CardNumber, CardNumber) {
    return false;
}
void PlayHooks::ShowDropCounter(GameContext&) {}

}  // namespace vis
