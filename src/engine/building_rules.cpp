#include "engine/building_rules.h"

#include "engine/foundation_tests.h"
#include "engine/rank_relations.h"
#include "engine/table_queries.h"
#include "model/families.h"
#include "model/rule_index.h"

namespace vis {

namespace {

// With restriction 3 the waste card goes to the pile after the largest one.
int NextPileInTurn(const GameContext& ctx) {
    const int piles = UsedTableauPiles(ctx);
    if (piles == 0) return 0;
    int most = CardCount(ctx.piles.fila[0]);
    int choice = most > 0 ? 1 : 0;
    for (int k = 1; k < piles; ++k) {
        const int size = CardCount(ctx.piles.fila[static_cast<std::size_t>(k)]);
        if (size >= most) {
            most = size;
            choice = k + 1;
        }
    }
    return choice == piles ? 0 : choice;
}

int FirstEmptyTableau(const GameContext& ctx) {
    for (int k = 0; k < UsedTableauPiles(ctx); ++k)
        if (ctx.piles.fila[static_cast<std::size_t>(k)].empty()) return k;
    return -1;
}

bool AnyFoundationStarted(const GameContext& ctx) {
    for (int k = 0; k < UsedFoundations(ctx); ++k)
        if (!ctx.piles.dest[static_cast<std::size_t>(k)].empty()) return true;
    return false;
}

// Every started foundation has a bottom card of this rank.
bool MatchesStartedBases(const GameContext& ctx, int rank) {
    for (int k = 0; k < UsedFoundations(ctx); ++k) {
        const std::string& pile = ctx.piles.dest[static_cast<std::size_t>(k)];
        if (!pile.empty() && RankOf(BottomCard(pile)) != rank) return false;
    }
    return true;
}

bool AnyReserveHoldsCards(const GameContext& ctx) {
    for (int k = 0; k < UsedReserves(ctx); ++k)
        if (!ctx.piles.appogg[static_cast<std::size_t>(k)].empty()) return true;
    return false;
}

bool OpensBalancedBase(const BuildSituation& s, int rank) {
    return s.CardRank() == rank && PassesBalancedBase(s.Context(), s.Card(), s.Query().emptyRule);
}

bool SuitFilterPasses(const BuildSituation& s, SuitFilter filter) {
    switch (filter) {
        case SuitFilter::kAny:
            return true;
        case SuitFilter::kSameSuit:
            return SameSuit(s.Card(), s.Top());
        case SuitFilter::kSameColour:
            return SameColour(s.Card(), s.Top());
        case SuitFilter::kOtherColour:
            return !SameColour(s.Card(), s.Top());
        case SuitFilter::kNothing:
            return false;
    }
    return false;
}

int TableauWrapValue(const BuildSituation& s) {
    return s.Rule(rule::kTableauWrap + s.Index());
}

bool UpAllowed(const BuildSituation& s) {
    const int top = s.TopRank();
    const int card = s.CardRank();
    const int base = s.Query().baseRank;
    if (s.ToFoundation()) {
        // A foundation based on the Ace ends at the King.
        if (top == kKing) return card == kAce && base != kAce;
        return IsOneUp(top, card);
    }
    if (TableauWrapValue(s) == 2) return TurnsAtEnd(top, card) || IsOneUp(top, card);
    // Nothing is built on the base rank of the foundations unless the pile wraps.
    if (top == base && !s.Query().wraps) return false;
    if (top == kKing) return card == kAce;
    return IsOneUp(top, card);
}

bool DownAllowed(const BuildSituation& s) {
    const int top = s.TopRank();
    const int card = s.CardRank();
    const int base = s.Query().baseRank;
    if (s.ToFoundation()) {
        if (top == kAce) return card == kKing && base != kKing;
        return IsOneDown(top, card);
    }
    if (TableauWrapValue(s) == 2) return TurnsAtEnd(top, card) || IsOneDown(top, card);
    const bool aceBase = empty_pile::IsAceBaseCode(base);
    if (!s.Query().wraps && (top == base || (top == kAce && aceBase))) return false;
    if (top == kAce) return card == kKing;
    return IsOneDown(top, card);
}

}  // namespace

std::optional<bool> StockWasteRestriction(const BuildSituation& s) {
    const int restriction = s.Rule(rule::kStockWasteRestriction);
    const bool wasteOnly = restriction == 2 || restriction == 3;
    if ((restriction == 1 && s.ToFoundation()) || wasteOnly) {
        if (s.StockCount() + s.WasteCount() > 0 && s.FromTableau()) return false;
    }
    if (!wasteOnly || s.ToFoundation() || s.WasteCount() == 0) return std::nullopt;
    // Only the waste card moves, to one pile chosen for it, whatever the ranks.
    if (s.Card() != s.WasteCard()) return false;
    const int pile = restriction == 2 ? (s.Rule(rule::kWasteCards) - s.WasteCount()) % 12
                                      : NextPileInTurn(s.Context());
    return s.Index() == pile;
}

bool GenericRule(const BuildSituation& s, SuitFilter filter) {
    if (s.TargetEmpty()) return EmptyPileAccepts(s);
    return SuitFilterPasses(s, filter) && DirectionAllows(s);
}

bool DirectionAllows(const BuildSituation& s) {
    switch (s.Query().direction) {
        case 0:
            return DownAllowed(s);
        case 1:
            return UpAllowed(s);
        case 2:
            return UpAllowed(s) || DownAllowed(s);
        default:
            return false;
    }
}

bool EmptyPileAccepts(const BuildSituation& s) {
    const GameContext& ctx = s.Context();
    const int rule = s.Query().emptyRule;
    if (rule >= kAce && rule <= kKing) return s.CardRank() == rule || s.Query().baseRank == -1;
    switch (rule) {
        case empty_pile::kAnyCard:
            return true;
        case empty_pile::kBalancedAce:
        case empty_pile::kBalancedAceToo:
            return OpensBalancedBase(s, kAce);
        case empty_pile::kBalancedKing:
            return OpensBalancedBase(s, kKing);
        case empty_pile::kBalancedTwo:
            return OpensBalancedBase(s, kTwo);
        case empty_pile::kSingleCardOnly:
            return s.SingleCardMove();
        case empty_pile::kFromStockOrWaste:
            return s.FromStockOrWaste();
        case empty_pile::kNotFromTableau:
            return !s.FromTableau();
        case empty_pile::kMatchesStartedBases:
            return MatchesStartedBases(ctx, s.CardRank());
        case empty_pile::kMatchesStartedBasesOrReserve:
            return AnyFoundationStarted(ctx) ? MatchesStartedBases(ctx, s.CardRank())
                                             : s.FromReserve();
        case empty_pile::kReserveThenWaste:
            if (s.FromTableau()) return false;
            return AnyReserveHoldsCards(ctx) ? s.FromReserve() : s.Card() == s.WasteCard();
        default:
            return false;  // 0 none, 82 and 83 closed, and unknown rules
    }
}

bool WasteRowAccepts(const BuildSituation& s, int rank) {
    if (s.FromTableau()) return false;
    const int i = s.Index();
    if (s.CardRank() == rank) return s.TableauIsEmpty(i) && FirstEmptyTableau(s.Context()) == i;
    if (!s.TableauHoldsCards(i)) return false;
    if (i == 0) return s.TableauIsEmpty(1);
    return s.TableauHoldsCards(i - 1) && (i == 7 || s.TableauIsEmpty(i + 1));
}

}  // namespace vis
