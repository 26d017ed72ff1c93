// Card numbers and the per-card face table.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace vis {

// 1-52 first deck ((suit - 1) * 13 + rank), 53-104 second deck, 105-108 jokers.
using CardNumber = int;

inline constexpr CardNumber kFirstJoker = 105;
inline constexpr CardNumber kLastCard = 108;
inline constexpr int kDeckTableRows = 108;
inline constexpr int kDeckRowLength = 20;
inline constexpr int kJokerRank = 100;

// Suit indices 0-3 in suit order: hearts, diamonds, clubs, spades.
inline constexpr std::array<std::string_view, 4> kSuitWords = {"CUORI", "QUADR", "FIORI", "PICCH"};

// Three digits with leading zeros; "000" marks an empty slot.
std::string CardText(CardNumber card);

int SuitIndex(CardNumber card);  // 0-3, -1 for a joker
int RankOf(CardNumber card);     // 1-13, 100 for a joker
// The index a card shows: "A", "2" ... "10", "J", "Q", "K".
std::string RankIndex(int rank);
int RankBelow(int rank);      // 1 -> 13
int RankAbove(int rank);      // 13 -> 1
bool IsRed(CardNumber card);  // hearts and diamonds

// One 20-character row per card: name, suit digit, number, face flag.
// Only the face flag (character 20) changes after it is filled.
class DeckTable {
public:
    DeckTable();  // filled, every card face up

    const std::string& Row(CardNumber card) const;
    // Face down exactly when character 20 is "0"; numbers outside 1-108 are
    // not cards and read as face down.
    bool IsFaceUp(CardNumber card) const;
    // `flag` is '1' or '0'; numbers outside 1-108 are ignored.
    void SetCardFace(CardNumber card, char flag);

private:
    std::array<std::string, kDeckTableRows> rows_;
};

inline constexpr char kFaceUp = '1';
inline constexpr char kFaceDown = '0';

}  // namespace vis
