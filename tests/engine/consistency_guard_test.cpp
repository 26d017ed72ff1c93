// Debug builds stop at a move, undo or redo that leaves a card of the deal
// twice on the table; release builds carry the same step out unchecked.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/autoplay.h"
#include "engine/catalog_game_fixture.h"
#include "model/position_snapshot.h"

namespace vis {
namespace {

constexpr int kKlondike = 2;

// Once armed, the next repaint slips a second copy of the top card of the
// first tableau pile onto the last reserve, which a Klondike never uses.
class SlippingUi : public HeadlessUi {
public:
    void RepaintTable() override {
        HeadlessUi::RepaintTable();
        Slip();
    }
    void RepaintPile(PileRef pile, const std::string& oldText,
                     const std::string& newText) override {
        HeadlessUi::RepaintPile(pile, oldText, newText);
        Slip();
    }

    GameContext* table = nullptr;
    bool armed = false;

private:
    void Slip() {
        if (!armed) return;
        armed = false;
        const std::string& pile = table->piles.fila[0];
        table->piles.appogg.back() += pile.substr(pile.size() - 3);
    }
};

class ConsistencyGuardTest : public ::testing::Test {
protected:
    ConsistencyGuardTest() {
        SetProgramDir(ctx.state, test::ShippedProgramDir());
        ctx.state.Set(field::kScoringScheme, "01");
        ctx.state.Set(field::kConfirmQuitGame, "N");
        hooks.SetAutoplayPass([this](GameContext& c) { return AutoplayPass(c, play); });
        ui.table = &ctx;
    }

    // Carries out one of the player's commands, as typed.
    bool Do(const std::string& line) {
        const ParsedLine parsed = ParsePlayLine(line);
        return parsed.kind == LineKind::kCommand && CarryOutCommand(ctx, play, parsed.command);
    }

    // A Klondike deal, then the commands of `lines`.
    void DealAndPlay(const std::vector<std::string>& lines) {
        ASSERT_TRUE(LoadCatalog(ctx));
        ASSERT_TRUE(StartGame(ctx, hooks,
                              {.number = kKlondike,
                               .name = GameName(ctx, kKlondike),
                               .player = "",
                               .persist = false,
                               .dealNumber = "7919"}));
        for (const std::string& line : lines) ASSERT_TRUE(Do(line)) << line;
        ASSERT_TRUE(IsConsistent(ctx));
    }

    SlippingUi ui;
    GameContext ctx{ui};
    AutoplayPlayHooks play;
    EngineHooks hooks{play};
};

TEST_F(ConsistencyGuardTest, AStepThatDuplicatesACardStopsADebugBuild) {
    // The command under test comes after the ones that make it possible.
    const std::vector<std::vector<std::string>> cases = {
        {"stock"}, {"stock", "undo"}, {"stock", "undo", "redo"}};
    for (std::vector<std::string> lines : cases) {
        const std::string step = lines.back();
        lines.pop_back();
        SCOPED_TRACE(step);
        DealAndPlay(lines);
        ui.armed = true;
        EXPECT_DEBUG_DEATH(Do(step), "IsConsistent");
        ui.armed = false;  // a debug build slipped the card in the child only
    }
}

}  // namespace
}  // namespace vis
