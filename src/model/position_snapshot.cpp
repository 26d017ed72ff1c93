#include "model/position_snapshot.h"

#include <algorithm>
#include <array>

#include "model/families.h"
#include "model/rule_index.h"
#include "model/shuffle.h"

namespace vis {

namespace {

// The pile of each snapshot line, in line order.
PileRef PileOfLine(int line) {
    if (line < kSnapshotFoundationLine) return {PileList::Mazzo, line};
    if (line < kSnapshotTableauLine) return {PileList::Dest, line - kSnapshotFoundationLine};
    if (line < kSnapshotReserveLine) return {PileList::Fila, line - kSnapshotTableauLine};
    return {PileList::Appogg, line - kSnapshotReserveLine};
}

// Foundation building codes whose piles are not held to the game's most
// cards: unlimited up to a deck, and turning at thirteen.
constexpr int kMostCardsUnlimited = 52;

int UsedPiles(const GameRules& rules, int countRule, int piles) {
    return std::clamp<int>(rules[countRule], 0, piles);
}

bool UnusedPilesEmpty(const GameContext& ctx, PileList list, int countRule) {
    const int used = UsedPiles(ctx.rules, countRule, PileCount(list));
    for (int i = used; i < PileCount(list); ++i)
        if (!ctx.piles.Pile(list, i).empty()) return false;
    return true;
}

bool FoundationsWithinLimits(const GameContext& ctx) {
    for (int i = 0; i < UsedPiles(ctx.rules, rule::kFoundationCount, kDestPileCount); ++i) {
        const int code = ctx.rules[rule::kFoundationBuilding + i];
        if (code == building::kTurningAtThirteen) continue;
        const int most = code == building::kUnlimitedLength ? kMostCardsUnlimited
                                                            : ctx.rules[rule::kFoundationMaxCards];
        if (CardCount(ctx.piles.dest[static_cast<std::size_t>(i)]) > most) return false;
    }
    return true;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

std::string SnapshotLine(const DeckTable& deck, std::string_view pile) {
    std::string line;
    line.reserve(pile.size() / 3 * 4);
    for (int i = 0; i < CardCount(pile); ++i) {
        const CardNumber card = CardAt(pile, i);
        line.append(pile.substr(static_cast<std::size_t>(i) * 3, 3));
        line += card == 0 ? '0' : deck.Row(card).empty() ? kFaceUp : deck.Row(card).back();
    }
    return line;
}

bool KeepsFoundationOneEmpty(const GameRules& rules) {
    return rules[rule::kSelectionGame] != 0 ||
           TraitsOf(rules[rule::kFamily]).snapshotKeepsSelection;
}

PositionSnapshot TakeSnapshot(const GameContext& ctx) {
    PositionSnapshot snapshot(kSnapshotLines);
    for (int line = 0; line < kSnapshotLines; ++line)
        snapshot[static_cast<std::size_t>(line)] =
            SnapshotLine(ctx.deck, ctx.piles.Pile(PileOfLine(line)));
    if (KeepsFoundationOneEmpty(ctx.rules)) snapshot[kSnapshotFoundationLine].clear();
    return snapshot;
}

bool RestoreSnapshot(GameContext& ctx, const PositionSnapshot& snapshot) {
    if (snapshot.size() != static_cast<std::size_t>(kSnapshotLines)) return false;
    for (const auto& line : snapshot) {
        if (line.size() % 4 != 0) return false;
        for (std::size_t at = 0; at < line.size(); at += 4) {
            if (!IsDigit(line[at]) || !IsDigit(line[at + 1]) || !IsDigit(line[at + 2]))
                return false;
            const int card =
                (line[at] - '0') * 100 + (line[at + 1] - '0') * 10 + (line[at + 2] - '0');
            if (card > kLastCard) return false;
        }
    }
    for (int line = 0; line < kSnapshotLines; ++line)
        RestorePileLine(ctx, PileOfLine(line), snapshot[static_cast<std::size_t>(line)]);
    return true;
}

void RestorePileLine(GameContext& ctx, PileRef pile, std::string_view line) {
    ctx.piles.Pile(pile).clear();
    for (std::size_t at = 0; at + 4 <= line.size(); at += 4)
        AppendCard(ctx.piles, ctx.deck, pile, CardAt(line.substr(at, 3), 0), line[at + 3]);
}

bool IsConsistent(const PileLists& piles) {
    std::array<bool, kLastCard + 1> seen{};
    for (int line = 0; line < kSnapshotLines; ++line) {
        const std::string& pile = piles.Pile(PileOfLine(line));
        if (pile.size() % 3 != 0) return false;
        for (int i = 0; i < CardCount(pile); ++i) {
            const std::string_view text =
                std::string_view(pile).substr(static_cast<std::size_t>(i) * 3, 3);
            if (!IsDigit(text[0]) || !IsDigit(text[1]) || !IsDigit(text[2])) return false;
            const CardNumber card = CardAt(pile, i);
            if (card == 0) continue;
            if (card > kLastCard || seen[static_cast<std::size_t>(card)]) return false;
            seen[static_cast<std::size_t>(card)] = true;
        }
    }
    return true;
}

bool IsConsistent(const GameContext& ctx) {
    if (!IsConsistent(ctx.piles)) return false;
    std::vector<CardNumber> deck = ShuffleDeck(ctx.rules, ctx.state.Get(field::kDealNumber));
    std::vector<CardNumber> onTable;
    onTable.reserve(deck.size());
    for (int line = 0; line < kSnapshotLines; ++line)
        for (CardNumber card : CardsOf(ctx.piles.Pile(PileOfLine(line))))
            if (card != 0) onTable.push_back(card);
    std::sort(deck.begin(), deck.end());
    std::sort(onTable.begin(), onTable.end());
    return onTable == deck && UnusedPilesEmpty(ctx, PileList::Dest, rule::kFoundationCount) &&
           UnusedPilesEmpty(ctx, PileList::Fila, rule::kTableauCount) &&
           UnusedPilesEmpty(ctx, PileList::Appogg, rule::kReserveCount) &&
           FoundationsWithinLimits(ctx);
}

}  // namespace vis
