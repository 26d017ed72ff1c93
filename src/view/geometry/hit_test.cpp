#include "view/geometry/hit_test.h"

#include <algorithm>

#include "model/rule_index.h"
#include "view/geometry/card_position.h"
#include "view/geometry/fan_types.h"
#include "view/geometry/grid_spread.h"

namespace vis {

namespace {

// Reserves whose every card may be lifted, not only the top one.
constexpr int kAnyReserveCardLifts = -11;

bool IsDownward(int fanType) {
    return fanType == fan::kDown || fanType == fan::kSquared || fanType == fan::kStackedReserve ||
           fanType == fan::kOneStep;
}
bool IsSideways(int fanType) {
    return fanType == fan::kRight || fanType == fan::kSideBySide || fanType == fan::kOverlap;
}

const TableLayout& Layout(const GameContext& ctx) {
    return ctx.game.layout;
}

Rect CardRect(const TableLayout& layout, int left, int top) {
    return Rect{left, top, left + layout.cardWidth, top + layout.cardHeight};
}

// The card-sized rectangle at the pile's origin.
Rect OriginRect(const GameContext& ctx, PileRef pile) {
    const Point origin = OriginOf(Layout(ctx), pile);
    return CardRect(Layout(ctx), origin.x, origin.y);
}

// From the origin across to the right edge of the top card.
Rect AcrossToTopCard(const GameContext& ctx, PileRef pile) {
    const Point origin = OriginOf(Layout(ctx), pile);
    const Point top = CardPosition(ctx, pile, 0, false);
    return Rect{origin.x, origin.y, top.x + Layout(ctx).cardWidth,
                origin.y + Layout(ctx).cardHeight};
}

// From the origin down to the lower edge of the drawing.
Rect DownToBottom(const GameContext& ctx, PileRef pile) {
    const Point origin = OriginOf(Layout(ctx), pile);
    return Rect{origin.x, origin.y, origin.x + Layout(ctx).cardWidth, PileBottom(ctx, pile)};
}

Rect TableauRect(const GameContext& ctx, PileRef pile, int fanType, int x, int y) {
    if (fanType == fan::kRight || fanType == fan::kOverlap) return AcrossToTopCard(ctx, pile);
    if (fanType == fan::kRowOfCells) return Rect{x, y, x, y};  // the whole table is its cell grid
    if (fanType == fan::kCardRow)
        return CardRowExtent(Layout(ctx), OriginOf(Layout(ctx), pile),
                             CardCount(ctx.piles.Pile(pile)));
    return DownToBottom(ctx, pile);
}

Rect FoundationRect(const GameContext& ctx, PileRef pile) {
    const int fanType = ctx.rules[rule::kFoundationFan];
    if (fanType == fan::kDown || fanType == fan::kSquared) {
        const int bottom = PileBottom(ctx, pile);
        const Point origin = OriginOf(Layout(ctx), pile);
        return Rect{origin.x, bottom - Layout(ctx).cardHeight, origin.x + Layout(ctx).cardWidth,
                    bottom};
    }
    // A foundation fanned sideways is hit on its top card.
    const Point top = CardPosition(ctx, pile, 0, false);
    return CardRect(Layout(ctx), top.x, OriginOf(Layout(ctx), pile).y);
}

Rect ReserveRect(const GameContext& ctx, PileRef pile) {
    const int fanType = ctx.rules[rule::kReserveFan];
    if (fanType == fan::kDown || fanType == fan::kSquared || fanType == fan::kStackedReserve)
        return DownToBottom(ctx, pile);
    if (fanType == fan::kRight) return AcrossToTopCard(ctx, pile);
    return OriginRect(ctx, pile);
}

// Along a fan each card owns the strip from its start to start + extent; the
// next card starts `advance` further on.
struct Strip {
    int extent;
    int advance;
};
struct StripHit {
    int slot;
    int start;
};

template <typename StripOf>
std::optional<StripHit> FindStrip(std::string_view text, int start, int point, StripOf stripOf) {
    const int count = CardCount(text);
    for (int slot = 0; slot < count; ++slot) {
        const CardNumber card = CardAt(text, slot);
        const bool isTop = slot == count - 1;
        if (card < 0 && !isTop) continue;  // negative slots take no room
        const Strip strip = stripOf(card, slot, isTop);
        if (point >= start && point <= start + strip.extent) return StripHit{slot, start};
        start += strip.advance;
    }
    return std::nullopt;
}

std::optional<CardHit> CardInDownwardFan(const GameContext& ctx, PileRef pile,
                                         std::string_view text, int fanType, int y) {
    const TableLayout& layout = Layout(ctx);
    const Point origin = OriginOf(layout, pile);
    const auto hit = FindStrip(text, origin.y, y, [&](CardNumber card, int slot, bool isTop) {
        int extent = 0;
        if (isTop) {
            extent = layout.cardHeight - 1;
        } else if (fanType == fan::kDown || fanType == fan::kSquared) {
            extent = ctx.deck.IsFaceUp(card) ? layout.fan.faceUpDown : layout.fan.faceDownDown;
        } else if (fanType == fan::kOneStep) {
            extent = slot == 0 ? layout.fan.faceUpDown : 0;
        } else if (fanType == fan::kStackedReserve) {
            extent = layout.fan.reserveStack;
        }
        return Strip{extent, extent};
    });
    if (!hit) return std::nullopt;
    const int count = CardCount(text);
    // A squared pile shows only its top card.
    if (fanType == fan::kSquared) return CardHit{TopCard(text), count - 1, origin.x, origin.y};
    const Point place = CardPositionIn(ctx, pile, text, count - 1 - hit->slot, false);
    return CardHit{CardAt(text, hit->slot), hit->slot, place.x, hit->start};
}

std::optional<CardHit> CardInSidewaysFan(const GameContext& ctx, PileRef pile,
                                         std::string_view text, int fanType, int x) {
    const TableLayout& layout = Layout(ctx);
    const Point origin = OriginOf(layout, pile);
    const auto hit = FindStrip(text, origin.x, x, [&](CardNumber card, int, bool isTop) {
        if (fanType == fan::kSideBySide)
            return Strip{layout.cardWidth, layout.cardWidth + layout.fan.sideGap};
        const int step = fanType == fan::kOverlap  ? layout.fan.overlap
                         : ctx.deck.IsFaceUp(card) ? layout.fan.faceUpRight
                                                   : layout.fan.faceDownRight;
        return Strip{isTop ? layout.cardWidth - 1 : step, step};
    });
    if (!hit) return std::nullopt;
    return CardHit{CardAt(text, hit->slot), hit->slot, hit->start, origin.y};
}

std::optional<CardHit> CardInGrid(const GameContext& ctx, PileRef pile, std::string_view text,
                                  int x, int y) {
    std::optional<CardHit> found;
    const int count = CardCount(text);
    for (int slot = 0; slot < count; ++slot) {
        const CardNumber card = CardAt(text, slot);
        if (card <= 0) continue;
        const Point place = GridSlotPosition(ctx, pile.index, text, slot);
        // Cards sharing a cell lie on each other: the last one is on top.
        if (CardRect(Layout(ctx), place.x, place.y).Contains(x, y))
            found = CardHit{card, slot, place.x, place.y};
    }
    return found;
}

PileHit Hit(PileRef pile, CardNumber card, Rect rect) {
    return PileHit{PileKey(pile), card, rect};
}

}  // namespace

int PileBottom(const GameContext& ctx, PileRef pile) {
    const TableLayout& layout = Layout(ctx);
    const std::string& text = ctx.piles.Pile(pile);
    const int fanType = FanTypeOf(ctx.rules, pile.list);
    const int count = CardCount(text);
    int bottom = OriginOf(layout, pile).y;
    if (count == 0) return bottom + layout.cardHeight;
    if (fanType == fan::kOneStep && count > 1) bottom += layout.fan.faceUpDown;
    for (int slot = 0; slot < count; ++slot) {
        const CardNumber card = CardAt(text, slot);
        if (card < 0) continue;
        if (slot == count - 1) {
            bottom += layout.cardHeight;
        } else if (fanType == fan::kDown) {
            bottom += ctx.deck.IsFaceUp(card) ? layout.fan.faceUpDown : layout.fan.faceDownDown;
        } else if (fanType == fan::kStackedReserve) {
            bottom += layout.fan.reserveStack;
        }
    }
    return bottom;
}

int PileBottom(const GameContext& ctx, std::string_view key) {
    const std::optional<PileRef> pile = PileByKey(key);
    return pile ? PileBottom(ctx, *pile) : kStockGroupUnset;
}

std::optional<CardHit> CardAtPoint(const GameContext& ctx, PileRef pile, std::string_view pileText,
                                   int x, int y) {
    if (CardCount(pileText) == 0) return std::nullopt;
    const int fanType = FanTypeOf(ctx.rules, pile.list);
    if (pile.list == PileList::Fila && IsGridFan(fanType))
        return CardInGrid(ctx, pile, pileText, x, y);
    if (IsSideways(fanType)) return CardInSidewaysFan(ctx, pile, pileText, fanType, x);
    // Unknown fan types are drawn squared, like type 3.
    return CardInDownwardFan(ctx, pile, pileText, IsDownward(fanType) ? fanType : fan::kSquared, y);
}

PileHit PileAtPoint(const GameContext& ctx, int x, int y) {
    const TableLayout& layout = Layout(ctx);

    for (int entry = 0; entry < kMazzoPileCount; ++entry) {
        const PileRef pile{PileList::Mazzo, entry};
        if (!IsOnTable(layout, pile)) continue;
        const Rect rect = OriginRect(ctx, pile);
        if (rect.Contains(x, y)) return Hit(pile, TopCard(ctx.piles.Pile(pile)), rect);
    }

    const int tableauCount = std::clamp<int>(ctx.rules[rule::kTableauCount], 0, kFilaPileCount);
    const int tableauFan = ctx.rules[rule::kTableauFan];
    const auto tableauHit = [&](PileRef pile) -> std::optional<PileHit> {
        const auto card = CardAtPoint(ctx, pile, ctx.piles.Pile(pile), x, y);
        if (!card || card->card <= 0) return std::nullopt;
        return Hit(pile, card->card, CardRect(layout, card->left, card->top));
    };
    if (tableauFan == fan::kSideBySide) {
        // Rows of cards may reach over the next pile: the later pile is on top.
        for (int i = tableauCount - 1; i >= 0; --i) {
            const PileRef pile{PileList::Fila, i};
            if (!IsOnTable(layout, pile) || !AcrossToTopCard(ctx, pile).Contains(x, y)) continue;
            if (auto hit = tableauHit(pile)) return *hit;
        }
    } else {
        for (int i = 0; i < tableauCount; ++i) {
            const PileRef pile{PileList::Fila, i};
            if (!IsOnTable(layout, pile) ||
                !TableauRect(ctx, pile, tableauFan, x, y).Contains(x, y))
                continue;
            if (auto hit = tableauHit(pile)) return *hit;
            break;
        }
    }

    for (int i = 0; i < kDestPileCount; ++i) {
        const PileRef pile{PileList::Dest, i};
        if (!IsOnTable(layout, pile)) continue;
        const Rect rect = FoundationRect(ctx, pile);
        if (rect.Contains(x, y)) return Hit(pile, TopCard(ctx.piles.Pile(pile)), rect);
    }

    const int reserveCount = std::clamp<int>(ctx.rules[rule::kReserveCount], 0, kAppoggPileCount);
    for (int i = 0; i < reserveCount; ++i) {
        const PileRef pile{PileList::Appogg, i};
        if (!IsOnTable(layout, pile)) continue;
        Rect rect = ReserveRect(ctx, pile);
        if (!rect.Contains(x, y)) continue;
        const auto card = CardAtPoint(ctx, pile, ctx.piles.Pile(pile), x, y);
        if (!card || card->card <= 0) continue;
        rect.left = card->left;
        rect.top = card->top;
        if (ctx.rules[rule::kReserveLift] == kAnyReserveCardLifts)
            rect.bottom = card->top + layout.cardHeight;
        return Hit(pile, card->card, rect);
    }
    return PileHit{};
}

}  // namespace vis
