#include "model/piles.h"

#include <algorithm>

#include "model/text.h"

namespace vis {

int PileCount(PileList list) {
    switch (list) {
        case PileList::Mazzo:
            return kMazzoPileCount;
        case PileList::Dest:
            return kDestPileCount;
        case PileList::Fila:
            return kFilaPileCount;
        case PileList::Appogg:
            return kAppoggPileCount;
    }
    return 0;
}

namespace {
constexpr std::array<std::string_view, kMazzoPileCount> kMazzoKeys = {"Mazzo", "Mazzo_Vis",
                                                                      "Mazzo_Waste"};

struct NumberedList {
    std::string_view word;
    PileList list;
};
constexpr std::array<NumberedList, 3> kNumberedLists = {
    {{"Dest", PileList::Dest}, {"Fila", PileList::Fila}, {"Appogg", PileList::Appogg}}};

bool InRange(PileRef pile) {
    return pile.index >= 0 && pile.index < PileCount(pile.list);
}
}  // namespace

std::string PileKey(PileRef pile) {
    if (!InRange(pile)) return {};
    if (pile.list == PileList::Mazzo)
        return std::string(kMazzoKeys[static_cast<std::size_t>(pile.index)]);
    for (const auto& numbered : kNumberedLists)
        if (numbered.list == pile.list)
            return std::string(numbered.word) + std::to_string(pile.index + 1);
    return {};
}

std::optional<PileRef> PileByKey(std::string_view key) {
    for (std::size_t i = 0; i < kMazzoKeys.size(); ++i)
        if (key == kMazzoKeys[i]) return PileRef{PileList::Mazzo, static_cast<int>(i)};
    for (const auto& numbered : kNumberedLists) {
        if (!StartsWith(key, numbered.word)) continue;
        const std::string_view number = key.substr(numbered.word.size());
        // One or two plain digits, no leading zero.
        if (number.empty() || number.size() > 2 || number.front() == '0') return std::nullopt;
        for (char c : number)
            if (c < '0' || c > '9') return std::nullopt;
        const PileRef pile{numbered.list, ParseIntOr(number, 0) - 1};
        if (!InRange(pile)) return std::nullopt;
        return pile;
    }
    return std::nullopt;
}

std::string& PileLists::Pile(PileRef pile) {
    return const_cast<std::string&>(static_cast<const PileLists&>(*this).Pile(pile));
}

const std::string& PileLists::Pile(PileRef pile) const {
    static const std::string kNoPile;
    if (!InRange(pile)) return kNoPile;
    const auto i = static_cast<std::size_t>(pile.index);
    switch (pile.list) {
        case PileList::Mazzo:
            return mazzo[i];
        case PileList::Dest:
            return dest[i];
        case PileList::Fila:
            return fila[i];
        case PileList::Appogg:
            return appogg[i];
    }
    return kNoPile;
}

void PileLists::Clear() {
    for (auto& p : mazzo) p.clear();
    for (auto& p : dest) p.clear();
    for (auto& p : fila) p.clear();
    for (auto& p : appogg) p.clear();
}

void AppendCard(PileLists& piles, DeckTable& deck, PileRef pile, CardNumber card,
                std::optional<char> flag) {
    if (!InRange(pile)) return;
    piles.Pile(pile) += CardText(card);
    if (card != 0 && flag) deck.SetCardFace(card, *flag);
}

void TurnCards(DeckTable& deck, std::string_view pile, int count, char flag) {
    const int cards = CardCount(pile);
    if (count >= 1) {
        for (int i = std::max(0, cards - count); i < cards; ++i)
            deck.SetCardFace(CardAt(pile, i), flag);
        return;
    }
    if (count < -3) return;
    for (int i = 0; i < cards; ++i) {
        const bool odd = i % 2 == 0;  // 1st, 3rd, 5th ... from the bottom
        char face = kFaceDown;
        if (count == -1) face = odd ? kFaceUp : kFaceDown;
        if (count == -2) face = odd ? kFaceDown : kFaceUp;
        if (count == -3) face = i == 0 ? kFaceUp : kFaceDown;
        if (count != 0) deck.SetCardFace(CardAt(pile, i), face);
    }
}

int CardCount(std::string_view pile) {
    return static_cast<int>(pile.size() / 3);
}

CardNumber CardAt(std::string_view pile, int position) {
    if (position < 0 || position >= CardCount(pile)) return 0;
    const char* slot = pile.data() + static_cast<std::size_t>(position) * 3;
    auto digit = [](char c) { return c >= '0' && c <= '9'; };
    if (digit(slot[1]) && digit(slot[2])) {
        const int low = (slot[1] - '0') * 10 + (slot[2] - '0');
        if (digit(slot[0])) return (slot[0] - '0') * 100 + low;
        if (slot[0] == '-') return -low;
    }
    return 0;  // not a card text
}

CardNumber TopCard(std::string_view pile) {
    return CardAt(pile, CardCount(pile) - 1);
}
CardNumber BottomCard(std::string_view pile) {
    return CardAt(pile, 0);
}

std::vector<CardNumber> CardsOf(std::string_view pile) {
    std::vector<CardNumber> cards;
    cards.reserve(static_cast<std::size_t>(CardCount(pile)));
    for (int i = 0; i < CardCount(pile); ++i) cards.push_back(CardAt(pile, i));
    return cards;
}

bool HasGaps(std::string_view pile) {
    for (int i = 0; i < CardCount(pile); ++i)
        if (CardAt(pile, i) == 0) return true;
    return false;
}

int FindCard(std::string_view pile, CardNumber card) {
    for (int i = 0; i < CardCount(pile); ++i)
        if (CardAt(pile, i) == card) return i;
    return -1;
}

}  // namespace vis
