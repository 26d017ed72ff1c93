// The two game families whose deal goes on after the cards are laid out.
#pragma once

#include "model/deal_cards_list.h"

namespace vis {

struct GameContext;

// Family::kAcesHome: every ace of reserve 0 becomes the only card of foundation 1,
// 2, 3 ... in turn; then the waste sends its aces to foundation 0 and one
// card to reserve 0 for each ace the reserve gave up.
void SendAcesHome(GameContext& ctx);

// Family::kQueenAndKing: the king of hearts goes to the bottom of the stock, the queen
// face up onto tableau pile 0.
void SetOutQueenAndKingOfHearts(GameContext& ctx, DealList& list);

}  // namespace vis
