#include "game/demo_panel.h"

#include <gtest/gtest.h>

#include "game/open_game.h"
#include "records/saved_game_file.h"
#include "saved_games_fixture.h"

namespace vis {
namespace {

class DemoPanelTest : public test::SavedGamesFixture {
protected:
    // Game 1 with four moves recorded as its demo; the positions before
    // each move and the last one are kept.
    void RecordDemo() {
        ASSERT_TRUE(Start(1));
        for (int pile : {6, 5, 4, 3}) {
            positions.push_back(TakeSnapshot(ctx));
            MoveToFoundation(pile);
        }
        positions.push_back(TakeSnapshot(ctx));
        std::filesystem::create_directories(dir / "Demos");
        test::WriteFile(DemoGamePath(ctx.state, 1), SavedGameText(CaptureSavedGame(ctx, 0)));
        ASSERT_TRUE(Start(1));
    }

    std::vector<PositionSnapshot> positions;
    DemoPanel panel;
};

TEST_F(DemoPanelTest, TheDemoRewindsTheRecordedGameAndStepsThroughIt) {
    RecordDemo();
    ctx.state.Set(field::kPlayer, "Bob");
    ASSERT_TRUE(ToggleDemo(ctx, hooks, panel));
    EXPECT_EQ(ctx.state.Get(field::kPlayer), "Bob") << "the watcher, not the demo's author";
    EXPECT_TRUE(ctx.flags[Flag::kDemoMode]);
    EXPECT_TRUE(Logged("demo panel shown"));
    EXPECT_EQ(panel.maximum, 4);
    EXPECT_EQ(panel.position, 0);
    EXPECT_EQ(TakeSnapshot(ctx), positions[0]);
    EXPECT_TRUE(Logged("demo position 0/4"));
    EXPECT_TRUE(std::filesystem::exists(DemoGamePath(ctx.state, 1)));

    const struct {
        void (*step)(GameContext&, DemoPanel&);
        int position;
    } steps[] = {{DemoNext, 3},     {DemoNext, 4}, {DemoPrevious, 1},
                 {DemoPrevious, 0}, {DemoLast, 4}, {DemoFirst, 0}};
    for (const auto& s : steps) {
        s.step(ctx, panel);
        EXPECT_EQ(panel.position, s.position);
        EXPECT_EQ(TakeSnapshot(ctx), positions[static_cast<std::size_t>(s.position)]);
    }
    // The scroll bar: one step is an ordinary redo with its sound.
    ctx.state.Set(field::kSoundsRedo, "Y");
    ui.ClearLog();
    StepDemoTo(ctx, panel, 1);
    EXPECT_TRUE(Logged("sound event: Redo"));
    StepDemoTo(ctx, panel, 3);
    EXPECT_EQ(CountLogged("sound event: Redo"), 1) << "longer steps are silent";
    EXPECT_TRUE(Logged("demo position 3/4"));
    EXPECT_EQ(TakeSnapshot(ctx), positions[3]);

    ASSERT_TRUE(ToggleDemo(ctx, hooks, panel));
    EXPECT_FALSE(ctx.flags[Flag::kDemoMode]);
    EXPECT_TRUE(Logged("demo panel hidden"));
}

TEST_F(DemoPanelTest, WithoutARecordedDemoTheDealRestartsWithNothingToStepThrough) {
    ASSERT_TRUE(Start(1));
    const PositionSnapshot dealt = TakeSnapshot(ctx);
    MoveToFoundation(6);
    ASSERT_TRUE(ToggleDemo(ctx, hooks, panel));
    EXPECT_EQ(panel.maximum, 0);
    EXPECT_EQ(TakeSnapshot(ctx), dealt);
    DemoNext(ctx, panel);
    EXPECT_EQ(panel.position, 0);
}

TEST_F(DemoPanelTest, TurningTheDemoOnAsksToQuitTheGame) {
    ASSERT_TRUE(Start(1));
    ctx.state.Set(field::kConfirmQuitGame, "Y");
    EXPECT_FALSE(ToggleDemo(ctx, hooks, panel));
    EXPECT_TRUE(Logged("confirm: Quit this game?"));
    EXPECT_FALSE(ctx.flags[Flag::kDemoMode]);
    EXPECT_TRUE(ctx.flags[Flag::kGameInProgress]);
}

}  // namespace
}  // namespace vis
