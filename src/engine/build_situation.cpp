#include "engine/build_situation.h"

namespace vis {

namespace {
template <std::size_t N>
const std::string* PileOrNull(const std::array<std::string, N>& list, int index) {
    return index >= 0 && index < static_cast<int>(N) ? &list[static_cast<std::size_t>(index)]
                                                     : nullptr;
}
}  // namespace

int BuildSituation::Source() const {
    if (source_ == kSourceUnknown) source_ = CardLocation(ctx_, query_.card);
    return source_;
}

bool BuildSituation::TableauIsEmpty(int index) const {
    const std::string* pile = PileOrNull(ctx_.piles.fila, index);
    return pile != nullptr && pile->empty();
}

bool BuildSituation::TableauHoldsCards(int index) const {
    const std::string* pile = PileOrNull(ctx_.piles.fila, index);
    return pile != nullptr && !pile->empty();
}

std::string_view BuildSituation::Tableau(int index) const {
    const std::string* pile = PileOrNull(ctx_.piles.fila, index);
    return pile != nullptr ? std::string_view(*pile) : std::string_view();
}

bool BuildSituation::FoundationHoldsCards(int index) const {
    return !Foundation(index).empty();
}

std::string_view BuildSituation::Foundation(int index) const {
    const std::string* pile = PileOrNull(ctx_.piles.dest, index);
    return pile != nullptr ? std::string_view(*pile) : std::string_view();
}

bool BuildSituation::ReserveIsEmpty(int index) const {
    const std::string* pile = PileOrNull(ctx_.piles.appogg, index);
    return pile != nullptr && pile->empty();
}

bool BuildSituation::ReserveHoldsCards(int index) const {
    const std::string* pile = PileOrNull(ctx_.piles.appogg, index);
    return pile != nullptr && !pile->empty();
}

std::string_view BuildSituation::TargetPile() const {
    return query_.toFoundation ? Foundation(query_.index) : Tableau(query_.index);
}

int BuildSituation::StockCount() const {
    return CardCount(ctx_.piles.mazzo[kStockIndex]);
}
int BuildSituation::WasteCount() const {
    return CardCount(ctx_.piles.mazzo[kWasteIndex]);
}
CardNumber BuildSituation::WasteCard() const {
    return TopCardOrAbsent(ctx_.piles.mazzo[kWasteIndex]);
}

CardNumber TopCardOrAbsent(std::string_view pile) {
    const CardNumber top = TopCard(pile);
    return top >= 1 ? top : -1;
}

}  // namespace vis
