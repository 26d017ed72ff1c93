// A held game that cannot be opened is set aside as ".bad"; a later one of
// the same name must not take the place of the first.
#include <gtest/gtest.h>

#include "game/hold_and_exit.h"
#include "records/held_games.h"
#include "saved_games_fixture.h"

namespace vis {
namespace {

class HeldGameAsideTest : public test::SavedGamesFixture {};

TEST_F(HeldGameAsideTest, EveryDamagedHeldFileIsKept) {
    const auto held = HeldGamePath(ctx, 1);
    for (const char* content : {"first damaged", "second damaged", "third damaged"}) {
        test::WriteFile(held, content);
        EXPECT_FALSE(ResumeHeldGame(ctx, hooks));
        EXPECT_FALSE(std::filesystem::exists(held));
    }
    const auto folder = held.parent_path();
    const std::string name = held.filename().string();
    EXPECT_EQ(test::ReadFile(folder / (name + ".bad")), "first damaged");
    EXPECT_EQ(test::ReadFile(folder / (name + ".2.bad")), "second damaged");
    EXPECT_EQ(test::ReadFile(folder / (name + ".3.bad")), "third damaged");
    ASSERT_EQ(ui.Messages().size(), 3u);
    EXPECT_NE(
        ui.Messages()[2].find("The file was kept as " + (folder / (name + ".3.bad")).string()),
        std::string::npos)
        << ui.Messages()[2];
}

}  // namespace
}  // namespace vis
