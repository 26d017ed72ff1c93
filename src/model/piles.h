// The four pile lists of the table, their keys, and helpers over pile texts.
//
// A pile is the concatenation of its cards' three-digit texts, bottom first.
// "000" marks a gap kept inside a pile.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/cards.h"

namespace vis {

enum class PileList { Mazzo, Dest, Fila, Appogg };

inline constexpr int kMazzoPileCount = 3;   // stock, waste, second waste
inline constexpr int kDestPileCount = 16;   // foundations
inline constexpr int kFilaPileCount = 28;   // tableau piles
inline constexpr int kAppoggPileCount = 8;  // reserves and cells

inline constexpr int kStockIndex = 0;
inline constexpr int kWasteIndex = 1;
inline constexpr int kSecondWasteIndex = 2;

int PileCount(PileList list);

// One pile: its list and 0-based index.
struct PileRef {
    PileList list;
    int index;
    bool operator==(const PileRef&) const = default;
};

// "Mazzo", "Mazzo_Vis", "Mazzo_Waste", "Dest1".."Dest16", "Fila1".."Fila28",
// "Appogg1".."Appogg8".
std::string PileKey(PileRef pile);
// The pile a key names; empty for anything that is not a valid key.
std::optional<PileRef> PileByKey(std::string_view key);

class PileLists {
public:
    std::string& Pile(PileRef pile);
    const std::string& Pile(PileRef pile) const;
    std::string& Pile(PileList list, int index) { return Pile(PileRef{list, index}); }
    const std::string& Pile(PileList list, int index) const { return Pile(PileRef{list, index}); }

    std::array<std::string, kMazzoPileCount> mazzo;
    std::array<std::string, kDestPileCount> dest;
    std::array<std::string, kFilaPileCount> fila;
    std::array<std::string, kAppoggPileCount> appogg;

    void Clear();
};

// Appends the card's text to the pile; when the card is not 0 and a flag is
// given, also sets its face flag. Card 0 appends "000" and touches no row.
void AppendCard(PileLists& piles, DeckTable& deck, PileRef pile, CardNumber card,
                std::optional<char> flag = std::nullopt);

// Face flags of the cards of one pile. count >= 1: the top `count` cards get
// `flag`; -1: bottom, 3rd, 5th ... up and the others down; -2 the opposite;
// -3: the bottom card up and the rest down; 0 or below -3: nothing.
void TurnCards(DeckTable& deck, std::string_view pile, int count, char flag);

// Helpers over one pile text.
int CardCount(std::string_view pile);
// The card at 0-based position from the bottom; 0 when out of range. A slot
// written with a minus sign ("-01") reads as that negative number.
CardNumber CardAt(std::string_view pile, int position);
CardNumber TopCard(std::string_view pile);     // 0 for an empty pile
CardNumber BottomCard(std::string_view pile);  // 0 for an empty pile
std::vector<CardNumber> CardsOf(std::string_view pile);
bool HasGaps(std::string_view pile);
// 0-based position of the card in the pile, or -1.
int FindCard(std::string_view pile, CardNumber card);

}  // namespace vis
