#include "records/held_games.h"

#include <gtest/gtest.h>

#include "model/headless_ui.h"
#include "model/program_paths.h"
#include "records/saved_game_file.h"
#include "support/temp_dir.h"

namespace vis {
namespace {

class HeldGamesTest : public ::testing::Test {
protected:
    HeldGamesTest() { SetProgramDir(ctx.state, dir.Path()); }
    test::TempDir dir;
    HeadlessUi ui;
    GameContext ctx{ui};
};

TEST_F(HeldGamesTest, NextHoldTakesTheFirstFreeNumberAndResumeStartsAtTheLowest) {
    std::filesystem::create_directories(dir / "DATA");
    for (int n = 1; n <= 10; ++n) test::WriteFile(HeldGamePath(ctx, n), "held");
    ctx.piles.fila[0] = "001";
    ASSERT_TRUE(SaveHeldGame(ctx, 42));
    EXPECT_EQ(HeldGamePath(ctx, 11).filename().string(), "Stat_e11.dat");
    std::string error;
    const auto saved = ParseSavedGame(test::ReadFile(HeldGamePath(ctx, 11)), error);
    ASSERT_TRUE(saved.has_value()) << error;
    EXPECT_EQ(saved->playingSeconds, 42);
    EXPECT_EQ(FindHeldGameFile(ctx), HeldGamePath(ctx, 1));
}

TEST_F(HeldGamesTest, AllNamesTakenRefusesWithoutOverwriting) {
    std::filesystem::create_directories(dir / "DATA");
    for (int n = 1; n <= 99; ++n)
        test::WriteFile(HeldGamePath(ctx, n), "held " + std::to_string(n));
    EXPECT_FALSE(SaveHeldGame(ctx, 0));
    EXPECT_EQ(test::ReadFile(HeldGamePath(ctx, 99)), "held 99");
    EXPECT_EQ(ui.Messages().size(), 1u);
    EXPECT_FALSE(FindHeldGameFile(ctx) == std::nullopt);
}

TEST_F(HeldGamesTest, NothingHeldFindsNothing) {
    EXPECT_EQ(FindHeldGameFile(ctx), std::nullopt);
}

}  // namespace
}  // namespace vis
