// The game families (rule kFamily) by name, with what each family changes,
// in one table read by the engine, the painter, the rules pages and the
// games compiler. A family not named here plays as a standard game.
#pragma once

#include <array>
#include <string_view>

namespace vis {

enum class Family : int {
    kStandard = 0,
    kSumFifteen = 1,            // tens to Kings by fours; lower cards adding up to 15 or 10
    kDiscardNeighbours = 2,     // a card one rank away from the discard's top card is discarded
    kSumFourteen = 3,           // two tableau cards adding up to 14
    kPyramid = 4,               // two exposed cards adding up to 13
    kSumTarget = 7,             // cards adding up to the game's sum
    kNeighbourPairs = 8,        // two cards of a rank touching in the grid; the stock closes up
    kPokerGrid = 9,             // cards placed in a 5 x 5 grid score as poker hands
    kNextRankLabels = 10,       // each foundation shows the rank it wants next
    kAcesHome = 11,             // the deal sends the aces of reserve and waste home
    kEddy = 12,                 // discard by neighbouring rank, King and Ace pair too
    kDiscardWrapping = 15,      // discard by neighbouring rank, King and Ace pair too
    kCardRow = 19,              // the cards lie in one row
    kBetweenSameSuits = 21,     // a card between two cards of one suit in the row
    kQueenAndKing = 22,         // the deal sets out the Queen and King of hearts
    kCountedDrops = 23,         // tableau cards go home only while drops are counted
    kOneCardPerPile = 27,       // complete when every tableau pile holds one card
    kCountedDeals = 28,         // the stock deals a counted number of times
    kFourOfAKind = 29,          // four cards of a rank are discarded together
    kCompanions = 30,           // Jacks and Kings open the foundations of Aces and Queens
    kAcesAlone = 31,            // complete when every tableau pile holds one Ace
    kGaps = 32,                 // rows with gaps, each to be built up from a two
    kPathThroughGrid = 33,      // a selection is a path through the grid
    kOrderedBottoms = 34,       // score by the bottom cards in pile order
    kDiscardCount = 35,         // score by the discarded cards
    kMemoryAceToKing = 36,      // memory: turn up the cards in rank order
    kMemoryPairs = 37,          // memory: pairs of the same card of two decks
    kMemoryForgetMeNot = 38,    // memory: matched pairs of the first ten piles
    kMemoryConcentration = 39,  // memory: pairs of a rank
    kClock = 40,                // face-down builds round the clock; four Kings on pile 13 lose
    kEmptyFoundations = 41,     // score by the foundations left empty
    kLabelledPiles = 42,        // the tableau piles are labelled and scored rising from the bottom
    kNineDown = 43,             // one tableau pile reading 9 down to 1
    kTopCardsSum = 44,          // the tableau's top cards add up to 91
    kSuitInLine = 45,           // two cards of a suit in one row or column of the grid
    kGapsOffTable = 46,         // gap rows dealt from off the table
    kDiscardAll = 47,           // the selection is discarded and the stock deals again
};

// How a family's score is kept.
enum class ScoringKind {
    kStandard,     // cards home, turned and moved (the standard formula)
    kPokerHands,   // the grid's hands keep their own count
    kFamilyScore,  // the family's own formula
};

struct FamilyTraits {
    Family family = Family::kStandard;
    std::string_view name;  // the name in the game definitions
    ScoringKind scoring = ScoringKind::kStandard;
    bool discardsByRank = false;          // a card one rank from the discard's top goes there
    bool discardWrapsKingAce = false;     // ... and a King and an Ace pair too
    bool turnsCardsInPairs = false;       // a memory game: face-down cards turn up two at a time
    bool memoryGame = false;              // the memory game end dialog sums the game up
    bool selectsOnTableau = false;        // a selection game by its own press handling
    bool gapGame = false;                 // rows of positions with "000" gaps
    bool ownRightPress = false;           // a right press is the family's, not a right-click move
    bool judgesCompletionLate = false;    // completion is judged after the family follow-ups
    bool scoresEveryMove = false;         // the score and the done flag follow every move
    bool stockShowsOwnMark = false;       // the stock shows the pairing mark
    bool snapshotKeepsSelection = false;  // undo snapshots keep foundation 1 empty
    bool buildsOnFaceDown = false;        // cards go onto face-down tops, which a press never turns;
                                          // a press lifts only a face-up top card, alone
    bool dealsFromOffTable = false;       // the deal flies in from off the table
};

namespace family_detail {

constexpr FamilyTraits Row(Family family, std::string_view name) {
    FamilyTraits t;
    t.family = family;
    t.name = name;
    return t;
}

constexpr FamilyTraits Discarding(Family family, std::string_view name, bool wraps) {
    FamilyTraits t = Row(family, name);
    t.discardsByRank = true;
    t.discardWrapsKingAce = wraps;
    return t;
}

constexpr FamilyTraits Scored(FamilyTraits t) {
    t.scoring = ScoringKind::kFamilyScore;
    return t;
}

constexpr FamilyTraits Memory(Family family, std::string_view name, bool inPairs) {
    FamilyTraits t = Scored(Row(family, name));
    t.memoryGame = true;
    t.turnsCardsInPairs = inPairs;
    return t;
}

constexpr FamilyTraits SelectingOnTableau(Family family, std::string_view name) {
    FamilyTraits t = Row(family, name);
    t.selectsOnTableau = true;
    t.snapshotKeepsSelection = family != Family::kPathThroughGrid;
    t.ownRightPress = family == Family::kPathThroughGrid;
    return t;
}

constexpr FamilyTraits Gaps(Family family, std::string_view name) {
    FamilyTraits t = Scored(Row(family, name));
    t.gapGame = true;
    t.ownRightPress = true;
    t.dealsFromOffTable = family == Family::kGapsOffTable;
    return t;
}

constexpr FamilyTraits LateCompletion(FamilyTraits t) {
    t.judgesCompletionLate = true;
    return t;
}

constexpr FamilyTraits EveryMoveScored(FamilyTraits t) {
    t.scoresEveryMove = true;
    return Scored(t);
}

constexpr FamilyTraits OwnStockMark(FamilyTraits t) {
    t.stockShowsOwnMark = true;
    return t;
}

constexpr FamilyTraits ClockTraits() {
    FamilyTraits t = Scored(Row(Family::kClock, "Clock"));
    t.buildsOnFaceDown = true;
    return t;
}

constexpr FamilyTraits PokerTraits() {
    FamilyTraits t = Row(Family::kPokerGrid, "PokerGrid");
    t.scoring = ScoringKind::kPokerHands;
    return t;
}

inline constexpr std::array kFamilyTable{
    Row(Family::kStandard, "Standard"),
    Row(Family::kSumFifteen, "SumFifteen"),
    Discarding(Family::kDiscardNeighbours, "DiscardNeighbours", false),
    SelectingOnTableau(Family::kSumFourteen, "SumFourteen"),
    SelectingOnTableau(Family::kPyramid, "Pyramid"),
    Row(Family::kSumTarget, "SumTarget"),
    OwnStockMark(Row(Family::kNeighbourPairs, "NeighbourPairs")),
    PokerTraits(),
    Row(Family::kNextRankLabels, "NextRankLabels"),
    Row(Family::kAcesHome, "AcesHome"),
    Discarding(Family::kEddy, "Eddy", true),
    Discarding(Family::kDiscardWrapping, "DiscardWrapping", true),
    Row(Family::kCardRow, "CardRow"),
    Row(Family::kBetweenSameSuits, "BetweenSameSuits"),
    Row(Family::kQueenAndKing, "QueenAndKing"),
    Row(Family::kCountedDrops, "CountedDrops"),
    Row(Family::kOneCardPerPile, "OneCardPerPile"),
    Row(Family::kCountedDeals, "CountedDeals"),
    Row(Family::kFourOfAKind, "FourOfAKind"),
    Row(Family::kCompanions, "Companions"),
    LateCompletion(Row(Family::kAcesAlone, "AcesAlone")),
    Gaps(Family::kGaps, "Gaps"),
    SelectingOnTableau(Family::kPathThroughGrid, "PathThroughGrid"),
    LateCompletion(Scored(Row(Family::kOrderedBottoms, "OrderedBottoms"))),
    LateCompletion(Scored(Row(Family::kDiscardCount, "DiscardCount"))),
    Memory(Family::kMemoryAceToKing, "MemoryAceToKing", true),
    Memory(Family::kMemoryPairs, "MemoryPairs", true),
    Memory(Family::kMemoryForgetMeNot, "MemoryForgetMeNot", false),
    Memory(Family::kMemoryConcentration, "MemoryConcentration", true),
    ClockTraits(),
    Scored(Row(Family::kEmptyFoundations, "EmptyFoundations")),
    Scored(Row(Family::kLabelledPiles, "LabelledPiles")),
    EveryMoveScored(Row(Family::kNineDown, "NineDown")),
    EveryMoveScored(Row(Family::kTopCardsSum, "TopCardsSum")),
    OwnStockMark(Row(Family::kSuitInLine, "SuitInLine")),
    Gaps(Family::kGapsOffTable, "GapsOffTable"),
    Scored(Row(Family::kDiscardAll, "DiscardAll")),
};

}  // namespace family_detail

// The family of a rule value; any value, named or not, is a family.
constexpr Family FamilyOf(int code) {
    return static_cast<Family>(code);
}

constexpr int FamilyCode(Family family) {
    return static_cast<int>(family);
}

// A family not in the table has no special traits.
constexpr const FamilyTraits& TraitsOf(Family family) {
    for (const FamilyTraits& row : family_detail::kFamilyTable)
        if (row.family == family) return row;
    return family_detail::kFamilyTable[0];
}

constexpr const FamilyTraits& TraitsOf(int code) {
    return TraitsOf(FamilyOf(code));
}

// Every named family, for the games compiler and the rules pages.
constexpr const auto& FamilyTable() {
    return family_detail::kFamilyTable;
}

// Game 3 shows its stock beside a tableau pile whose empty mark would cover
// it, so the stock is painted again when a tableau pile empties.
constexpr bool StockPaintedWithEmptyTableau(int gameNumber) {
    constexpr int kStockBesideTableauGame = 3;
    return gameNumber == kStockBesideTableauGame;
}

}  // namespace vis
