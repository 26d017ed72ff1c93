// One building question, and read access to the table around it.
#pragma once

#include <string_view>

#include "engine/card_location.h"
#include "model/cards.h"
#include "model/game_context.h"

namespace vis {

// The inputs of `CanBuildOn`, in their customary order.
struct BuildQuery {
    CardNumber top = -1;  // the target's top card; -1 when the target is empty
    CardNumber card = 0;  // the card placed, or a run's bottom card
    int emptyRule = 0;    // what an empty target accepts
    int baseRank = -1;    // the foundation's base, foundation 0's base, -1 for a reserve
    int direction = 0;    // 0 down, 1 up, 2 either
    int buildingCode = 0;
    bool toFoundation = false;
    bool wraps = false;       // the pile's wrap value is above 0
    int index = 0;            // the target's 0-based index in its list
    bool fromWrapper = true;  // false when a run check or family code asks
    bool run = false;         // the card is lifted with the cards above it
};

// A query with everything the checks ask about it. The place the card comes
// from is looked up once, on first use.
class BuildSituation {
public:
    BuildSituation(const GameContext& ctx, const BuildQuery& query) : ctx_(ctx), query_(query) {}

    const GameContext& Context() const { return ctx_; }
    const BuildQuery& Query() const { return query_; }
    int Rule(int index) const { return ctx_.rules[index]; }

    CardNumber Top() const { return query_.top; }
    CardNumber Card() const { return query_.card; }
    int TopRank() const { return RankOf(query_.top); }
    int CardRank() const { return RankOf(query_.card); }
    int Index() const { return query_.index; }
    bool TargetEmpty() const { return query_.top < 1; }
    bool ToFoundation() const { return query_.toFoundation; }

    int Source() const;
    bool FromTableau() const { return IsTableauLocation(Source()); }
    bool FromReserve() const { return IsReserveLocation(Source()); }
    bool FromStockOrWaste() const { return IsStockOrWasteLocation(Source()); }

    // Piles by 0-based index; beyond the stored lists a pile is missing: it
    // is then neither empty nor holding cards, so every check refuses.
    bool TableauIsEmpty(int index) const;
    bool TableauHoldsCards(int index) const;
    std::string_view Tableau(int index) const;
    bool FoundationHoldsCards(int index) const;
    std::string_view Foundation(int index) const;
    bool ReserveIsEmpty(int index) const;
    bool ReserveHoldsCards(int index) const;
    // The target itself: foundation i or tableau pile i.
    std::string_view TargetPile() const;

    int StockCount() const;
    int WasteCount() const;
    // The waste's top card; -1 when the waste is empty.
    CardNumber WasteCard() const;
    // The lifted block is a single card.
    bool SingleCardMove() const { return !query_.run; }

private:
    const GameContext& ctx_;
    const BuildQuery& query_;
    mutable int source_ = kSourceUnknown;
    static constexpr int kSourceUnknown = 1000;
};

// A pile's top card for a building question: -1 when there is no card on top.
CardNumber TopCardOrAbsent(std::string_view pile);

}  // namespace vis
