#include "view/geometry/card_size.h"

#include "view/geometry/fan_types.h"

namespace vis {

namespace {

enum class CardSize { kBig, kMedium, kLittle };

// Fan steps are chosen for the three sizes only; an unknown letter gets the
// steps of the default size.
CardSize SizeForFanSteps(const StateBlock& state) {
    const std::string letter = state.Get(field::kCardSize);
    if (letter == "M") return CardSize::kMedium;
    if (letter == "L") return CardSize::kLittle;
    return CardSize::kBig;
}

int BySize(CardSize size, int big, int medium, int little) {
    return size == CardSize::kBig ? big : size == CardSize::kMedium ? medium : little;
}

}  // namespace

void ApplyCardSize(GameContext& ctx) {
    TableLayout& layout = ctx.game.layout;
    const std::string letter = ctx.state.Get(field::kCardSize);
    if (letter == "B") {
        layout.cardWidth = 71;
        layout.cardHeight = 96;
    } else if (letter == "M") {
        layout.cardWidth = 59;
        layout.cardHeight = 80;
    } else if (letter == "L") {
        layout.cardWidth = 25;
        layout.cardHeight = 32;
    }
    ctx.ui.ReloadCardImages();
}

int ShadowMargin(const StateBlock& state) {
    return state.GetSettings().cardsShadowed ? 9 : 0;
}

void UpdateShadowMargin(GameContext& ctx) {
    ctx.game.layout.shadowMargin = ShadowMargin(ctx.state);
}

void SetFanSteps(GameContext& ctx) {
    const CardSize size = SizeForFanSteps(ctx.state);
    const int tableauFan = ctx.rules[rule::kTableauFan];
    const int reserveFan = ctx.rules[rule::kReserveFan];

    FanSteps steps;  // fans off, side gap 6, reserve stack step 3
    if (tableauFan == fan::kDown || tableauFan == fan::kOneStep || reserveFan == fan::kDown) {
        steps.faceDownDown = BySize(size, 4, 4, 3);
        steps.faceUpDown = BySize(size, 18, 14, 3);
    }
    if (tableauFan == fan::kRight || reserveFan == fan::kRight) {
        steps.faceDownRight = BySize(size, 4, 4, 3);
        steps.faceUpRight = BySize(size, 12, 10, 3);
    }
    if (tableauFan == fan::kOverlap) steps.overlap = BySize(size, 7, 5, 3);
    steps.gridGapX = BySize(size, 12, 8, 4);
    steps.gridGapY = BySize(size, 8, 6, 3);
    ctx.game.layout.fan = steps;
}

}  // namespace vis
