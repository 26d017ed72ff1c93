// A small Klondike-like table placed by hand for the pointer and autoplay
// tests: stock and waste top left, four foundations top right, seven
// tableau piles below, two reserves at the bottom (used when a test gives
// the game reserves). Gestures go through the real pointer events.
#pragma once

#include <string>
#include <string_view>

#include "engine/autoplay.h"
#include "engine/autoplay_hooks.h"
#include "engine/move_execution_fixture.h"
#include "engine/move_rules_fixture.h"
#include "engine/pointer_events.h"
#include "engine/pointer_script.h"
#include "model/ui_port.h"

namespace vis::test {

class PointerTable : public PlayTest {
public:
    static constexpr int kTableauTop = 150;
    static constexpr int kPileGap = 90;
    static constexpr int kFanStep = 20;

    PointerTable() {
        TableLayout& layout = ctx.game.layout;
        layout.fan.faceUpDown = kFanStep;
        layout.fan.faceDownDown = 5;
        layout.stockGroup[kStockIndex] = {10, 10};
        layout.stockGroup[kWasteIndex] = {100, 10};
        for (int i = 0; i < 4; ++i)
            layout.foundations[static_cast<std::size_t>(i)] = {
                static_cast<std::int16_t>(370 + kPileGap * i), 10};
        for (int i = 0; i < 7; ++i)
            layout.tableau[static_cast<std::size_t>(i)] = {
                static_cast<std::int16_t>(10 + kPileGap * i), kTableauTop};
        for (int i = 0; i < 2; ++i)
            layout.reserves[static_cast<std::size_t>(i)] = {
                static_cast<std::int16_t>(10 + kPileGap * i), 600};

        ctx.state.Set(field::kIrregularPiles, "N");
        ctx.state.Set(field::kCardsShadowed, "N");
        ctx.state.Set(field::kDoubleClickToFoundations, "Y");
        ctx.state.Set(field::kDoubleClickToTableaus, "N");
        ctx.state.Set(field::kRightClickToFoundations, "N");
        ctx.state.Set(field::kRightClickToTableaus, "N");
        ctx.state.Set(field::kCursorStyle, "3");

        ctx.rules.Set(rule::kHasStock, 1);
        ctx.rules.Set(rule::kHasWaste, 1);
        ctx.rules.Set(rule::kStockFaceDown, 1);
        ctx.rules.Set(rule::kTableauFan, 1);
        ctx.rules.Set(rule::kFoundationFan, 3);
        ctx.rules.Set(rule::kFoundationMaxCards, 13);
        ctx.rules.Set(rule::kTableauMaxCards, -1);
        ctx.rules.Set(rule::kMoveUnitLimit, -1);
        ctx.rules.Set(rule::kAutoplayAvailable, 1);
        for (int i = 0; i < 4; ++i) {
            ctx.rules.Set(rule::kFoundationBase + i, 1);
            ctx.rules.Set(rule::kFoundationDirection + i, 1);
            ctx.rules.Set(rule::kFoundationBuilding + i, 0);
        }
        for (int i = 0; i < 7; ++i) {
            ctx.rules.Set(rule::kTableauEmpty + i, -1);
            ctx.rules.Set(rule::kTableauDirection + i, 0);
            ctx.rules.Set(rule::kTableauBuilding + i, 3);
        }
    }

    // Lays cards on a pile by key, bottom first; all face up, or face down
    // below `firstFaceUp`.
    void Put(std::string_view key, std::initializer_list<CardNumber> cards, int firstFaceUp = 0) {
        Lay(*PileByKey(key), PileText(cards), firstFaceUp);
    }
    std::string Pile(std::string_view key) { return ctx.piles.Pile(*PileByKey(key)); }

    void AutoplayOn() {
        ctx.game.autoplaySwitch = true;
        ui.SetCommandGroupEnabled(CommandGroup::kAutoplay, true);
    }

    void Press(Point at, PointerButton button = PointerButton::kLeft, PointerKeys keys = {}) {
        PointerDown(ctx, autoplayHooks, button, keys, at.x, at.y);
    }
    void Release(Point at, PointerButton button = PointerButton::kLeft) {
        PointerUp(ctx, autoplayHooks, button, at.x, at.y);
    }
    void MoveTo(Point at) { PointerMove(ctx, autoplayHooks, {}, at.x, at.y); }
    Point On(CardNumber card) { return *PointOnCard(ctx, card); }
    bool Drag(CardNumber card, std::string_view key) {
        return DragCardToPile(ctx, autoplayHooks, card, key);
    }

    AutoplayPlayHooks autoplayHooks;
};

}  // namespace vis::test
