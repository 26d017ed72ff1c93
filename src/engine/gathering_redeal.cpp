#include "engine/gathering_redeal.h"

#include <algorithm>
#include <array>
#include <string>

#include "engine/table_queries.h"
#include "model/families.h"
#include "model/rule_index.h"
#include "model/sound_events.h"

namespace vis {

namespace {

using namespace gathering;

constexpr int kRowPositions = 13;

std::string& Pile(GameContext& ctx, PileRef pile) {
    return ctx.piles.Pile(pile);
}

PileRef Tableau(int i) {
    return {PileList::Fila, i};
}

int RedealType(const GameContext& ctx) {
    return ctx.rules[rule::kGatheringRedeal];
}

// Takes the card at `slot` of `from` over to the gathering pile, with the
// face it is to show there (none: as it was). A gap is simply dropped.
void CollectCard(GameContext& ctx, PileRef from, int slot, PileRef into, std::optional<char> face) {
    std::string& text = Pile(ctx, from);
    const CardNumber card = CardAt(text, slot);
    const std::string before = text;
    text.erase(static_cast<std::size_t>(slot) * 3, 3);
    if (card <= 0) return;
    ctx.ui.RepaintPile(from, before, text);
    AppendCard(ctx.piles, ctx.deck, into, card, face);
    ctx.ui.SlideCard(card, from, slot, into, CardCount(Pile(ctx, into)) - 1);
    ctx.ui.RefreshCardCounter();
    PlaySoundEvent(ctx.ui, ctx.state, "Shuffle", field::kSoundsShuffle);
}

// A whole pile, from its top card down to its bottom card.
void CollectPile(GameContext& ctx, PileRef from, PileRef into, std::optional<char> face) {
    while (!Pile(ctx, from).empty())
        CollectCard(ctx, from, CardCount(Pile(ctx, from)) - 1, into, face);
}

// The cards that went to the gathering pile after its first `kept` cards.
std::vector<CardNumber> TakeGathered(GameContext& ctx, PileRef into, int kept) {
    std::string& text = Pile(ctx, into);
    const std::vector<CardNumber> all = CardsOf(text);
    text.resize(static_cast<std::size_t>(kept) * 3);
    return {all.begin() + kept, all.end()};
}

// Puts the reordered cards back onto the gathering pile with `face`.
void PlaceOnPile(GameContext& ctx, PileRef into, const std::vector<CardNumber>& cards, char face) {
    for (CardNumber card : cards) AppendCard(ctx.piles, ctx.deck, into, card, face);
}

char RedealtFace(const GameContext& ctx) {
    return ctx.rules[rule::kTableauCards] != ctx.rules[rule::kTableauFaceUp] ? kFaceDown : kFaceUp;
}

void DealCard(GameContext& ctx, CardNumber card, PileRef from, PileRef to, char face) {
    AppendCard(ctx.piles, ctx.deck, to, card, face);
    ctx.ui.SlideCard(card, from, CardCount(Pile(ctx, from)), to, CardCount(Pile(ctx, to)) - 1);
}

void TurnTopCardsUpAfterRedeal(GameContext& ctx) {
    const int faceUp = ctx.rules[rule::kTableauFaceUp];
    if (faceUp != 1 || faceUp == ctx.rules[rule::kTableauCards]) return;
    for (int i = 0; i < UsedTableauPiles(ctx); ++i) {
        const CardNumber top = TopCard(ctx.piles.fila[static_cast<std::size_t>(i)]);
        if (top > 0) ctx.deck.SetCardFace(top, kFaceUp);
    }
}

void MoveBottomCardsToTop(GameContext& ctx) {
    for (int i = 0; i < UsedTableauPiles(ctx); ++i) {
        std::string& pile = Pile(ctx, Tableau(i));
        if (CardCount(pile) <= 1) continue;
        const std::string before = pile;
        pile = pile.substr(3) + pile.substr(0, 3);
        ctx.deck.SetCardFace(TopCard(pile), kFaceUp);
        ctx.ui.RepaintPile(Tableau(i), before, pile);
        PlaySoundEvent(ctx.ui, ctx.state, "Shuffle", field::kSoundsShuffle);
    }
}

void GatherOnly(GameContext& ctx, PileRef into) {
    const char face = into.index == kWasteIndex ? kFaceUp : kFaceDown;
    for (int i = UsedTableauPiles(ctx) - 1; i >= 0; --i) CollectPile(ctx, Tableau(i), into, face);
}

void GatherTopCardsInTurn(GameContext& ctx, PileRef into) {
    bool took = true;
    while (took) {
        took = false;
        for (int i = UsedTableauPiles(ctx) - 1; i >= 0; --i) {
            const int count = CardCount(Pile(ctx, Tableau(i)));
            if (count == 0) continue;
            CollectCard(ctx, Tableau(i), count - 1, into, kFaceUp);
            took = true;
        }
    }
    std::string& stock = ctx.piles.mazzo[kStockIndex];
    const std::vector<CardNumber> cards = CardsOf(stock);
    stock.clear();
    for (auto it = cards.rbegin(); it != cards.rend(); ++it) stock += CardText(*it);
}

// A two at the bottom followed by the next ranks of its suit.
int LeadingRunLength(std::string_view pile) {
    const CardNumber bottom = CardAt(pile, 0);
    if (bottom <= 0 || RankOf(bottom) != 2) return 0;
    int length = 1;
    while (length < CardCount(pile)) {
        const CardNumber below = CardAt(pile, length - 1);
        const CardNumber card = CardAt(pile, length);
        if (card <= 0 || SuitIndex(card) != SuitIndex(below) || RankOf(card) != RankOf(below) + 1)
            break;
        ++length;
    }
    return length;
}

void RedealAroundLeadingRuns(GameContext& ctx) {
    const PileRef stock{PileList::Mazzo, kStockIndex};
    const int kept = CardCount(Pile(ctx, stock));
    for (int i = 0; i < UsedTableauPiles(ctx); ++i) {
        const int run = LeadingRunLength(Pile(ctx, Tableau(i)));
        for (int slot = CardCount(Pile(ctx, Tableau(i))) - 1; slot >= run; --slot)
            CollectCard(ctx, Tableau(i), slot, stock, std::nullopt);
        AppendCard(ctx.piles, ctx.deck, Tableau(i), 0);
    }
    const std::vector<CardNumber> cards = ReorderGathered(TakeGathered(ctx, stock, kept));
    const char face = RedealtFace(ctx);
    std::size_t next = 0;
    for (int i = 0; i < UsedTableauPiles(ctx); ++i)
        while (next < cards.size() && CardCount(Pile(ctx, Tableau(i))) < kRowPositions)
            DealCard(ctx, cards[next++], stock, Tableau(i), face);
    PlaceOnPile(ctx, stock, {cards.begin() + static_cast<std::ptrdiff_t>(next), cards.end()},
                kFaceDown);
    TurnTopCardsUpAfterRedeal(ctx);
}

void BottomCardsToWaste(GameContext& ctx, PileRef into) {
    const int kept = CardCount(Pile(ctx, into));
    for (int i = 0; i < UsedTableauPiles(ctx); ++i) {
        if (IsRowEndPile(i)) continue;  // their bottom card stays
        if (!Pile(ctx, Tableau(i)).empty()) CollectCard(ctx, Tableau(i), 0, into, std::nullopt);
    }
    PlaceOnPile(ctx, into, ReorderGathered(TakeGathered(ctx, into, kept)), kFaceUp);
}

void TableauAndReservesToPile(GameContext& ctx, PileRef into) {
    const int kept = CardCount(Pile(ctx, into));
    for (int i = 0; i < UsedTableauPiles(ctx); ++i)
        CollectPile(ctx, Tableau(i), into, std::nullopt);
    for (int r = 0; r < kAppoggPileCount; ++r)
        CollectPile(ctx, {PileList::Appogg, r}, into, std::nullopt);
    PlaceOnPile(ctx, into, ReorderGathered(TakeGathered(ctx, into, kept)), kFaceDown);
}

// Gathers every pile and deals the cards back one per pile in turn; some
// types fill each pile to its dealt size before moving on.
void GatherAndDealAgain(GameContext& ctx, PileRef into) {
    const int piles = UsedTableauPiles(ctx);
    if (piles == 0) return;
    const int kept = CardCount(Pile(ctx, into));
    for (int i = 0; i < piles; ++i) CollectPile(ctx, Tableau(i), into, std::nullopt);
    const std::vector<CardNumber> cards = ReorderGathered(TakeGathered(ctx, into, kept));
    const int type = RedealType(ctx);
    const bool fillEachPile = FillsEachPile(type);
    const int fillTo = ctx.rules[rule::kTableauCards];
    const char face = RedealtFace(ctx);
    std::size_t next = 0;
    for (int i = 0; next < cards.size(); i = (i + 1) % piles) {
        DealCard(ctx, cards[next++], into, Tableau(i), face);
        while (fillEachPile && next < cards.size() && CardCount(Pile(ctx, Tableau(i))) < fillTo)
            DealCard(ctx, cards[next++], into, Tableau(i), face);
    }
    TurnTopCardsUpAfterRedeal(ctx);
}

}  // namespace

PileRef GatheringPile(const GameContext& ctx) {
    const int type = RedealType(ctx);
    const bool wasteByLayout = ctx.rules[rule::kStockGroupPlaced] == 1 &&
                               ctx.rules[rule::kHasStock] == 0 && ctx.rules[rule::kHasWaste] == 1;
    if (type == kFillEachPileEveryPress || type == kBottomCardsToWaste || wasteByLayout)
        return {PileList::Mazzo, kWasteIndex};
    return {PileList::Mazzo, kStockIndex};
}

std::vector<CardNumber> ReorderGathered(std::vector<CardNumber> gathered) {
    std::vector<CardNumber> reordered;
    reordered.reserve(gathered.size());
    std::size_t k = gathered.size() / 2;
    while (!gathered.empty()) {
        if (k >= gathered.size()) k = 0;
        reordered.push_back(gathered[k]);
        gathered.erase(gathered.begin() + static_cast<std::ptrdiff_t>(k));
        k += reordered.size() % 2 != 0 ? 2 : 5;
    }
    return reordered;
}

void GatheringRedeal(GameContext& ctx) {
    const PileRef into = GatheringPile(ctx);
    switch (RedealType(ctx)) {
        case kBottomToTop:
            MoveBottomCardsToTop(ctx);
            break;
        case kGatherOnly:
        case kGatherOnlyToo:
            GatherOnly(ctx, into);
            break;
        case kTopCardsInTurn:
            GatherTopCardsInTurn(ctx, into);
            break;
        case kKeepLeadingRuns:
            RedealAroundLeadingRuns(ctx);
            break;
        case kBottomCardsToWaste:
            BottomCardsToWaste(ctx, into);
            break;
        case kTableauAndReservesToPile:
            TableauAndReservesToPile(ctx, into);
            break;
        default:
            GatherAndDealAgain(ctx, into);
            break;
    }
    // Every pile may have changed: draw the table afresh.
    ctx.ui.RepaintTable();
}

}  // namespace vis
