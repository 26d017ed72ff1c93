#include "model/shuffle.h"

#include <algorithm>
#include <array>

#include "model/game_context.h"
#include "model/rule_index.h"

namespace vis {

namespace {

constexpr int kOneDeck = 52;
constexpr int kTwoDecks = 104;
constexpr int kRanks = 13;
constexpr int kSuitsOfOneDeck = 4;
constexpr int kSuitColumns = 8;
constexpr std::string_view kShuffleError = "Error 01 - fnGameNumberCardsArray";

// Row r gives the suit (1-4) of the 1st .. 8th card placed for a rank; the
// columns past the fourth are the second deck's.
constexpr std::array<std::array<int, kSuitColumns>, kRanks> kSuitTable = {{
    {4, 2, 3, 1, 4, 2, 1, 3},
    {1, 3, 2, 4, 4, 3, 2, 1},
    {2, 4, 3, 1, 3, 4, 1, 2},
    {3, 4, 2, 1, 2, 3, 1, 4},
    {4, 2, 3, 1, 1, 3, 4, 2},
    {1, 4, 2, 3, 4, 1, 2, 3},
    {2, 1, 3, 4, 3, 1, 2, 4},
    {3, 2, 1, 4, 2, 4, 1, 3},
    {4, 3, 1, 2, 1, 2, 3, 4},
    {2, 1, 4, 3, 4, 2, 1, 3},
    {3, 1, 4, 2, 1, 2, 4, 3},
    {3, 2, 4, 1, 1, 4, 3, 2},
    {2, 3, 4, 1, 4, 1, 3, 2},
}};

// Row d (a digit of the deal number) gives how far the position moves
// before each of the eight cards.
constexpr std::array<std::array<int, kSuitColumns>, 10> kStepTable = {{
    {25, 18, 13, 22, 21, 20, 15, 15},
    {20, 19, 12, 13, 18, 18, 23, 17},
    {30, 21, 19, 19, 13, 22, 20, 18},
    {51, 16, 14, 18, 21, 21, 17, 19},
    {18, 19, 19, 23, 13, 16, 15, 20},
    {17, 21, 14, 19, 19, 16, 18, 17},
    {48, 16, 13, 14, 19, 20, 20, 16},
    {11, 21, 21, 23, 17, 18, 22, 20},
    {22, 16, 13, 13, 19, 17, 22, 13},
    {24, 13, 20, 21, 21, 14, 15, 22},
}};

// The 13 deal digits, read by 1-based position.
class DealKey {
public:
    explicit DealKey(std::string_view dealNumber) : digits_(DealDigits(dealNumber)) {}

    int Digit(int position) const { return digits_[static_cast<std::size_t>(position - 1)] - '0'; }
    int Number(std::initializer_list<int> positions) const {
        int value = 0;
        for (int position : positions) value = value * 10 + Digit(position);
        return value;
    }
    // The digits from `first` to `last` (1-based, inclusive), skipping
    // those from `skipFirst` to `skipLast`.
    int NumberSkipping(int first, int last, int skipFirst, int skipLast) const {
        int value = 0;
        for (int position = first; position <= last; ++position)
            if (position < skipFirst || position > skipLast) value = value * 10 + Digit(position);
        return value;
    }

private:
    std::string digits_;
};

// The list being filled; 0 marks a free slot.
class SlotList {
public:
    explicit SlotList(int size) : slots_(static_cast<std::size_t>(size), 0) {}

    int Size() const { return static_cast<int>(slots_.size()); }

    // The position kept inside the list: past the end wraps, below 0 is 0.
    int Wrap(int position) const {
        if (position >= Size()) return position % Size();
        return std::max(position, 0);
    }

    // Writes the card at `position` or, when taken, at the nearest free slot
    // searching up or down from it, else at the first free slot. Returns
    // where it went, -1 when the list is full and the card is left out.
    int Place(CardNumber card, int position, bool searchUp) {
        int slot = searchUp ? FreeAtOrAfter(position) : FreeAtOrBefore(position);
        if (slot < 0) slot = FreeAtOrAfter(0);
        if (slot < 0) return -1;
        slots_[static_cast<std::size_t>(slot)] = card;
        return slot;
    }

    std::vector<CardNumber> Release() { return std::move(slots_); }

private:
    bool IsFree(int slot) const { return slots_[static_cast<std::size_t>(slot)] == 0; }
    int FreeAtOrAfter(int slot) const {
        for (; slot < Size(); ++slot)
            if (IsFree(slot)) return slot;
        return -1;
    }
    int FreeAtOrBefore(int slot) const {
        for (; slot >= 0; --slot)
            if (IsFree(slot)) return slot;
        return -1;
    }

