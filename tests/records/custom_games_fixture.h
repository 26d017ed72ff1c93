// A program directory with the customized-games file at hand.
#pragma once

#include <string>
#include <vector>

#include "game/saved_games_fixture.h"
#include "records/saved_game_file.h"

namespace vis {

class CustomGamesTest : public test::SavedGamesFixture {
protected:
    std::string CustomFile() const { return test::ReadFile(dir / "DATA" / "GAM_CUST.DAT"); }
    std::vector<std::string> CustomLines() const { return SplitFileLines(CustomFile()); }
    void PlayGame(int game) {
        ctx.state.SetZeroPadded(field::kGameNumber, game);
        ctx.state.Set(field::kGameName, GameName(ctx, game));
    }
};

}  // namespace vis
