#include "records/position_snapshot.h"

#include <array>

#include "model/rule_index.h"

namespace vis {

namespace {

// The pile of each snapshot line, in line order.
PileRef PileOfLine(int line) {
    if (line < kSnapshotFoundationLine) return {PileList::Mazzo, line};
    if (line < kSnapshotTableauLine) return {PileList::Dest, line - kSnapshotFoundationLine};
    if (line < kSnapshotReserveLine) return {PileList::Fila, line - kSnapshotTableauLine};
    return {PileList::Appogg, line - kSnapshotReserveLine};
}

bool KeepsFoundationOneEmpty(const GameRules& rules) {
    const int family = rules[rule::kFamily];
    return rules[rule::kSelectionGame] != 0 || family == 3 || family == 4;
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

}  // namespace vis