    std::vector<CardNumber> slots_;
};

// The jokers go in before any other card, each a few steps further on from
// the starting position.
void PlaceJokers(SlotList& list, const DealKey& key, int start, int jokers) {
    const auto& steps = kStepTable[static_cast<std::size_t>(key.Digit(1))];
    int position = start;
    for (int i = 0; i < jokers; ++i) {
        position = list.Wrap(position + steps[static_cast<std::size_t>(i)]);
        list.Place(kFirstJoker + i, position, true);
    }
}

// The suit row of pass k: nine digits of the deal number, modulo 13.
int SuitRow(const DealKey& key, int pass) {
    constexpr int kLastSkippingPass = 10;
    const int number = pass <= kLastSkippingPass
                           ? key.NumberSkipping(1, kDealDigitCount, pass, pass + 3)
                           : key.NumberSkipping(pass - 8, pass, 0, -1);
    return number % kRanks;
}

int NextCursor(int cursor) {
    return cursor % kDealDigitCount + 1;
}

}  // namespace

std::string DealDigits(std::string_view dealNumber) {
    std::string digits = std::string(kDealDigitCount, '0') + std::string(dealNumber);
    digits.erase(0, digits.size() - kDealDigitCount);
    for (char& c : digits)
        if (c < '0' || c > '9') c = '0';
    return digits;
}

std::int64_t DealValue(std::string_view dealNumber) {
    std::int64_t value = 0;
    for (char c : DealDigits(dealNumber)) value = value * 10 + (c - '0');
    return value;
}

bool IsShuffleableDeck(const GameRules& rules) {
    const int deck = rules[rule::kDeckSize];
    return (deck >= 1 && deck <= kOneDeck) || deck == kTwoDecks;
}

int JokersInDeck(const GameRules& rules) {
    if (rules[rule::kJokersInDeck] != 1) return 0;
    return std::clamp<int>(rules[rule::kJokerCount], 0, kMaxJokers);
}

int ShuffledListSize(const GameRules& rules) {
    return rules[rule::kDeckSize] + JokersInDeck(rules);
}

std::vector<CardNumber> ShuffleDeck(const GameRules& rules, std::string_view dealNumber) {
    if (!IsShuffleableDeck(rules)) return {};
    const DealKey key(dealNumber);
    SlotList list(ShuffledListSize(rules));
    const int suitsPerRank = rules[rule::kDeckSize] == kTwoDecks ? kSuitColumns : kSuitsOfOneDeck;

    int position = key.Number({2, 6, 12});
    PlaceJokers(list, key, position, JokersInDeck(rules));

    std::vector<int> rankPool;
    for (int rank = 1; rank <= kRanks; ++rank) rankPool.push_back(rank);
    int cursor1 = 1;
    int cursor2 = 7;
    int cursor3 = 13;

    for (int pass = 1; pass <= kDealDigitCount; ++pass) {
        const int digit = key.Digit(pass);
        // A 0 digit searches upward and takes the last rank left; any other
        // digit searches downward and takes the first.
        const bool fromZero = digit == 0;
        const auto& suits = kSuitTable[static_cast<std::size_t>(SuitRow(key, pass))];

        auto rankIndex = static_cast<std::size_t>(key.Number({cursor1, cursor2, cursor3}) % kRanks);
        if (rankIndex >= rankPool.size()) rankIndex = fromZero ? rankPool.size() - 1 : 0;
        const int rank = rankPool[rankIndex];
        rankPool.erase(rankPool.begin() + static_cast<std::ptrdiff_t>(rankIndex));

        cursor1 = NextCursor(cursor1);
        cursor2 = NextCursor(cursor2);
        cursor3 = NextCursor(cursor3);

        const auto& steps = kStepTable[static_cast<std::size_t>(digit)];
        position -= digit;
        for (int i = 0; i < suitsPerRank; ++i) {
            const auto column = static_cast<std::size_t>(i);
            position = list.Wrap(position + steps[column]);
            CardNumber card = (suits[column] - 1) * kRanks + rank;
            if (i >= kSuitsOfOneDeck) card += kOneDeck;
            position = list.Place(card, position, fromZero);
        }
    }
    return list.Release();
}

bool fnGameNumberCardsArray(GameContext& ctx, std::vector<CardNumber>& list) {
    list = ShuffleDeck(ctx.rules, ctx.state.Get(field::kDealNumber));
    if (list.empty()) {
        ctx.ui.ShowMessage(std::string(kShuffleError));
        return false;
    }
    return true;
}

}  // namespace vis
