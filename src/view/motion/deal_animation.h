// The deal shown card by card: each card of the reserves and the tableau
// leaves the deal source (the stock, or the first pile that stands in for
// it), is picked up beside it and flies to its place, while the shuffle
// sound loops.
#pragma once

#include <optional>

#include "view/motion/card_motion.h"
#include "view/paint/table_repaint.h"

namespace vis {

// Where the cards of a deal come from: a pile of the table, or a point off
// the table when no pile serves.
struct DealSource {
    std::optional<PileRef> pile;
    Point at;
};

// The first placed of: the stock (holding cards, or with an empty waste),
// the waste, reserve 1 (holding one card at most), the extra stock-group
// pile, foundation 1, tableau pile 1; in game family 46 the tableau's stand
// in is off the table to the left.
DealSource FindDealSource(const PaintScene& scene);

class DealAnimation : public DealShow {
public:
    explicit DealAnimation(CardMotion& motion) : motion_(motion) {}

    void Begin(PaintScene& scene) override;
    void DealCard(PaintScene& scene, PileRef pile, std::string_view pileText, int slot) override;
    void End(PaintScene& scene) override;

private:
    CardMotion& motion_;
    DealSource source_;
};

}  // namespace vis
