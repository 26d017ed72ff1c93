#include "engine/building_codes.h"

#include <array>
#include <utility>

#include "engine/building_rules.h"
#include "engine/foundation_tests.h"
#include "engine/grid_moves.h"
#include "engine/joker_foundations.h"
#include "engine/rank_relations.h"
#include "engine/table_queries.h"
#include "model/families.h"
#include "model/rule_index.h"

namespace vis {

namespace {

using Check = bool (*)(const BuildSituation&);

// --- Helpers shared by several codes -------------------------------------

int Top(const BuildSituation& s) {
    return s.TopRank();
}
int Rank(const BuildSituation& s) {
    return s.CardRank();
}
bool SameSuitAsTop(const BuildSituation& s) {
    return SameSuit(s.Card(), s.Top());
}
bool RankIsBase(const BuildSituation& s) {
    return Rank(s) == s.Query().baseRank;
}
bool RankIs(const BuildSituation& s, int rank) {
    return Rank(s) == rank;
}

// Rank of the top card of foundation `index`; -1 when it is empty or missing.
int FoundationTopRank(const BuildSituation& s, int index) {
    const std::string_view pile = s.Foundation(index);
    return pile.empty() ? -1 : RankOf(TopCard(pile));
}

int CardsOnFoundation(const BuildSituation& s) {
    return CardCount(s.Foundation(s.Index()));
}
int CardsOnTableau(const BuildSituation& s) {
    return CardCount(s.Tableau(s.Index()));
}

// The card comes from reserve `index`.
bool FromReserveNumber(const BuildSituation& s, int index) {
    return s.Source() == ReserveLocation(index);
}

// 1-based number of the tableau pile the card comes from; 0 when elsewhere.
int SourceTableauNumber(const BuildSituation& s) {
    return s.FromTableau() ? s.Source() : 0;
}

bool PileHoldsRank(std::string_view pile, int rank) {
    for (int p = 0; p < CardCount(pile); ++p)
        if (RankOf(CardAt(pile, p)) == rank) return true;
    return false;
}

// Unless the target is the first foundation, the one before it is started.
bool PreviousFoundationStarted(const BuildSituation& s) {
    return s.Index() == 0 || s.FoundationHoldsCards(s.Index() - 1);
}

// --- Generic codes ----------------------------------------------------------

bool GenericAnySuit(const BuildSituation& s) {
    return GenericRule(s, SuitFilter::kAny);
}
bool GenericSameSuit(const BuildSituation& s) {
    return GenericRule(s, SuitFilter::kSameSuit);
}
bool GenericSameColour(const BuildSituation& s) {
    return GenericRule(s, SuitFilter::kSameColour);
}
bool GenericAlternatingColours(const BuildSituation& s) {
    return GenericRule(s, SuitFilter::kOtherColour);
}
bool OnlyEmptyByEmptyRule(const BuildSituation& s) {
    return GenericRule(s, SuitFilter::kNothing);
}

// 11: a Queen goes neither on a King nor on a Jack.
bool SameSuitNoQueenOnKingOrJack(const BuildSituation& s) {
    if (!s.TargetEmpty() && Rank(s) == kQueen && (Top(s) == kKing || Top(s) == kJack)) return false;
    return GenericSameSuit(s);
}

// 21: the card must change suit.
bool GenericOtherSuit(const BuildSituation& s) {
    if (!s.TargetEmpty() && SameSuitAsTop(s)) return false;
    return GenericAnySuit(s);
}

// 24: never a Queen on a King or a King on a Queen.
bool SameSuitNoQueenKingPair(const BuildSituation& s) {
    const bool pair =
        (Rank(s) == kQueen && Top(s) == kKing) || (Rank(s) == kKing && Top(s) == kQueen);
    if (!s.TargetEmpty() && pair) return false;
    return GenericSameSuit(s);
}

// 27
bool AlternatingNotFromReserve(const BuildSituation& s) {
    return !s.FromReserve() && GenericAlternatingColours(s);
}

// 63: in the first pass the two halves of the tableau feed their own
// foundations.
bool SameSuitSplitInFirstPass(const BuildSituation& s) {
    if (s.ToFoundation() && s.Context().game.passNumber <= 1) {
        const int from = SourceTableauNumber(s);
        if (from >= 1 && from <= 4 && s.Index() > 3) return false;
        if (from >= 7 && from <= 10 && s.Index() <= 3) return false;
    }
    return GenericSameSuit(s);
}

// 82: the foundations open only once stock and waste are used up.
bool GenericAfterStockAndWaste(const BuildSituation& s) {
    if (s.StockCount() > 0 || s.WasteCount() > 0) return false;
    if (s.TargetEmpty())
        return PassesRowOfFourSuits(s.Context(), s.Card(), s.Index(), false) && GenericAnySuit(s);
    return SameSuitAsTop(s) && GenericAnySuit(s);
}

// --- Where the card comes from ----------------------------------------------

bool Nothing(const BuildSituation&) {
    return false;
}
bool Anything(const BuildSituation&) {
    return true;
}

// 7: from the wrappers only an empty pile, and only with the stock used up.
bool EmptyWhileStockEmpty(const BuildSituation& s) {
    if (!s.Query().fromWrapper) return GenericAnySuit(s);
    return s.TargetEmpty() && s.StockCount() == 0;
}

// 17
bool NotFromTableau(const BuildSituation& s) {
    return !s.FromTableau();
}

// 18
bool TableauCardsOnlyToEmptyTableau(const BuildSituation& s) {
    return !s.FromTableau() || s.TableauIsEmpty(s.Index());
}

// 19
bool NeitherFromTableauNorReserve(const BuildSituation& s) {
    return !s.FromTableau() && !s.FromReserve();
}

// 33
bool NotFromTableauOntoShortPile(const BuildSituation& s) {
    return !s.FromTableau() && CardsOnTableau(s) <= 1;
}

// 67
bool EmptyTableauNotFromTableau(const BuildSituation& s) {
    return s.TableauIsEmpty(s.Index()) && !s.FromTableau();
}

// 69
bool EmptyTableauOnly(const BuildSituation& s) {
    return s.TableauIsEmpty(s.Index());
}

// 70
bool GridNeighbourIntoEmpty(const BuildSituation& s) {
    if (!s.TableauIsEmpty(s.Index()) || !s.FromTableau()) return false;
    return AreGridNeighbours(s.Source() - 1, s.Index(), s.Rule(rule::kGridWidth));
}

// 71
bool GridJumpIntoEmpty(const BuildSituation& s) {
    return s.TableauIsEmpty(s.Index()) && JumpedCell(s.Context(), s.Card(), s.Index()) >= 0;
}

// --- Rank steps, any suit ---------------------------------------------------

// 14, 15, 16: the rank climbs by a fixed step, counted round the suit.
template <int kStep>
bool RankStep(const BuildSituation& s) {
    return Rank(s) == Top(s) + kStep || (Top(s) + kStep) % 13 == Rank(s);
}

// 20
bool UpWrappingFromAce(const BuildSituation& s) {
    if (s.TargetEmpty()) return RankIs(s, kAce);
    return IsOneUpWrapping(Top(s), Rank(s));
}

// 26
bool OneApartWhileTableauShort(const BuildSituation& s) {
    if (s.TargetEmpty() || CardsOnTableau(s) >= 3) return false;
    return IsOneApart(Top(s), Rank(s));
}

// 28, and 60 with the suit kept
bool OneApartTurningAtEnds(const BuildSituation& s) {
    if (s.TargetEmpty()) return true;
    if (Top(s) == kAce) return RankIs(s, kTwo);
    if (Top(s) == kKing) return RankIs(s, kQueen);
    return IsOneApart(Top(s), Rank(s));
}
bool SameSuitOneApartTurningAtEnds(const BuildSituation& s) {
    if (!s.TargetEmpty() && !SameSuitAsTop(s)) return false;
    return OneApartTurningAtEnds(s);
}

// 34
bool DownAnySuit(const BuildSituation& s) {
    if (s.TargetEmpty()) return EmptyPileAccepts(s);
    return IsOneDown(Top(s), Rank(s));
}

// 35
bool OneApartWrapping(const BuildSituation& s) {
    if (s.TargetEmpty()) return EmptyPileAccepts(s);
    return IsOneApartWrapping(Top(s), Rank(s));
}

// 36
bool DownWrappingAfterPreviousFoundation(const BuildSituation& s) {
    if (s.TargetEmpty()) return RankIsBase(s) && PreviousFoundationStarted(s);
    return IsOneDownWrapping(Top(s), Rank(s));
}

// 37: each card doubles the rank of the one below, counted round the suit.
bool DoublingRanks(const BuildSituation& s) {
    if (s.TargetEmpty()) return EmptyPileAccepts(s);
    if (Rank(s) == (2 * Top(s)) % 13) return true;
    return RankIs(s, kKing) && CardCount(s.Foundation(0)) > 47;
}

// 39
bool UpFromAceBelowQueen(const BuildSituation& s) {
    if (s.TargetEmpty()) return RankIs(s, kAce);
    return IsOneUp(Top(s), Rank(s)) && Rank(s) != kQueen && Rank(s) != kKing;
}

// 40: the rank the deals have counted up to.
bool DealCounterRank(const BuildSituation& s) {
    if (s.StockCount() + s.WasteCount() == 1) return true;
    const int wanted = s.Context().game.dealCounter % 13;
    return Rank(s) == (wanted == 0 ? kKing : wanted);
}

// 44
bool UpFromAceBelowKing(const BuildSituation& s) {
    if (s.TargetEmpty()) return RankIs(s, kAce);
    return IsOneUp(Top(s), Rank(s)) && Rank(s) != kKing;
}

// 46, 49, 51: up to the Jack; an empty foundation takes the base rank, for 49
// and 51 only while tableau pile i holds cards, for 51 of its bottom suit.
template <bool kNeedsTableau, bool kNeedsSuit>
bool UpBelowQueen(const BuildSituation& s) {
    if (s.TargetEmpty()) {
        if (!RankIsBase(s)) return false;
        if (kNeedsTableau && !s.TableauHoldsCards(s.Index())) return false;
        return !kNeedsSuit || SameSuit(s.Card(), BottomCard(s.Tableau(s.Index())));
    }
    return IsOneUp(Top(s), Rank(s)) && Rank(s) != kQueen && Rank(s) != kKing;
}

// 47, 50, 52: down, and round from the Ace to the King, never a Queen; the
// partner pile is tableau pile i - 8.
template <bool kNeedsTableau, bool kNeedsSuit>
bool DownNoQueen(const BuildSituation& s) {
    const int partner = s.Index() - 8;
    if (s.TargetEmpty()) {
        if (!RankIsBase(s)) return false;
        if (kNeedsTableau && !s.TableauHoldsCards(partner)) return false;
        return !kNeedsSuit || SameSuit(s.Card(), BottomCard(s.Tableau(partner)));
    }
    return IsOneDownWrapping(Top(s), Rank(s)) && Rank(s) != kQueen;
}

// 53: the other foundations open once the first is complete.
bool UpAfterFirstFoundationComplete(const BuildSituation& s) {
    if (s.Index() != 0 && CardCount(s.Foundation(0)) != 13) return false;
    if (s.TargetEmpty()) return RankIsBase(s);
    return IsOneUpWrapping(Top(s), Rank(s));
}

// 54
bool DownOrKingOnAce(const BuildSituation& s) {
    const int emptyRank = s.Rule(rule::kTableauEmpty + s.Index());
    if (s.TargetEmpty())
        return !s.FromReserve() && !s.FromTableau() && (Rank(s) == emptyRank || emptyRank == -1);
    if (IsOneDown(Top(s), Rank(s))) return true;
    return s.Rule(rule::kTableauWrap + s.Index()) == 1 && Top(s) == kAce && RankIs(s, kKing);
}

// 57
bool OneApartWrappingWhileStockEmpty(const BuildSituation& s) {
    return s.StockCount() == 0 && !s.TargetEmpty() && IsOneApartWrapping(Top(s), Rank(s));
}

// 68
bool OneApartWrappingNotEmpty(const BuildSituation& s) {
    return !s.TargetEmpty() && IsOneApartWrapping(Top(s), Rank(s));
}

// 73
bool RankOfPileNumber(const BuildSituation& s) {
    return Rank(s) == s.Index() + 1;
}

// 76
bool AnyLowerRank(const BuildSituation& s) {
    return s.TargetEmpty() || Rank(s) < Top(s);
}

// 77: four cards of each rank, Aces first.
bool FourOfEachRank(const BuildSituation& s) {
    return Rank(s) == CardsOnFoundation(s) / 4 + 1;
}

// 83: a foundation is closed once its top card shows its own number;
// foundation 6 only when full.
bool DownClosedAtOwnRank(const BuildSituation& s) {
    if (s.TargetEmpty()) return false;
    if (FoundationTopRank(s, s.Index()) == s.Index() + 1) {
        const bool stillOpen = s.Index() == 6 && CardsOnFoundation(s) < 13;
        if (!stillOpen) return false;
    }
    return IsOneDownWrapping(Top(s), Rank(s));
}

// 91
bool StepRule(const BuildSituation& s) {
    return FollowsByStep(Top(s), Rank(s), FoundationStep(s.Context()));
}

// --- Same suit --------------------------------------------------------------

// 5: the suit of the pile's bottom card, each rank after the foundation before.
bool BottomSuitAfterPreviousFoundation(const BuildSituation& s) {
    if (s.Index() != 0 && !PileHoldsRank(s.Foundation(s.Index() - 1), Rank(s))) return false;
    if (s.TargetEmpty()) return RankIsBase(s);
    return SameSuit(s.Card(), BottomCard(s.TargetPile()));
}

// 23
bool SameSuitUpWhileWasteEmpty(const BuildSituation& s) {
    if (s.WasteCount() > 0 || s.TargetEmpty()) return false;
    return SameSuitAsTop(s) && IsOneUp(Top(s), Rank(s));
}

// 25, and 61 with the turns at the ends
bool SameSuitByTwos(const BuildSituation& s) {
    if (s.TargetEmpty()) return EmptyPileAccepts(s);
    const int step = s.Query().direction == 1 ? 2 : -2;
    return SameSuitAsTop(s) && Rank(s) == Top(s) + step;
}
bool SameSuitByTwosTurning(const BuildSituation& s) {
    if (SameSuitByTwos(s)) return true;
    if (s.TargetEmpty() || !SameSuitAsTop(s)) return false;
    return (Top(s) == kKing && RankIs(s, kTwo)) || (Top(s) == kQueen && RankIs(s, kAce));
}

// 29: up to thirteen cards, then a King, then back down.
bool SameSuitUpThenDown(const BuildSituation& s) {
    if (s.TargetEmpty()) return PassesBalancedBase(s.Context(), s.Card(), s.Query().emptyRule);
    if (!SameSuitAsTop(s)) return false;
    const int cards = CardsOnFoundation(s);
    if (cards <= 12) return IsOneUp(Top(s), Rank(s));
    if (cards == 13) return RankIs(s, kKing);
    return IsOneDown(Top(s), Rank(s));
}

// 30: the first two cards set the direction of the pile.
bool SameSuitContinuingDirection(const BuildSituation& s) {
    if (s.TargetEmpty() || !SameSuitAsTop(s)) return false;
    if ((Top(s) == kKing && RankIs(s, kAce)) || (Top(s) == kAce && RankIs(s, kKing))) return false;
    const std::string_view pile = s.Tableau(s.Index());
    const int cards = CardCount(pile);
    if (cards >= 2) {
        const bool down = RankOf(CardAt(pile, cards - 1)) < RankOf(CardAt(pile, cards - 2));
        return down ? IsOneDown(Top(s), Rank(s)) : IsOneUp(Top(s), Rank(s));
    }
    return IsOneApart(Top(s), Rank(s));
}

// 31
bool SameSuitDown(const BuildSituation& s) {
    return !s.TargetEmpty() && SameSuitAsTop(s) && IsOneDown(Top(s), Rank(s));
}

// 32
bool SameSuitUp(const BuildSituation& s) {
    return !s.TargetEmpty() && SameSuitAsTop(s) && IsOneUp(Top(s), Rank(s));
}

// 41
bool SameSuitByTwosRoundTheSuit(const BuildSituation& s) {
    if (s.TargetEmpty())
        return RankIsBase(s) && PassesRowOfFourSuits(s.Context(), s.Card(), s.Index(), false);
    return SameSuitAsTop(s) && (Rank(s) == Top(s) + 2 || (Top(s) + 2) % 13 == Rank(s));
}

// 42: a King waits for the King of the partner foundation six places on.
bool SameSuitUpKingAfterPartner(const BuildSituation& s) {
    if (!SameSuitUp(s)) return false;
    return !RankIs(s, kKing) || FoundationTopRank(s, s.Index() + 6) == kKing;
}

// 43
bool SameSuitUpByTwo(const BuildSituation& s) {
    return SameSuitAsTop(s) && Rank(s) == Top(s) + 2;
}

// 55: the waste must be played first.
bool SameColourUpWithWasteCard(const BuildSituation& s) {
    if (s.WasteCount() > 1) return false;
    if (s.WasteCount() == 1 && s.Card() != s.WasteCard()) return false;
    if (s.TargetEmpty()) {
        const int emptyRank = s.Rule(rule::kTableauEmpty + s.Index());
        return Rank(s) == emptyRank || emptyRank == -1;
    }
    return SameColour(s.Card(), s.Top()) && IsOneUp(Top(s), Rank(s));
}

// 56
bool SameRankOnTop(const BuildSituation& s) {
    return !s.TargetEmpty() && Rank(s) == Top(s);
}

// 58, 64: Aces open foundations 0 and 1, Kings 2 and 3, in colour groups;
// while the stock lasts, tableau piles 5-8 feed one foundation each.
bool FourFoundationsUpAndDown(const BuildSituation& s) {
    const int from = SourceTableauNumber(s);
    if (s.StockCount() > 0 && from >= 5 && from <= 8) {
        if (!s.ToFoundation() || s.Index() != from - 5) return false;
    }
    if (s.TargetEmpty()) {
        const int opening = s.Index() <= 1 ? kAce : s.Index() <= 3 ? kKing : 0;
        return RankIs(s, opening) && PassesFourFoundationColours(s.Context(), s.Card(), s.Index());
    }
    if (!SameSuitAsTop(s)) return false;
    return s.Rule(rule::kFoundationDirection + s.Index()) == 1 ? IsOneUp(Top(s), Rank(s))
                                                               : IsOneDown(Top(s), Rank(s));
}

// 62 (family 30): Jacks and Kings open foundations while their partner card
// (the Ace, the Queen of the suit) lies on top of the tableau or the waste.
bool PartnerOpensFoundation(const BuildSituation& s, int partnerRank) {
    const GameContext& ctx = s.Context();
    const auto isPartner = [&](CardNumber top) {
        return top >= 1 && RankOf(top) == partnerRank && SameSuit(top, s.Card());
    };
    if (isPartner(s.WasteCard())) return true;
    for (int k = 0; k < UsedTableauPiles(ctx); ++k)
        if (isPartner(TopCardOrAbsent(ctx.piles.fila[static_cast<std::size_t>(k)]))) return true;
    return false;
}
bool CourtCardsOpenFoundations(const BuildSituation& s) {
    if (FamilyOf(s.Rule(rule::kFamily)) != Family::kCompanions) return false;
    if (RankIs(s, kAce) || RankIs(s, kQueen)) return false;
    if (RankIs(s, kJack) || RankIs(s, kKing)) {
        if (!s.TargetEmpty() || !RankIsBase(s)) return false;
        return PartnerOpensFoundation(s, RankIs(s, kJack) ? kAce : kQueen);
    }
    return SameSuitAsTop(s) && IsOneDown(Top(s), Rank(s));
}

// 78
bool SameSuitUpAnyAceOnKing(const BuildSituation& s) {
    if (s.TargetEmpty()) return RankIs(s, kAce);
    if (Top(s) == kKing) return RankIs(s, kAce);
    return SameSuitAsTop(s) && IsOneUp(Top(s), Rank(s));
}

// 79: the thirteenth card of each foundation comes from its own reserve.
bool UpWithThirteenthFromReserve(const BuildSituation& s) {
    const bool thirteenth = CardsOnFoundation(s) == 12;
    if (thirteenth && !FromReserveNumber(s, s.Index())) return false;
    if (s.FromReserve() && !thirteenth) return false;
    if (s.TargetEmpty()) return RankIsBase(s);
    return IsOneUpWrapping(Top(s), Rank(s));
}

// 80, 81: an empty partner pile takes anything, a started one builds by suit
// either way round the suit; never a card straight from the tableau.
template <bool kPartnerIsReserve>
bool SameSuitBesidePartner(const BuildSituation& s) {
    if (s.FromTableau()) return false;
    const int i = s.Index();
    const bool empty = kPartnerIsReserve ? s.ReserveIsEmpty(i) : s.TableauIsEmpty(i);
    const bool holds = kPartnerIsReserve ? s.ReserveHoldsCards(i) : s.TableauHoldsCards(i);
    if (empty) return true;
    return holds && SameSuitAsTop(s) && IsOneApartWrapping(Top(s), Rank(s));
}

// 86, 87: suits follow the cycle hearts, clubs, diamonds, spades.
bool FollowsSuitCycle(const BuildSituation& s) {
    return SuitIndex(s.Card()) == NextSuitInCycle(SuitIndex(s.Top()));
}
bool UpInSuitCycle(const BuildSituation& s) {
    if (s.TargetEmpty()) return RankIs(s, kAce);
    return FollowsSuitCycle(s) && IsOneUp(Top(s), Rank(s));
}
bool DownInSuitCycle(const BuildSituation& s) {
    if (s.TargetEmpty()) return true;
    return FollowsSuitCycle(s) && IsOneDown(Top(s), Rank(s));
}

// --- Rows filled from the waste ---------------------------------------------

// 38
bool KingOpensRow(const BuildSituation& s) {
    if (s.WasteCount() > 0) return WasteRowAccepts(s, kKing);
    if (s.TargetEmpty()) return RankIs(s, kKing);
    const std::string_view pile = s.TargetPile();
    if (CardCount(pile) == 1 && RankOf(TopCard(pile)) == kKing)
        return !RankIs(s, kQueen) && !RankIs(s, kKing);
    return false;
}

// 45
bool KingOpensRowDown(const BuildSituation& s) {
    if (s.WasteCount() > 0) return WasteRowAccepts(s, kKing);
    if (s.TargetEmpty()) return RankIs(s, kKing);
    if (RankIs(s, kKing)) return false;
    return CardCount(s.TargetPile()) == 1 || IsOneDown(Top(s), Rank(s));
}

// 48
bool QueenOpensRow(const BuildSituation& s) {
    if (s.WasteCount() > 0) return WasteRowAccepts(s, kQueen);
    if (s.TargetEmpty()) return RankIs(s, kQueen);
    const std::string_view pile = s.TargetPile();
    if (CardCount(pile) == 1 && RankOf(TopCard(pile)) == kQueen) return !RankIs(s, kQueen);
    return false;
}

// --- Jokers -----------------------------------------------------------------

bool JokerFoundation(const BuildSituation& s) {
    return JokerFoundationAccepts(s.Context(), s.Card(), s.Index(), false);
}
bool JokerFoundationOpenedByJoker(const BuildSituation& s) {
    return JokerFoundationAccepts(s.Context(), s.Card(), s.Index(), true);
}

// --- The table ----------------------------------------------------------------

constexpr int kHighestCode = 91;

constexpr std::pair<int, Check> kChecks[] = {
    {0, GenericSameSuit},
    {1, GenericSameColour},
    {3, GenericAlternatingColours},
    {4, Nothing},
    {5, BottomSuitAfterPreviousFoundation},
    {6, OnlyEmptyByEmptyRule},
    {7, EmptyWhileStockEmpty},
    {11, SameSuitNoQueenOnKingOrJack},
    {12, Anything},
    {14, RankStep<2>},
    {15, RankStep<3>},
    {16, RankStep<4>},
    {17, NotFromTableau},
    {18, TableauCardsOnlyToEmptyTableau},
    {19, NeitherFromTableauNorReserve},
    {20, UpWrappingFromAce},
    {21, GenericOtherSuit},
    {23, SameSuitUpWhileWasteEmpty},
    {24, SameSuitNoQueenKingPair},
    {25, SameSuitByTwos},
    {26, OneApartWhileTableauShort},
    {27, AlternatingNotFromReserve},
    {28, OneApartTurningAtEnds},
    {29, SameSuitUpThenDown},
    {30, SameSuitContinuingDirection},
    {31, SameSuitDown},
    {32, SameSuitUp},
    {33, NotFromTableauOntoShortPile},
    {34, DownAnySuit},
    {35, OneApartWrapping},
    {36, DownWrappingAfterPreviousFoundation},
    {37, DoublingRanks},
    {38, KingOpensRow},
    {39, UpFromAceBelowQueen},
    {40, DealCounterRank},
    {41, SameSuitByTwosRoundTheSuit},
    {42, SameSuitUpKingAfterPartner},
    {43, SameSuitUpByTwo},
    {44, UpFromAceBelowKing},
    {45, KingOpensRowDown},
    {46, UpBelowQueen<false, false>},
    {47, DownNoQueen<false, false>},
    {48, QueenOpensRow},
    {49, UpBelowQueen<true, false>},
    {50, DownNoQueen<true, false>},
    {51, UpBelowQueen<true, true>},
    {52, DownNoQueen<true, true>},
    {53, UpAfterFirstFoundationComplete},
    {54, DownOrKingOnAce},
    {55, SameColourUpWithWasteCard},
    {56, SameRankOnTop},
    {57, OneApartWrappingWhileStockEmpty},
    {58, FourFoundationsUpAndDown},
    {60, SameSuitOneApartTurningAtEnds},
    {61, SameSuitByTwosTurning},
    {62, CourtCardsOpenFoundations},
    {63, SameSuitSplitInFirstPass},
    {64, FourFoundationsUpAndDown},
    {67, EmptyTableauNotFromTableau},
    {68, OneApartWrappingNotEmpty},
    {69, EmptyTableauOnly},
    {70, GridNeighbourIntoEmpty},
    {71, GridJumpIntoEmpty},
    {72, JokerFoundation},
    {73, RankOfPileNumber},
    {75, JokerFoundationOpenedByJoker},
    {76, AnyLowerRank},
    {77, FourOfEachRank},
    {78, SameSuitUpAnyAceOnKing},
    {79, UpWithThirteenthFromReserve},
    {80, SameSuitBesidePartner<false>},
    {81, SameSuitBesidePartner<true>},
    {82, GenericAfterStockAndWaste},
    {83, DownClosedAtOwnRank},
    {86, UpInSuitCycle},
    {87, DownInSuitCycle},
    {91, StepRule},
};

constexpr std::array<Check, kHighestCode + 1> MakeCheckTable() {
    std::array<Check, kHighestCode + 1> table{};
    table.fill(GenericAnySuit);
    for (const auto& [code, check] : kChecks) table[static_cast<std::size_t>(code)] = check;
    return table;
}

constexpr std::array<Check, kHighestCode + 1> kCheckByCode = MakeCheckTable();

}  // namespace

bool BuildingCodeAccepts(const BuildSituation& s) {
    const int code = s.Query().buildingCode;
    if (code < 0 || code > kHighestCode) return GenericAnySuit(s);
    return kCheckByCode[static_cast<std::size_t>(code)](s);
}

}  // namespace vis
