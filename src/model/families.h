// The game families (rule kFamily) by name, with what each family changes,
// and the named empty-pile, stock-deal, reserve, building, gap-fill and
// gathering codes: one table read by the engine, the painter, the rules
// pages and the games compiler. A family not named here plays as a standard game.
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
    bool buildsOnFaceDown = false;   // cards go onto face-down tops, which a press never turns;
                                     // a press lifts only a face-up top card, alone
    bool dealsFromOffTable = false;  // the deal flies in from off the table
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

// Empty-pile rules: the base of foundation i (rule kFoundationBase + i) and
// the fill of tableau pile i (rule kTableauEmpty + i). 1..13 take a card of
// that rank.
namespace empty_pile {
inline constexpr int kAnyCard = -1;
inline constexpr int kNone = 0;
inline constexpr int kAce = 1;
inline constexpr int kTwo = 2;
inline constexpr int kJack = 11;
inline constexpr int kQueen = 12;
inline constexpr int kKing = 13;
// Bases of the four foundations built up from an Ace and down from a King
// (building codes 58 and 64).
inline constexpr int kFourFoundationsAce = 58;
inline constexpr int kFourFoundationsKing = 64;
inline constexpr int kBalancedAce = 81;  // an Ace, the colours of the bases kept even
inline constexpr int kClosed = 82;
inline constexpr int kClosedToo = 83;
inline constexpr int kBalancedKing = 84;
inline constexpr int kBalancedAceToo = 85;
inline constexpr int kSingleCardOnly = 86;
inline constexpr int kFromStockOrWaste = 87;
inline constexpr int kNotFromTableau = 88;
inline constexpr int kBalancedTwo = 90;
inline constexpr int kBelowFirstBase = 91;  // a tableau fill resolved at the deal
inline constexpr int kMatchesStartedBases = 92;
inline constexpr int kMatchesStartedBasesOrReserve = 93;
inline constexpr int kUnmarked = 94;  // the empty pile shows no mark at all
inline constexpr int kReserveThenWaste = 96;

// The codes whose pile is built on an Ace although they name no rank.
constexpr bool IsAceBaseCode(int code) {
    return code == kBalancedAce || code == kClosed || code == kClosedToo;
}
}  // namespace empty_pile

// Deal codes of a tableau pile (rule kTableauStockDeal + i) or a reserve
// (rule kReserveStockDeal + i) for deals from the stock.
namespace stock_deal {
inline constexpr int kFirstTaking = 1;  // 1 to 8 take a card
inline constexpr int kLastTaking = 8;
inline constexpr int kToTableau = 1;          // pile 0: a press deals one card to each pile
inline constexpr int kToFullTableau = 2;      // pile 0: ... only while no tableau pile is empty
inline constexpr int kToReserves = 1;         // reserve 0: a press deals one card to each reserve
inline constexpr int kReservesOrLastRow = 3;  // reserve 0
inline constexpr int kReservesInTurn = 4;     // reserve 0
inline constexpr int kReserveFaceDown = 5;    // a reserve takes its card face down
inline constexpr int kTableauFaceDown = 6;    // a tableau pile takes its card face down
inline constexpr int kSkipWhileEmpty = 7;
inline constexpr int kFourRounds = 8;  // pile 0
}  // namespace stock_deal

// Reserve rules (rule kReserveRule + i); any other value makes a free cell.
// The rule of reserve 0 at 8 or 9 marks every reserve alike.
namespace reserve {
inline constexpr int kClosed = 4;
inline constexpr int kKingWhileFirstShort = 8;  // a King while reserve 0 holds fewer than 3
inline constexpr int kCourtCard = 9;
inline constexpr int kAnyCard = 12;
inline constexpr int kWhileFirstShort = 13;  // any single card while reserve 0 holds fewer than 5
inline constexpr int kAsPartnerPile = 81;    // a single card, by building code kPartnerPile
inline constexpr int kWasteCardOnly = 85;
inline constexpr int kJack = 88;
inline constexpr int kQueen = 89;
inline constexpr int kKing = 90;
}  // namespace reserve

// Building codes of a foundation (rule kFoundationBuilding + i) or a tableau
// pile (rule kTableauBuilding + i) that more than the move rules read.
namespace building {
inline constexpr int kQueenOpens = 10;
inline constexpr int kUnlimitedLength = 20;
inline constexpr int kSuitLedFromTableau =
    22;  // the discards, beaten by a higher card of their suit
inline constexpr int kTurningAtThirteen = 29;
inline constexpr int kSingleCardsOnly = 34;
inline constexpr int kPartnerPile = 81;  // empty takes anything, started builds by suit
}  // namespace building

