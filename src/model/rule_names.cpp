#include "model/rule_names.h"

#include <array>

#include "model/rule_index.h"
#include "model/text.h"

namespace vis {

namespace {

using enum PileGroup;

constexpr std::array kRuleNames{
    RuleName{"BasesFromDeal", rule::kBasesFromDeal},
    RuleName{"RunCheck", rule::kRunCheck},
    RuleName{"TableauFan", rule::kTableauFan},
    RuleName{"FoundationFan", rule::kFoundationFan},
    RuleName{"ReserveFan", rule::kReserveFan},
    RuleName{"StockFaceDown", rule::kStockFaceDown},
    RuleName{"HasStock", rule::kHasStock},
    RuleName{"HasWaste", rule::kHasWaste},
    RuleName{"ExtraFoundationCard", rule::kExtraFoundationCard},
    RuleName{"MoveUnitLimit", rule::kMoveUnitLimit},
    RuleName{"ReserveLift", rule::kReserveLift},
    RuleName{"Passes", rule::kPasses},
    RuleName{"GatheringRedeal", rule::kGatheringRedeal},
    RuleName{"StockWaitsForWaste", rule::kStockWaitsForWaste},
    RuleName{"FoundationLift", rule::kFoundationLift},
    RuleName{"WasteLocked", rule::kWasteLocked},
    RuleName{"AutoplayAvailable", rule::kAutoplayAvailable},
    RuleName{"NoSaveNoUndo", rule::kNoSaveNoUndo},
    RuleName{"CardsPerPress", rule::kCardsPerPress},
    RuleName{"AutoFillTableau", rule::kAutoFillTableau},
    RuleName{"PlayHomeOrder", rule::kPlayHomeOrder},
    RuleName{"GridRows", rule::kGridRows},
    RuleName{"GridColumns", rule::kGridColumns},
    RuleName{"GridWidth", rule::kGridWidth},
    RuleName{"SortedFoundations", rule::kSortedFoundations},
    RuleName{"KingsToBottom", rule::kKingsToBottom},
    RuleName{"FoundationMaxCards", rule::kFoundationMaxCards},
    RuleName{"TableauMaxCards", rule::kTableauMaxCards},
    RuleName{"DealArrangement", rule::kDealArrangement},
    RuleName{"StockWasteRestriction", rule::kStockWasteRestriction},
    RuleName{"ClickToMove", rule::kClickToMove},
    RuleName{"ScreenNeed", rule::kScreenNeed},
    RuleName{"SelectionGame", rule::kSelectionGame},
    RuleName{"FillPhase", rule::kFillPhase},
    RuleName{"FillAfterFirstMove", rule::kFillAfterFirstMove},
    RuleName{"AutoFaceUpAllowed", rule::kAutoFaceUpAllowed},
    RuleName{"PairingDetail", rule::kPairingDetail},
    RuleName{"JokersInDeck", rule::kJokersInDeck},
    RuleName{"ScoreValueA", rule::kScoreValueA},
    RuleName{"ScoreValueB", rule::kScoreValueB},
    RuleName{"WinningScore", rule::kWinningScore},
    RuleName{"Family", rule::kFamily},
    RuleName{"FoundationBase", rule::kFoundationBase, kFoundations},
    RuleName{"FoundationDirection", rule::kFoundationDirection, kFoundations},
    RuleName{"FoundationBuilding", rule::kFoundationBuilding, kFoundations},
    RuleName{"FoundationStart", rule::kFoundationStart, kFoundations},
    RuleName{"FoundationComplete", rule::kFoundationComplete, kFoundations},
    RuleName{"TableauEmpty", rule::kTableauEmpty, kTableau},
    RuleName{"TableauDirection", rule::kTableauDirection, kTableau},
    RuleName{"TableauBuilding", rule::kTableauBuilding, kTableau},
    RuleName{"TableauWrap", rule::kTableauWrap, kTableau},
    RuleName{"TableauStockDeal", rule::kTableauStockDeal, kTableau},
    RuleName{"ReserveRule", rule::kReserveRule, kReserves},
    RuleName{"ReserveStockDeal", rule::kReserveStockDeal, kReserves},
    RuleName{"SecondWasteCard", rule::kSecondWasteCard},
    RuleName{"WasteBuilds", rule::kWasteBuilds},
    RuleName{"WasteNotTarget", rule::kWasteNotTarget},
    RuleName{"StockArrangement", rule::kStockArrangement},
    RuleName{"StockRow", rule::kStockRow},
    RuleName{"FoundationArrangement", rule::kFoundationArrangement},
    RuleName{"FoundationRow", rule::kFoundationRow},
    RuleName{"TableauArrangement", rule::kTableauArrangement},
    RuleName{"TableauRow", rule::kTableauRow},
    RuleName{"TableauWrapRows", rule::kTableauWrapRows},
    RuleName{"ReserveArrangement", rule::kReserveArrangement},
    RuleName{"ReserveRow", rule::kReserveRow},
    RuleName{"ExtraStockArrangement", rule::kExtraStockArrangement},
    RuleName{"ExtraStockRow", rule::kExtraStockRow},
    RuleName{"StockGroupPlaced", rule::kStockGroupPlaced},
    RuleName{"FoundationCount", rule::kFoundationCount},
    RuleName{"TableauCount", rule::kTableauCount},
    RuleName{"ReserveCount", rule::kReserveCount},
    RuleName{"ExtraStockPiles", rule::kExtraStockPiles},
    RuleName{"DeckSize", rule::kDeckSize},
    RuleName{"StockCards", rule::kStockCards},
    RuleName{"WasteCards", rule::kWasteCards},
    RuleName{"JokerCount", rule::kJokerCount},
    RuleName{"TableauCards", rule::kTableauCards, kTableau},
    RuleName{"TableauFaceUp", rule::kTableauFaceUp, kTableau},
    RuleName{"SecondWasteCards", rule::kSecondWasteCards},
    RuleName{"ReserveCards", rule::kReserveCards, kReserves},
    RuleName{"ReserveFaceUp", rule::kReserveFaceUp, kReserves},
    RuleName{"CustomCardsPerPress", rule::kCustomCardsPerPress},
    RuleName{"CustomRedeals", rule::kCustomRedeals},
    RuleName{"CustomTableauSpaces", rule::kCustomTableauSpaces},
    RuleName{"GameLength", rule::kGameLength},
    RuleName{"Difficulty", rule::kDifficulty},
    RuleName{"Skill", rule::kSkill},
    RuleName{"ChanceOfWinning", rule::kChanceOfWinning},
    RuleName{"OddsWins", rule::kOddsWins},
    RuleName{"OddsGames", rule::kOddsGames},
};

struct PileGroupFacts {
    int capacity;
    int countRule;
    std::string_view word;
};

PileGroupFacts FactsOf(PileGroup group) {
    switch (group) {
        case kFoundations:
            return {16, rule::kFoundationCount, "foundations"};
        case kTableau:
            return {28, rule::kTableauCount, "tableau piles"};
        case kReserves:
            return {8, rule::kReserveCount, "reserves"};
        case kNone:
            break;
    }
    return {1, 0, "piles"};
}

}  // namespace

std::span<const RuleName> AllRuleNames() {
    return kRuleNames;
}

const RuleName* FindRuleName(std::string_view name) {
    for (const RuleName& entry : kRuleNames)
        if (EqualsIgnoreCase(entry.name, name)) return &entry;
    return nullptr;
}

const RuleName* RuleNameOfIndex(int index) {
    for (const RuleName& entry : kRuleNames) {
        const int size = entry.group == PileGroup::kNone ? 1 : PileGroupCapacity(entry.group);
        if (index >= entry.index && index < entry.index + size) return &entry;
    }
    return nullptr;
}

int PileGroupCapacity(PileGroup group) {
    return FactsOf(group).capacity;
}

int PileGroupCountRule(PileGroup group) {
    return FactsOf(group).countRule;
}

std::string_view PileGroupWord(PileGroup group) {
    return FactsOf(group).word;
}

}  // namespace vis
