#include "model/cards.h"

#include "model/text.h"

namespace vis {

std::string CardText(CardNumber card) {
    return ZeroPad(card, 3);
}

int SuitIndex(CardNumber card) {
    if (card > 52) card -= 52;
    if (card <= 13) return 0;
    if (card <= 26) return 1;
    if (card <= 39) return 2;
    if (card <= 52) return 3;
    return -1;
}

int RankOf(CardNumber card) {
    if (card > 52) card -= 52;
    if (card <= 13) return card;
    if (card <= 52) return (card - 1) % 13 + 1;
    if (card <= 56) return kJokerRank;  // 105-108 before the subtraction
    return -1;
}

int RankBelow(int rank) {
    return rank == 1 ? 13 : rank - 1;
}
int RankAbove(int rank) {
    return rank == 13 ? 1 : rank + 1;
}

bool IsRed(CardNumber card) {
    const int suit = SuitIndex(card);
    return suit == 0 || suit == 1;
}

namespace {
std::string RankWord(int rank) {
    return rank >= 2 && rank <= 10 ? ZeroPad(rank, 2) : RankIndex(rank);
}
}  // namespace

DeckTable::DeckTable() {
    for (int card = 1; card <= kDeckTableRows; ++card) {
        std::string name;
        char suitDigit = '4';
        if (card >= kFirstJoker) {
            name = "JOKER";
        } else {
            const int suit = SuitIndex(card);
            name = std::string(kSuitWords[static_cast<std::size_t>(suit)]) + "_" +
                   RankWord(RankOf(card));
            suitDigit = static_cast<char>('1' + suit);
        }
        rows_[static_cast<std::size_t>(card - 1)] =
            PadOrCut(name, 15) + suitDigit + CardText(card) + kFaceUp;
    }
}

std::string RankIndex(int rank) {
    switch (rank) {
        case 1:
            return "A";
        case 11:
            return "J";
        case 12:
            return "Q";
        case 13:
            return "K";
        default:
            return std::to_string(rank);
    }
}

const std::string& DeckTable::Row(CardNumber card) const {
    static const std::string kNoRow;
    if (card < 1 || card > kDeckTableRows) return kNoRow;
    return rows_[static_cast<std::size_t>(card - 1)];
}

bool DeckTable::IsFaceUp(CardNumber card) const {
    if (card < 1 || card > kDeckTableRows) return false;
    return rows_[static_cast<std::size_t>(card - 1)][kDeckRowLength - 1] != kFaceDown;
}

void DeckTable::SetCardFace(CardNumber card, char flag) {
    if (card < 1 || card > kDeckTableRows) return;
    rows_[static_cast<std::size_t>(card - 1)][kDeckRowLength - 1] = flag;
}

}  // namespace vis
