#include "view/paint/mark_choice.h"

#include <array>

#include "model/families.h"
#include "model/rule_index.h"

namespace vis {

namespace {

constexpr std::string_view kRedealMark = "022";
constexpr std::string_view kExhaustedMark = "008";
constexpr std::string_view kSpecialStockMark = "021";
constexpr std::string_view kWasteMark = "_WASTE";
constexpr std::string_view kPlainMark = "004";
constexpr std::string_view kAnyCardTableauMark = "_TABLEAU";
constexpr std::string_view kReserveCellMark = "001";
constexpr std::string_view kJackMark = "006";
constexpr std::string_view kQueenMark = "003";
constexpr std::string_view kKingMark = "011";
constexpr std::string_view kSpecialReserveMark9 = "009";
// Rank marks of the ace to the ten.
constexpr std::array<std::string_view, 10> kNumberMarks{"010", "012", "013", "014", "015",
                                                        "016", "017", "018", "019", "020"};

std::string Text(std::string_view suffix) {
    return std::string(suffix);
}

// Passes are used up: the stock shows that no redeal remains.
bool PassesUsedUp(const GameContext& ctx) {
    const int passes = ctx.rules[rule::kPasses];
    return passes != -1 && ctx.game.passNumber >= passes;
}

std::optional<std::string> StockMark(const GameContext& ctx) {
    if (TraitsOf(ctx.rules[rule::kFamily]).stockShowsOwnMark) return Text(kSpecialStockMark);
    const bool exhausted =
        (ctx.rules[rule::kGatheringRedeal] > 0 && PassesUsedUp(ctx)) ||
        (ctx.piles.mazzo[kStockIndex].empty() && CardCount(ctx.piles.mazzo[kWasteIndex]) <= 1);
    return Text(exhausted ? kExhaustedMark : kRedealMark);
}

std::optional<std::string> WasteMark(const GameContext& ctx) {
    if (ctx.rules[rule::kHasStock] == 1) return Text(kWasteMark);
    // Without a stock the waste stands in for it.
    const int passes = ctx.rules[rule::kPasses];
    if (passes != 0 && (ctx.rules[rule::kGatheringRedeal] <= 0 || ctx.rules[rule::kHasStock] != 0))
        return std::nullopt;
    if (passes == 0 || PassesUsedUp(ctx)) return Text(kExhaustedMark);
    return Text(kRedealMark);
}

std::optional<std::string> RankOrPlain(int ruleValue, std::string_view plain) {
    const std::optional<std::string> rank = RankMarkSuffix(ruleValue);
    if (!rank) return Text(plain);
    if (rank->empty()) return std::nullopt;
    return rank;
}

std::optional<std::string> ReserveMark(const GameContext& ctx, int index) {
    const int all = ctx.rules[rule::kReserveRule];
    if (all == reserve::kCourtCard) return Text(kSpecialReserveMark9);
    if (all == reserve::kKingWhileFirstShort) return Text(kKingMark);
    switch (ctx.rules[rule::kReserveRule + index]) {
        case reserve::kJack:
            return Text(kJackMark);
        case reserve::kQueen:
            return Text(kQueenMark);
        case reserve::kKing:
            return Text(kKingMark);
        default:
            return Text(kReserveCellMark);
    }
}

}  // namespace

std::optional<std::string> RankMarkSuffix(int ruleValue) {
    switch (ruleValue) {
        case empty_pile::kAce:
        case empty_pile::kFourFoundationsAce:
        case empty_pile::kBalancedAce:
        case empty_pile::kBalancedAceToo:
            return Text(kNumberMarks[0]);
        case empty_pile::kTwo:
        case empty_pile::kBalancedTwo:
            return Text(kNumberMarks[1]);
        case empty_pile::kJack:
            return Text(kJackMark);
        case empty_pile::kQueen:
            return Text(kQueenMark);
        case empty_pile::kKing:
        case empty_pile::kFourFoundationsKing:
        case empty_pile::kBalancedKing:
            return Text(kKingMark);
        case empty_pile::kUnmarked:
            return std::string();
        default:
            break;
    }
    if (ruleValue > empty_pile::kTwo && ruleValue < empty_pile::kJack)
        return Text(kNumberMarks[static_cast<std::size_t>(ruleValue - 1)]);
    return std::nullopt;
}

std::optional<std::string> MarkSuffix(const GameContext& ctx, MarkKind kind, int pileIndex) {
    switch (kind) {
        case MarkKind::kStock:
            return StockMark(ctx);
        case MarkKind::kWaste:
            return WasteMark(ctx);
        case MarkKind::kFoundation:
            if (ctx.rules[rule::kFoundationBuilding + pileIndex] == building::kQueenOpens)
                return Text(kQueenMark);
            return RankOrPlain(ctx.rules[rule::kFoundationBase + pileIndex], kPlainMark);
        case MarkKind::kTableau: {
            const int value = ctx.rules[rule::kTableauEmpty + pileIndex];
            if (value == 0) return Text(kAnyCardTableauMark);
            return RankOrPlain(value, kPlainMark);
        }
        case MarkKind::kReserve:
            return ReserveMark(ctx, pileIndex);
        case MarkKind::kExtraPile:
            return Text(kWasteMark);
        case MarkKind::kNothing:
            return std::nullopt;
    }
    return std::nullopt;
}

MarkKind MarkKindOf(PileRef pile) {
    switch (pile.list) {
        case PileList::Mazzo:
            return pile.index == kStockIndex   ? MarkKind::kStock
                   : pile.index == kWasteIndex ? MarkKind::kWaste
                                               : MarkKind::kExtraPile;
        case PileList::Dest:
            return MarkKind::kFoundation;
        case PileList::Fila:
            return MarkKind::kTableau;
        case PileList::Appogg:
            return MarkKind::kReserve;
    }
    return MarkKind::kNothing;
}

}  // namespace vis
