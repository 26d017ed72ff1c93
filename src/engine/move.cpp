#include "engine/move.h"

#include "model/text.h"

namespace vis {

namespace {

constexpr std::string_view kAutoplayFoundation = "Dest_Autoplay";
constexpr std::string_view kFoundationWord = "Dest";
constexpr std::string_view kStockOperationPrefix = "Mazzo";
constexpr std::string_view kToWaste = "Mazzo_Vis";
constexpr std::string_view kToSecondWaste = "Mazzo_Waste";
constexpr std::string_view kRedeal = "Mazzo_Redeal";
constexpr std::string_view kDiscard = "Waste";
constexpr std::string_view kBackOnWaste = "Stock02";

struct OperationName {
    MoveKind kind;
    std::string_view name;
};

constexpr OperationName kOperations[] = {
    {MoveKind::kRemoveSelection, "Selezionate_Dest"},
    {MoveKind::kRefillFromStock, "Selezionate_Fila"},
    {MoveKind::kCloseUpAndRefill, "Stock_To_Pile_Monte_Carlo"},
};

std::optional<Move> ParseTarget(int cardOrCount, std::string_view target) {
    if (StartsWith(target, kAutoplayFoundation)) {
        const std::string key =
            std::string(kFoundationWord) + std::string(target.substr(kAutoplayFoundation.size()));
        const auto pile = PileByKey(key);
        if (!pile) return std::nullopt;
        Move move = Move::Cards(cardOrCount, *pile);
        move.autoplay = true;
        return move;
    }
    if (target == kDiscard) return Move::Cards(cardOrCount, {PileList::Mazzo, kSecondWasteIndex});
    if (target == kBackOnWaste) return Move::Cards(cardOrCount, {PileList::Mazzo, kWasteIndex});
    // Every other stock word but the two deals asks for a gathering only.
    if (target == kToWaste) return Move::Stock(StockOperation::kToWaste);
    if (target == kToSecondWaste) return Move::Stock(StockOperation::kToSecondWaste);
    if (StartsWith(target, kStockOperationPrefix)) return Move::Stock(StockOperation::kRedeal);
    if (const auto deal = ParsePileDeal(target)) return Move::Deal(*deal);
    for (const OperationName& operation : kOperations)
        if (target == operation.name) return Move::Operation(operation.kind);
    const auto pile = PileByKey(target);
    if (!pile || pile->list == PileList::Mazzo) return std::nullopt;
    return Move::Cards(cardOrCount, *pile);
}

}  // namespace

std::optional<Move> ParseMove(int cardOrCount, std::string_view target) {
    std::optional<Move> move = ParseTarget(cardOrCount, target);
    // An operation keeps the number it was given, as the executor is told.
    if (move) move->card = cardOrCount;
    return move;
}

std::string MoveText(const Move& move) {
    switch (move.kind) {
        case MoveKind::kCards:
            if (move.to == PileRef{PileList::Mazzo, kSecondWasteIndex})
                return std::string(kDiscard);
            if (move.to == PileRef{PileList::Mazzo, kWasteIndex}) return std::string(kBackOnWaste);
            if (move.autoplay && move.to.list == PileList::Dest)
                return std::string(kAutoplayFoundation) + std::to_string(move.to.index + 1);
            return PileKey(move.to);
        case MoveKind::kStock:
            switch (move.stock) {
                case StockOperation::kToWaste:
                    return std::string(kToWaste);
                case StockOperation::kToSecondWaste:
                    return std::string(kToSecondWaste);
                case StockOperation::kRedeal:
                    return std::string(kRedeal);
            }
            return {};
        case MoveKind::kPileDeal:
            return PileDealText(move.deal);
        default:
            for (const OperationName& operation : kOperations)
                if (move.kind == operation.kind) return std::string(operation.name);
            return {};
    }
}

}  // namespace vis