// How empty tableau piles are filled at once (rule kAutoFillTableau).
namespace gap_fill {
inline constexpr int kNone = 0;
inline constexpr int kFromFirstReserve = 1;
inline constexpr int kWasteThenStock = 2;
inline constexpr int kStockThenWaste = 3;
inline constexpr int kWasteThenStockUntilCounted = 4;
inline constexpr int kThreeFromWaste = 5;
inline constexpr int kWasteToCorners = 6;
inline constexpr int kStockFromPileTen = 7;
inline constexpr int kWasteThenStockWithReserves = 8;
inline constexpr int kFourFromStock = 9;
}  // namespace gap_fill

// What a press on the empty stock gathers and deals again (rule
// kGatheringRedeal); 0 gathers nothing.
namespace gathering {
inline constexpr int kNone = 0;
inline constexpr int kFillEachPile = 1;  // into the stock; each pile filled to its dealt size
inline constexpr int kDealRound = 2;     // into the stock; one card to each pile in turn
inline constexpr int kDealRoundToo = 3;
inline constexpr int kGatherOnly = 4;
inline constexpr int kGatherOnlyToo = 5;
// Into the waste, each pile filled to its dealt size, and on every press
// of the stock, empty or not.
inline constexpr int kFillEachPileEveryPress = 6;
inline constexpr int kBottomToTop = 7;
inline constexpr int kKeepLeadingRuns = 8;
inline constexpr int kBottomCardsToWaste = 9;
inline constexpr int kTableauAndReservesToPile = 10;
inline constexpr int kTopCardsInTurn = 11;

// The redeals that put the gathered cards back on the tableau piles.
constexpr bool DealsBackToTableau(int code) {
    return code == kFillEachPile || code == kDealRound || code == kDealRoundToo ||
           code == kFillEachPileEveryPress;
}
// ... and of those, the ones that fill each pile before the next.
constexpr bool FillsEachPile(int code) {
    return code == kFillEachPile || code == kFillEachPileEveryPress;
}
}  // namespace gathering

// The codes by the names the game definitions may write for them.
struct CodeName {
    std::string_view name;
    int code;
};

inline constexpr CodeName kEmptyPileNames[] = {
    {"AnyCard", empty_pile::kAnyCard},
    {"None", empty_pile::kNone},
    {"King", empty_pile::kKing},
    {"BalancedAce", empty_pile::kBalancedAce},
    {"Closed", empty_pile::kClosed},
    {"ClosedToo", empty_pile::kClosedToo},
    {"BalancedKing", empty_pile::kBalancedKing},
    {"BalancedAceToo", empty_pile::kBalancedAceToo},
    {"SingleCardOnly", empty_pile::kSingleCardOnly},
    {"FromStockOrWaste", empty_pile::kFromStockOrWaste},
    {"NotFromTableau", empty_pile::kNotFromTableau},
    {"BalancedTwo", empty_pile::kBalancedTwo},
    {"BelowFirstBase", empty_pile::kBelowFirstBase},
    {"MatchesStartedBases", empty_pile::kMatchesStartedBases},
    {"MatchesStartedBasesOrReserve", empty_pile::kMatchesStartedBasesOrReserve},
    {"ReserveThenWaste", empty_pile::kReserveThenWaste},
};

inline constexpr CodeName kStockDealNames[] = {
    {"ToTableau", stock_deal::kToTableau},
    {"ToFullTableau", stock_deal::kToFullTableau},
    {"ToReserves", stock_deal::kToReserves},
    {"ReservesOrLastRow", stock_deal::kReservesOrLastRow},
    {"ReservesInTurn", stock_deal::kReservesInTurn},
    {"ReserveFaceDown", stock_deal::kReserveFaceDown},
    {"TableauFaceDown", stock_deal::kTableauFaceDown},
    {"SkipWhileEmpty", stock_deal::kSkipWhileEmpty},
    {"FourRounds", stock_deal::kFourRounds},
};

inline constexpr CodeName kReserveNames[] = {
    {"Closed", reserve::kClosed},
    {"KingWhileFirstShort", reserve::kKingWhileFirstShort},
    {"CourtCard", reserve::kCourtCard},
    {"AnyCard", reserve::kAnyCard},
    {"WhileFirstShort", reserve::kWhileFirstShort},
    {"AsPartnerPile", reserve::kAsPartnerPile},
    {"WasteCardOnly", reserve::kWasteCardOnly},
    {"Jack", reserve::kJack},
    {"Queen", reserve::kQueen},
    {"King", reserve::kKing},
};

inline constexpr CodeName kBuildingNames[] = {
    {"QueenOpens", building::kQueenOpens},
    {"UnlimitedLength", building::kUnlimitedLength},
    {"SuitLedFromTableau", building::kSuitLedFromTableau},
    {"TurningAtThirteen", building::kTurningAtThirteen},
    {"SingleCardsOnly", building::kSingleCardsOnly},
    {"PartnerPile", building::kPartnerPile},
};

// The memory games score from minus one deck of 52, whatever they deal.
inline constexpr int kMemoryScoreDeck = 52;

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
